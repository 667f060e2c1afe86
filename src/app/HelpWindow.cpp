#include "app/HelpWindow.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace netloom {

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Netloom Help"));
    setModal(false);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/netloom/manual.html")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(640, 560);
}

}  // namespace netloom
