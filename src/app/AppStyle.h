#pragma once
// The application's style: the one the toolkit chose, except that the icons of the buttons a
// menu bar or tool bar shows when its items do not fit, and of the find bar's close button, are
// fetched only when first drawn.

#include <QString>

namespace netloom {

// Makes that style the application's, once; later calls leave it as it is.
void UseAppStyle();
// The name of the style the toolkit chose, by which another of it can be made (the style that
// stands in for it has no name of its own).
QString AppStyleName();

}  // namespace netloom
