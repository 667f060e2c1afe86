#include "view/LabelDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QTextLayout>
#include <QWidget>
#include <cmath>

#include "view/TreeLinesStyle.h"

namespace netloom {

namespace {

// A text without blanks at its ends, in which to measure what the style adds around a label and
// where it sets a line.
const QString& ReferenceText() {
    static const QString text = QStringLiteral("Netloom 0123456789");
    return text;
}

const QStyle* StyleOf(const QStyleOptionViewItem& row) {
    return row.widget != nullptr ? row.widget->style() : QApplication::style();
}

// Whether the style draws a row as Qt's own styles do, so that its text may be drawn here: a
// desktop's style, or a style over it, may place or colour it in ways of its own. The tree's
// own style changes nothing of a row but its branch lines.
bool DrawsRowsAsQt(const QStyle* style) {
    if (const auto* lines = dynamic_cast<const CTreeLinesStyle*>(style)) style = lines->baseStyle();
    if (style == nullptr || qobject_cast<const QProxyStyle*>(style) != nullptr) return false;
    const QString name = style->name();
    return name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CLabelDelegate::UseMeasuresFor(const QStyleOptionViewItem& row, const QStyle* style) const {
    if (m_pStyle == style && m_font == row.font && m_imageSize == row.decorationSize) return;
    m_pStyle = style;
    m_font = row.font;
    m_imageSize = row.decorationSize;
    m_metrics = QFontMetricsF(row.font);
    m_textWidths.Clear();
    m_around[0] = m_around[1] = QSize(-1, -1);
    m_lineHeight = -1;
    m_textPlaces[0] = m_textPlaces[1] = CTextPlace();
    m_bDrawsText = DrawsRowsAsQt(style);
}

int CLabelDelegate::TextWidth(const QString& text) const {
    const int known = m_textWidths.Find(text);
    if (known >= 0) return known;
    const int width = static_cast<int>(std::ceil(m_metrics.horizontalAdvance(text)));
    m_textWidths.Keep(text, width);
    return width;
}

QSize CLabelDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    // Only a plain single line of text is measured here; anything else is the style's.
    if (index.data(Qt::SizeHintRole).isValid() || row.text.contains(QLatin1Char('\n')) ||
        (row.features & QStyleOptionViewItem::WrapText) != 0 ||
        (row.features & QStyleOptionViewItem::HasCheckIndicator) != 0)
        return QStyledItemDelegate::sizeHint(option, index);

    const QStyle* style = StyleOf(row);
    UseMeasuresFor(row, style);
    const bool withImage = (row.features & QStyleOptionViewItem::HasDecoration) != 0;
    QSize& around = m_around[withImage ? 1 : 0];
    if (around.width() < 0) {
        // The reference text has no blanks at its ends. The style lays text out in fractions of
        // a pixel that the metrics may round the other way, for the reference as for a label,
        // so two pixels more are allowed; and the style leaves out a label's trailing blanks,
        // which the metrics count. A measured row is so never narrower than the style draws it.
        QStyleOptionViewItem reference = row;
        reference.text = ReferenceText();
        const QSize measured =
            style->sizeFromContents(QStyle::CT_ItemViewItem, &reference, QSize(), row.widget);
        around = QSize(measured.width() - TextWidth(reference.text) + 2, measured.height());
    }
    return QSize(around.width() + TextWidth(row.text), around.height());
}

bool CLabelDelegate::IsPlainRow(const QStyleOptionViewItem& row) {
    const QStyle::State drawnForText =
        QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    if ((row.state & drawnForText) != 0 || row.direction != Qt::LeftToRight ||
        row.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter) || !row.showDecorationSelected ||
        (row.features &
         (QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator)) != 0 ||
        row.text.isEmpty())
        return false;
    // Printable ASCII only: no line breaks, no characters that shape or run right to left,
    // none another font would have to supply.
    for (const QChar c : row.text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    }
    return true;
}

QRect CLabelDelegate::TextArea(const QStyleOptionViewItem& row, const QStyle* style) const {
    // With the whole row shown as selected, the style gives the text what its image leaves of
    // the row, whatever the text: so where it goes is measured once for rows of this height,
    // with or without an image, and moved with the row. Measured for each row, it would lay
    // the text out once more.
    const bool withImage = (row.features & QStyleOptionViewItem::HasDecoration) != 0;
    CTextPlace& place = m_textPlaces[withImage ? 1 : 0];
    if (place.rowHeight != row.rect.height()) {
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, row.widget) + 1;
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &row, row.widget);
        place.rowHeight = row.rect.height();
        place.inside =
            QMargins(text.left() - row.rect.left() + margin, text.top() - row.rect.top(),
                     row.rect.right() - text.right() + margin, row.rect.bottom() - text.bottom());
    }
    const QRect area = row.rect.marginsRemoved(place.inside);
    // A label that might not fit is the style's to shorten; two pixels cover a last glyph
    // that reaches past its advance.
    if (TextWidth(row.text) + 2 > area.width()) return {};
    return area;
}

void CLabelDelegate::DrawText(QPainter* painter, const QStyleOptionViewItem& row,
                              const QRect& area) const {
    if (m_lineHeight < 0) {
        QTextLayout layout(ReferenceText(), row.font);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(area.width());
        layout.endLayout();
        m_lineHeight = layout.boundingRect().size().toSize().height();
        m_lineAscent = line.ascent();
    }
    const int top = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignVCenter,
                                        QSize(area.width(), m_lineHeight), area)
                        .top();
    QPalette::ColorGroup group =
        (row.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && (row.state & QStyle::State_Active) == 0)
        group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(row.rect);
    painter->setFont(row.font);
    painter->setPen(row.palette.color(group, QPalette::Text));
    painter->drawText(QPointF(area.x(), top + m_lineAscent), row.text);
    painter->restore();
}

void CLabelDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QStyle* style = StyleOf(row);
    UseMeasuresFor(row, style);
    const QRect area = m_bDrawsText && IsPlainRow(row) ? TextArea(row, style) : QRect();
    if (!area.isValid()) {
        style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
        return;
    }
    // The style paints the row around its text, then the text is drawn as the style would.
    QStyleOptionViewItem around = row;
    around.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &around, painter, row.widget);
    DrawText(painter, row, area);
}

}  // namespace netloom
