#pragma once

// The program's help: one help window, opened on its contents page, on its
// search field, or on the page of a message's help context (4000 + row: that
// parameter's entry).
void ShowHelpContents();
void ShowHelpSearch();
void ShowHelpContext(int helpContext);
