#include "app/AppStyle.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace netloom {

namespace {

// Stands for one of the style's own icons, and asks the style for it when it is first drawn or
// measured.
class CDeferredIconEngine : public QIconEngine {
  public:
    CDeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which,
                        Qt::LayoutDirection direction)
        : m_style(style), m_which(which), m_direction(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new CDeferredIconEngine(*this); }

  private:
    const QIcon& Icon() {
        if (!m_loaded && m_style != nullptr) {
            QStyleOption option;
            option.direction = m_direction;
            m_icon = m_style->standardIcon(m_which, &option);
        }
        m_loaded = true;
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    bool m_loaded = false;
    QIcon m_icon;
};

// Every menu bar and tool bar asks for its extension button's icon when it is made, as the
// find bar does for its close button, and the style's first icon made the toolkit read the
// description of every image plugin installed: over half a millisecond of each start-up, for
// buttons that a window of usual width, with the find bar closed, never shows. Each style has
// these three icons of its own, so standing in for them changes nothing that is laid out.
class CAppStyle : public QProxyStyle {
  public:
    explicit CAppStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton || which == SP_TitleBarCloseButton) {
            const Qt::LayoutDirection direction =
                option != nullptr ? option->direction
                                  : (widget != nullptr ? widget->layoutDirection()
                                                       : QGuiApplication::layoutDirection());
            return QIcon(new CDeferredIconEngine(baseStyle(), which, direction));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

QString& ChosenName() {
    static QString name;
    return name;
}

}  // namespace

void UseAppStyle() {
    if (dynamic_cast<CAppStyle*>(QApplication::style()) != nullptr) return;
    const QString name = QApplication::style()->name();
    QStyle* base = QStyleFactory::create(name);
    if (base == nullptr) return;  // a style that cannot be made twice stays as it is
    ChosenName() = name;
    QApplication::setStyle(new CAppStyle(base));
}

QString AppStyleName() {
    if (dynamic_cast<CAppStyle*>(QApplication::style()) != nullptr) return ChosenName();
    return QApplication::style()->name();
}

}  // namespace netloom
