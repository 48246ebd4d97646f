#pragma once
#include <QUrl>

// Where the manual answers a help context: 4000 + row opens that parameter's
// entry (anchor "row<N>" on the parameters page); any other context opens the
// contents page.
QUrl HelpContextUrl(int helpContext);
QUrl HelpContentsUrl();
