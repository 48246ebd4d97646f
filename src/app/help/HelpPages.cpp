#include "help/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace {

const QRegularExpression& WordPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\w+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

QStringList Words(const QString& text)
{
    QStringList words;
    auto matches = WordPattern().globalMatch(text);
    while (matches.hasNext()) words.append(matches.next().captured().toLower());
    return words;
}

int CountStartingWith(const QStringList& words, const QString& prefix)
{
    return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const QString& word) {
        return word.startsWith(prefix);
    }));
}

HelpPage ReadPage(const QString& path, const QUrl& url)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return {url, document.metaInformation(QTextDocument::DocumentTitle), document.toPlainText()};
}

}  // namespace

QUrl HelpPageUrl(const QString& fileName)
{
    return QUrl(QStringLiteral("qrc:/help/") + fileName);
}

QStringList HelpSearchWords(const QString& query)
{
    QStringList words = Words(query);
    words.removeDuplicates();
    return words;
}

HelpPages::HelpPages(const QString& folder)
{
    const QDir directory(folder);
    for (const QString& name :
         directory.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        pages_.append(ReadPage(directory.filePath(name), HelpPageUrl(name)));
}

const HelpPage* HelpPages::page(const QUrl& url) const
{
    const QUrl withoutAnchor = url.adjusted(QUrl::RemoveFragment);
    for (const HelpPage& candidate : pages_)
        if (candidate.url == withoutAnchor) return &candidate;
    return nullptr;
}

QList<HelpSearchHit> HelpPages::search(const QString& query) const
{
    const QStringList typed = HelpSearchWords(query);
    QList<HelpSearchHit> hits;
    if (typed.isEmpty()) return hits;
    for (const HelpPage& page : pages_) {
        const QStringList titleWords = Words(page.title);
        const QStringList textWords = Words(page.text);
        int score = 0;
        bool all = true;
        for (const QString& word : typed) {
            const int inText = CountStartingWith(textWords, word);
            if (inText == 0) {
                all = false;
                break;
            }
            // A word in the title says more about the page than many in its text.
            score += inText + 20 * CountStartingWith(titleWords, word);
        }
        if (all) hits.append({&page, score});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const HelpSearchHit& a, const HelpSearchHit& b) {
        return a.score > b.score;
    });
    return hits;
}
