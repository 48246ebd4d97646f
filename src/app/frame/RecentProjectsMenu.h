#pragma once
#include <QMenu>

// "Recent Projects": the projects of the settings' recent list, most recent
// first, numbered for the keyboard. One menu shared by every File menu.
class RecentProjectsMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentProjectsMenu(QWidget* parent = nullptr);

    // Puts `path` first in the list, keeps the list in the settings file and shows it.
    void remember(const QString& path);
    // Takes `path` off the list, keeps and shows the list.
    void forget(const QString& path);
    // The paths shown, most recent first.
    QStringList paths() const;

signals:
    void projectChosen(const QString& path);

private:
    void showList();
    void keepList();
};
