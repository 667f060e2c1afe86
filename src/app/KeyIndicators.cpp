#include "app/KeyIndicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include "app/CommandTable.h"

namespace netloom {

namespace {

QLabel* AddPane(QStatusBar* bar, int stringId) {
    auto* label = new QLabel(bar);
    const QString text = CCommandTable::Prompt(stringId);
    label->setProperty("indicatorText", text);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 10);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(label);
    return label;
}

void Show(QLabel* label, bool on) {
    label->setText(on ? label->property("indicatorText").toString() : QString());
}

}  // namespace

CKeyIndicators::CKeyIndicators(QStatusBar* bar)
    : QObject(bar),
      m_caps(AddPane(bar, 59137)),
      m_num(AddPane(bar, 59138)),
      m_scroll(AddPane(bar, 59139)) {
    m_caps->setObjectName(QStringLiteral("capsIndicator"));
    m_num->setObjectName(QStringLiteral("numIndicator"));
    m_scroll->setObjectName(QStringLiteral("scrollIndicator"));
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    Refresh();
}

void CKeyIndicators::Refresh() {
    bool caps = false, num = false, scroll = false;
    if (!QueryLockKeys(caps, num, scroll)) caps = num = scroll = false;
    Show(m_caps, caps);
    Show(m_num, num);
    Show(m_scroll, scroll);
}

bool CKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::ApplicationStateChange:
        case QEvent::WindowActivate:
            Refresh();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace netloom
