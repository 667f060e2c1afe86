#include "app/WebPages.h"

#include "app/AppOptions.h"

namespace netloom {

QString FormatSiteUrl(const QString& pattern, const QString& host) {
    const qsizetype at = pattern.indexOf(QStringLiteral("%s"));
    if (at < 0) return pattern;
    return pattern.left(at) + host + pattern.mid(at + 2);
}

QUrl PageUrl(const CWebLists& web, int index) {
    if (index < 0 || index >= web.Urls.size()) return QUrl();
    const QString& pattern = web.Urls.at(index);
    QString host;
    if (web.PreferredSite >= 0 && web.PreferredSite < web.Sites.size())
        host = web.Sites.at(web.PreferredSite);
    else if (!web.Sites.isEmpty())
        host = web.Sites.first();
    if (host.isEmpty() && pattern.contains(QStringLiteral("%s"))) return QUrl();
    return QUrl(FormatSiteUrl(pattern, host), QUrl::TolerantMode);
}

}  // namespace netloom
