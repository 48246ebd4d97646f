#pragma once
#include <QWidget>

#include "help/HelpPages.h"

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

// The program's help window: the manual's pages in a browser with back,
// forward and contents buttons, and a search field whose result list opens
// the pages that contain the typed words.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents();
    void showSearch();
    void showContext(int helpContext);
    void openPage(const QUrl& url);

    QTextBrowser* browser() const { return browser_; }
    QLineEdit* searchField() const { return searchField_; }
    QListWidget* resultList() const { return resultList_; }
    QAction* backAction() const { return back_; }
    QAction* forwardAction() const { return forward_; }
    QAction* contentsAction() const { return contents_; }

private:
    void listResults(const QString& query);
    void openResult(QListWidgetItem* item);
    void updateTitle();

    HelpPages pages_;
    QTextBrowser* browser_;
    QLineEdit* searchField_;
    QListWidget* resultList_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
};

// The one help window of the program, or nullptr before help was first asked for.
HelpWindow* ProgramHelpWindow();
