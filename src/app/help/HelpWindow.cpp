#include "help/HelpWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "help/HelpContexts.h"

namespace {

constexpr int kPageUrlRole = Qt::UserRole;
constexpr int kFoundWordMargin = 24;  // pixels of context above a found word

QString WindowTitle(const QString& pageTitle)
{
    const QString program = QStringLiteral("Sloopform Help");
    return pageTitle.isEmpty() ? program : program + QStringLiteral(" - ") + pageTitle;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser),
      searchField_(new QLineEdit),
      resultList_(new QListWidget)
{
    setObjectName(QStringLiteral("HelpWindow"));
    // Help left open must not keep the program running once the frame closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(WindowTitle({}));

    auto* toolBar = new QToolBar;
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    forward_->setShortcut(QKeySequence::Forward);
    contents_ = toolBar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                   tr("&Contents"));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    searchField_->setObjectName(QStringLiteral("HelpSearchField"));
    searchField_->setPlaceholderText(tr("Words to find"));
    searchField_->setClearButtonEnabled(true);
    resultList_->setObjectName(QStringLiteral("HelpResultList"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);

    auto* searchLabel = new QLabel(tr("&Search:"));
    searchLabel->setBuddy(searchField_);
    auto* searchPane = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(searchField_);
    searchLayout->addWidget(resultList_);

    auto* splitter = new QSplitter;
    splitter->addWidget(searchPane);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents_, &QAction::triggered, this, &HelpWindow::showContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    connect(searchField_, &QLineEdit::textChanged, this, &HelpWindow::listResults);
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        if (resultList_->count() > 0) openResult(resultList_->item(0));
    });
    connect(resultList_, &QListWidget::itemClicked, this, &HelpWindow::openResult);
    connect(resultList_, &QListWidget::itemActivated, this, &HelpWindow::openResult);

    resize(900, 640);
}

void HelpWindow::showContents() { openPage(HelpContentsUrl()); }

void HelpWindow::showSearch()
{
    if (browser_->source().isEmpty()) showContents();
    searchField_->setFocus(Qt::ShortcutFocusReason);
    searchField_->selectAll();
}

void HelpWindow::showContext(int helpContext) { openPage(HelpContextUrl(helpContext)); }

void HelpWindow::openPage(const QUrl& url) { browser_->setSource(url); }

void HelpWindow::listResults(const QString& query)
{
    resultList_->clear();
    if (HelpSearchWords(query).isEmpty()) return;
    const QList<HelpSearchHit> hits = pages_.search(query);
    if (hits.isEmpty()) {
        auto* none = new QListWidgetItem(tr("No pages found"), resultList_);
        none->setFlags(Qt::NoItemFlags);
        return;
    }
    for (const HelpSearchHit& hit : hits) {
        auto* item = new QListWidgetItem(hit.page->title, resultList_);
        item->setData(kPageUrlRole, hit.page->url);
    }
}

void HelpWindow::openResult(QListWidgetItem* item)
{
    const QUrl url = item->data(kPageUrlRole).toUrl();
    if (url.isEmpty()) return;
    openPage(url);
    // Show where the first typed word occurs, so the reader need not hunt for it.
    const QStringList words = HelpSearchWords(searchField_->text());
    if (words.isEmpty() || !browser_->find(words.first())) return;
    QScrollBar* scroll = browser_->verticalScrollBar();
    scroll->setValue(scroll->value() + browser_->cursorRect().top() - kFoundWordMargin);
}

void HelpWindow::updateTitle()
{
    const HelpPage* page = pages_.page(browser_->source());
    setWindowTitle(WindowTitle(page ? page->title : QString()));
}
