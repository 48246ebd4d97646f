// The help window on its contents, on a parameter's entry and on a search result.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "Shots.h"
#include "help/Help.h"
#include "help/HelpWindow.h"
#include "model/ParameterTable.h"

SLOOPFORM_SHOTS(Help)
{
    ShowHelpContents();
    HelpWindow& help = *ProgramHelpWindow();
    tour.save(help, "help-contents");

    ShowHelpContext(sloopform::kParameterHelpContextBase + 10);
    tour.save(help, "help-parameter");

    ShowHelpSearch();
    QTest::keyClicks(help.searchField(), QStringLiteral("warning"));
    QListWidget& results = *help.resultList();
    QTest::mouseClick(results.viewport(), Qt::LeftButton, {},
                      results.visualItemRect(results.item(0)).center());
    tour.save(help, "help-search");
    help.close();
}
