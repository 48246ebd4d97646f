#include "help/Help.h"

#include <QTextBrowser>
#include <QUrl>

namespace {

// Placeholder window until the help browser proper is in place.
QTextBrowser& HelpBrowser()
{
    static QTextBrowser* browser = nullptr;
    if (!browser) {
        browser = new QTextBrowser;
        browser->setAttribute(Qt::WA_DeleteOnClose, false);
        browser->setWindowTitle(QStringLiteral("Sloopform Help"));
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
    return *browser;
}

}  // namespace

void ShowHelpContents()
{
    HelpBrowser().setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
}

void ShowHelpSearch()
{
    HelpBrowser();
}

void ShowHelpContext(int helpContext)
{
    (void)helpContext;
    HelpBrowser().setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
}
