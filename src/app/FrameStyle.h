#pragma once
// The style of the main window's menus and tool bar: the application's own style, with menu
// items that the pointer can rest on when they are disabled, and a tool bar whose background
// is painted in tiles.

class QStyle;

namespace netloom {

// One for the whole run, owned by the application so that it outlives every menu and bar.
QStyle* FrameStyle();

}  // namespace netloom
