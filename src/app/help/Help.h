#pragma once

class QUrl;

// The program's help: one help window, opened on its contents page, on its
// search field, on the page of a message's help context (4000 + row: that
// parameter's entry) or on any page of the manual.
void ShowHelpContents();
void ShowHelpSearch();
void ShowHelpContext(int helpContext);
void ShowHelpPage(const QUrl& page);
