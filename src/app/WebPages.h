#pragma once
// The addresses of the maker's web pages: a page's pattern with the chosen site's host name in
// place of its "%s".

#include <QString>
#include <QUrl>

namespace netloom {

struct CWebLists;

// pattern with its first "%s" replaced by host, as plain text: nothing in pattern or host is
// ever taken as a format.
QString FormatSiteUrl(const QString& pattern, const QString& host);

// The address of page index on the preferred site. A preferred site that names no site (a
// stale setting) falls back to the first site; with no site at all a pattern that needs one
// gives an invalid URL.
QUrl PageUrl(const CWebLists& web, int index);

}  // namespace netloom
