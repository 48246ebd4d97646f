#include "frame/RecentProjectsMenu.h"

#include <QDir>
#include <QFileInfo>

#include "preferences/SettingsFile.h"
#include "settings/RecentProjects.h"
#include "settings/Settings.h"

namespace {

std::vector<std::string>& RecentList() { return sloopform::ProgramSettings().RecentProjects; }

// One file reached by two spellings of its path is one entry.
std::string ListedPath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toStdString();
}

}  // namespace

RecentProjectsMenu::RecentProjectsMenu(QWidget* parent) : QMenu(QStringLiteral("Recent Projects"), parent)
{
    setObjectName(QStringLiteral("RecentProjects1"));
    showList();
}

void RecentProjectsMenu::remember(const QString& path)
{
    const std::vector<std::string> before = RecentList();
    sloopform::AddRecentProject(RecentList(), ListedPath(path));
    // Saving the newest project again changes nothing worth a write.
    if (RecentList() != before) keepList();
}

void RecentProjectsMenu::forget(const QString& path)
{
    sloopform::RemoveRecentProject(RecentList(), path.toStdString());
    keepList();
}

QStringList RecentProjectsMenu::paths() const
{
    QStringList shown;
    for (const std::string& path : RecentList()) shown.append(QString::fromStdString(path));
    return shown;
}

void RecentProjectsMenu::keepList()
{
    // Written at once, so the list outlives a program that does not close normally.
    WriteSettingsFile(sloopform::ProgramSettings());
    showList();
}

void RecentProjectsMenu::showList()
{
    clear();
    const QStringList recent = paths();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QString text = QDir::toNativeSeparators(path);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { emit projectChosen(path); });
    }
    menuAction()->setEnabled(!recent.isEmpty());
}
