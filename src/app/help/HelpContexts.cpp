#include "help/HelpContexts.h"

#include "help/HelpPages.h"
#include "model/ParameterTable.h"

QUrl HelpContentsUrl() { return HelpPageUrl(QStringLiteral("index.html")); }

QUrl HelpContextUrl(int helpContext)
{
    const int row = helpContext - sloopform::kParameterHelpContextBase;
    if (!sloopform::IsParameterRow(row)) return HelpContentsUrl();
    QUrl url = HelpPageUrl(QStringLiteral("parameters.html"));
    url.setFragment(QStringLiteral("row") + QString::number(row));
    return url;
}
