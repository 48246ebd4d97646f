#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// One page of the manual as the search sees it.
struct HelpPage {
    QUrl url;       // qrc:/help/<file>.html
    QString title;  // the page's <title>
    QString text;   // the readable text, without markup
};

struct HelpSearchHit {
    const HelpPage* page;
    int score;
};

// The manual's pages, read once from the program's resources, and the search
// over them: a page matches when every typed word begins one of its words
// (case-insensitive); pages whose title holds the words come first.
class HelpPages {
public:
    explicit HelpPages(const QString& folder = QStringLiteral(":/help"));

    const QList<HelpPage>& pages() const { return pages_; }
    const HelpPage* page(const QUrl& url) const;
    QList<HelpSearchHit> search(const QString& query) const;

private:
    QList<HelpPage> pages_;
};

// The words of a typed query, lower-cased, in the order typed, without repeats.
QStringList HelpSearchWords(const QString& query);

// The url of a page file in the manual's resource folder.
QUrl HelpPageUrl(const QString& fileName);
