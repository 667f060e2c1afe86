#pragma once
// Measures and paints the tree's rows as the style does but at a fraction of its cost. A node's
// row is its image, the style's margins and one line of text, so its width is the text's
// advance plus an amount that is the same for every row with an image (and another for a row
// without), measured through the style itself once for each font, style and image size. A
// plain row's text, when it fits, is drawn in one pass where the style lays it out three times
// over, under Qt's own styles; every other row, and every row under another style, is left to
// the style whole.

#include <QFont>
#include <QFontMetricsF>
#include <QMargins>
#include <QString>
#include <QStyledItemDelegate>

#include "view/TextWidths.h"

namespace netloom {

class CLabelDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    // Starts the measures again when the row's font, style or image size is not theirs.
    void UseMeasuresFor(const QStyleOptionViewItem& row, const QStyle* style) const;
    int TextWidth(const QString& text) const;
    // Whether the row's text may be drawn here: one line of plain text, in rows the style draws
    // no differently for its text (not selected, focused, edited or checkable).
    static bool IsPlainRow(const QStyleOptionViewItem& row);
    // Where a plain row's text goes, inside the style's margins; empty if it might not fit.
    QRect TextArea(const QStyleOptionViewItem& row, const QStyle* style) const;
    void DrawText(QPainter* painter, const QStyleOptionViewItem& row, const QRect& area) const;

    // What the style adds around the text, for rows without [0] and with [1] an image; width
    // -1 until measured for the font, style and image size below.
    mutable QSize m_around[2] = {{-1, -1}, {-1, -1}};
    // Where a line of text stands in the style's layout: the height its layout is centred by,
    // and its baseline below its top; height -1 until laid out for the font below.
    mutable int m_lineHeight = -1;
    // Where a row's text goes, as margins inside the row, for rows without [0] and with [1] an
    // image; row height -1 until measured for rows of a height, font, style and image size.
    struct CTextPlace {
        int rowHeight = -1;
        QMargins inside;
    };
    mutable CTextPlace m_textPlaces[2];
    mutable qreal m_lineAscent = 0;
    mutable QFont m_font;
    mutable const QStyle* m_pStyle = nullptr;
    mutable QSize m_imageSize;
    // Whether plain rows' text is drawn here: only for styles known to draw it as done here.
    mutable bool m_bDrawsText = false;
    mutable QFontMetricsF m_metrics{QFont()};
    // Each fit of the column measures up to a thousand shown rows, and the next fit (a rebuild,
    // a group opened or closed, a subtree added) mostly the same labels again; so does every
    // paint. Measuring one shapes its text; looking it up here costs a hash of it. Kept for the
    // metrics above only.
    mutable CTextWidths m_textWidths;
};

}  // namespace netloom
