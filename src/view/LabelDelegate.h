#pragma once
// Measures the tree's rows for the width of its column, as the style does but at a fraction of
// its cost: a node's row is its image, the style's margins and one line of text, so its width
// is the text's advance plus an amount that is the same for every row with an image (and
// another for a row without). Those amounts are measured through the style itself, once for
// each font, style and image size.

#include <QFont>
#include <QFontMetricsF>
#include <QStyledItemDelegate>

namespace netloom {

class CLabelDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int TextWidth(const QString& text) const;

    // What the style adds around the text, for rows without [0] and with [1] an image; width
    // -1 until measured for the font, style and image size below.
    mutable QSize m_around[2] = {{-1, -1}, {-1, -1}};
    mutable QFont m_font;
    mutable const QStyle* m_pStyle = nullptr;
    mutable QSize m_imageSize;
    mutable QFontMetricsF m_metrics{QFont()};
};

}  // namespace netloom
