#include "app/FrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "app/AppStyle.h"

namespace netloom {

namespace {

// Menus let the pointer rest on a disabled item, so that the status bar shows its prompt like
// any other item's; choosing it still does nothing.
//
// The tool bar's background is painted in tiles. Its bevel lines run the width of the window,
// and the raster engine, given a line of about a hundred pixels or more, splits the blending
// between the threads of the application's pool: each full repaint of the bar (the first one
// at start-up too) woke those threads some twenty times for a few microseconds of work each. A
// tile is narrower than that; the tiles do not overlap, and each paints from the same option.
class CFrameStyle : public QProxyStyle {
  public:
    CFrameStyle() : QProxyStyle(QStyleFactory::create(AppStyleName())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element != CE_ToolBar || option == nullptr || painter == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        constexpr int kTile = 64;
        const QRect all = option->rect;
        for (int top = all.top(); top <= all.bottom(); top += kTile) {
            for (int left = all.left(); left <= all.right(); left += kTile) {
                painter->save();
                painter->setClipRect(QRect(left, top, kTile, kTile), Qt::IntersectClip);
                QProxyStyle::drawControl(element, option, painter, widget);
                painter->restore();
            }
        }
    }
};

}  // namespace

QStyle* FrameStyle() {
    static QPointer<CFrameStyle> style;
    if (style.isNull()) {
        style = new CFrameStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace netloom
