#pragma once
// The tree shows lines between its nodes and plus/minus buttons on the nodes that have
// children. Many desktop styles draw neither; this style borrows just the branch indicators
// from the classic style and leaves everything else to the application's style.

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
    std::unique_ptr<QStyle> m_classic;
};

}  // namespace netloom
