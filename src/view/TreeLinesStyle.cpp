#include "view/TreeLinesStyle.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace netloom {

namespace {

// The kinds a tree shows are few (a handful of shapes, at a few places of the dots' pattern);
// past this many, something is drawing branches of ever new sizes, and the images start again.
constexpr qsizetype kKeptBranches = 256;
// The dotted lines' pattern repeats every eight pixels each way.
constexpr int kPatternSize = 8;

int PatternPhase(int coordinate) {
    return ((coordinate % kPatternSize) + kPatternSize) % kPatternSize;
}

}  // namespace

bool CTreeLinesStyle::CBranchKind::operator==(const CBranchKind& other) const {
    return size == other.size && state == other.state && direction == other.direction &&
           dark == other.dark && pen == other.pen && dotPhase == other.dotPhase;
}

size_t qHash(const CTreeLinesStyle::CBranchKind& kind, size_t seed) {
    return qHashMulti(seed, kind.size.width(), kind.size.height(), kind.state, kind.direction,
                      kind.dark, kind.pen, kind.dotPhase.x(), kind.dotPhase.y());
}

CTreeLinesStyle::CTreeLinesStyle() : m_classic(QStyleFactory::create(QStringLiteral("Windows"))) {}

CTreeLinesStyle::~CTreeLinesStyle() = default;

void CTreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorBranch && m_classic) {
        if (CanCopyBranch(option, painter))
            DrawBranch(option, painter, widget);
        else
            m_classic->drawPrimitive(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool CTreeLinesStyle::CanCopyBranch(const QStyleOption* option, const QPainter* painter) {
    const QPaintEngine* engine = painter->paintEngine();
    const QPen& pen = painter->pen();
    return option != nullptr && engine != nullptr && engine->type() == QPaintEngine::Raster &&
           painter->device() != nullptr && painter->device()->devicePixelRatio() == 1.0 &&
           painter->worldTransform().type() <= QTransform::TxTranslate &&
           painter->opacity() == 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
           !painter->testRenderHint(QPainter::Antialiasing) &&
           painter->brush().style() == Qt::NoBrush && pen.style() == Qt::SolidLine &&
           pen.widthF() <= 1.0 && pen.brush().style() == Qt::SolidPattern &&
           !option->rect.isEmpty() && option->rect.width() <= 256 && option->rect.height() <= 256;
}

// The classic style's branch lines are dotted: a pattern brush that the painter sets up afresh
// for each of the up to three lines of every branch, at every paint, which cost about as much
// as drawing the row's text. Each kind of branch is drawn once into an image, as the classic
// style draws it, and copied from there.
void CTreeLinesStyle::DrawBranch(const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    const QRect& rect = option->rect;
    // The pattern's dots lie on a grid set by the brush origin; the image is drawn with the
    // grid where the branch meets it.
    const QPoint origin = painter->brushOrigin();
    const CBranchKind kind{
        rect.size(),
        static_cast<int>(option->state &
                         (State_Children | State_Open | State_Item | State_Sibling)),
        static_cast<int>(option->direction),
        option->palette.dark().color().rgba(),
        painter->pen().color().rgba(),
        QPoint(PatternPhase(rect.x() - origin.x()), PatternPhase(rect.y() - origin.y()))};
    auto found = m_branches.constFind(kind);
    if (found == m_branches.cend()) {
        if (m_branches.size() >= kKeptBranches) m_branches.clear();
        QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter drawing(&image);
        drawing.setPen(painter->pen());
        drawing.setBrushOrigin(origin - rect.topLeft());
        QStyleOption at = *option;
        at.rect = QRect(QPoint(0, 0), rect.size());
        m_classic->drawPrimitive(PE_IndicatorBranch, &at, &drawing, widget);
        drawing.end();
        found = m_branches.insert(kind, image);
    }
    painter->drawImage(rect.topLeft(), found.value());
}

}  // namespace netloom
