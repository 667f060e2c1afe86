#include "view/LabelDelegate.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>
#include <cmath>

namespace netloom {

int CLabelDelegate::TextWidth(const QString& text) const {
    return static_cast<int>(std::ceil(m_metrics.horizontalAdvance(text)));
}

QSize CLabelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    // Only a plain single line of text is measured here; anything else is the style's.
    if (index.data(Qt::SizeHintRole).isValid() || row.text.contains(QLatin1Char('\n')) ||
        (row.features & QStyleOptionViewItem::WrapText) != 0 ||
        (row.features & QStyleOptionViewItem::HasCheckIndicator) != 0)
        return QStyledItemDelegate::sizeHint(option, index);

    const QWidget* widget = row.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (m_pStyle != style || m_font != row.font || m_imageSize != row.decorationSize) {
        m_pStyle = style;
        m_font = row.font;
        m_imageSize = row.decorationSize;
        m_metrics = QFontMetricsF(row.font);
        m_around[0] = m_around[1] = QSize(-1, -1);
    }
    const bool withImage = (row.features & QStyleOptionViewItem::HasDecoration) != 0;
    QSize& around = m_around[withImage ? 1 : 0];
    if (around.width() < 0) {
        // A reference text without blanks at its ends. The style lays text out in fractions of
        // a pixel that the metrics may round the other way, for the reference as for a label,
        // so two pixels more are allowed; and the style leaves out a label's trailing blanks,
        // which the metrics count. A measured row is so never narrower than the style draws it.
        QStyleOptionViewItem reference = row;
        reference.text = QStringLiteral("Netloom 0123456789");
        const QSize measured =
            style->sizeFromContents(QStyle::CT_ItemViewItem, &reference, QSize(), widget);
        around = QSize(measured.width() - TextWidth(reference.text) + 2, measured.height());
    }
    return QSize(around.width() + TextWidth(row.text), around.height());
}

}  // namespace netloom
