#include "view/TreeLinesStyle.h"

#include <QStyleFactory>

namespace netloom {

CTreeLinesStyle::CTreeLinesStyle() : m_classic(QStyleFactory::create(QStringLiteral("Windows"))) {}

CTreeLinesStyle::~CTreeLinesStyle() = default;

void CTreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorBranch && m_classic) {
        m_classic->drawPrimitive(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace netloom
