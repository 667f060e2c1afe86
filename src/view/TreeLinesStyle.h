#pragma once
// The tree shows lines between its nodes and plus/minus buttons on the nodes that have
// children. Many desktop styles draw neither; this style borrows just the branch indicators
// from the classic style and leaves everything else to the application's style.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QProxyStyle>
#include <memory>

namespace netloom {

class CTreeLinesStyle : public QProxyStyle {
  public:
    CTreeLinesStyle();
    ~CTreeLinesStyle() override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    // One kind of branch as the classic style draws it: its size, which lines and button it
    // has, its colours, and where the dots of its lines fall.
    struct CBranchKind {
        QSize size;
        int state;
        int direction;
        QRgb dark;
        QRgb pen;
        QPoint dotPhase;
        bool operator==(const CBranchKind& other) const;
    };
    friend size_t qHash(const CBranchKind& kind, size_t seed);

    // Whether the branch may be copied from an image drawn once: a plain painter, without
    // anything that would make the copy differ from drawing it there.
    static bool CanCopyBranch(const QStyleOption* option, const QPainter* painter);
    void DrawBranch(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    std::unique_ptr<QStyle> m_classic;
    mutable QHash<CBranchKind, QImage> m_branches;
};

}  // namespace netloom
