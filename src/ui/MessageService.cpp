#include "ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace netloom {

namespace {

class CBoxMessageService : public CMessageService {
  public:
    MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& title) override {
        QMessageBox box(parent);
        box.setWindowTitle(title.isEmpty() ? QStringLiteral("Netloom") : title);
        box.setText(text);
        switch (icon) {
            case MsgIcon::None:
                box.setIcon(QMessageBox::NoIcon);
                break;
            case MsgIcon::Information:
                box.setIcon(QMessageBox::Information);
                break;
            case MsgIcon::Warning:
                box.setIcon(QMessageBox::Warning);
                break;
            case MsgIcon::Question:
                box.setIcon(QMessageBox::Question);
                break;
            case MsgIcon::Critical:
                box.setIcon(QMessageBox::Critical);
                break;
        }
        switch (buttons) {
            case MsgButtons::Ok:
                box.setStandardButtons(QMessageBox::Ok);
                break;
            case MsgButtons::OkCancel:
                box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
                break;
            case MsgButtons::YesNo:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                break;
            case MsgButtons::YesNoDefaultNo:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                box.setDefaultButton(QMessageBox::No);
                break;
            case MsgButtons::YesNoCancel:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                break;
        }
        switch (box.exec()) {
            case QMessageBox::Ok:
                return MsgAnswer::Ok;
            case QMessageBox::Yes:
                return MsgAnswer::Yes;
            case QMessageBox::No:
                return MsgAnswer::No;
            default:
                return MsgAnswer::Cancel;
        }
    }
};

CBoxMessageService g_boxService;
CMessageService* g_service = nullptr;

}  // namespace

CMessageService& Messages() {
    return g_service ? *g_service : g_boxService;
}

CMessageService* SetMessageService(CMessageService* service) {
    CMessageService* previous = g_service;
    g_service = service;
    return previous;
}

void ShowWarning(QWidget* parent, const QString& text) {
    Messages().Show(parent, text, MsgIcon::Warning, MsgButtons::Ok);
}

MsgAnswer CRecordingMessageService::Show(QWidget*, const QString& text, MsgIcon icon,
                                         MsgButtons buttons, const QString& title) {
    m_entries.push_back(Entry{text, icon, buttons, title});
    if (!m_answers.empty()) {
        const MsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : m_defaultAnswer;
}

QStringList CRecordingMessageService::Texts() const {
    QStringList texts;
    for (const auto& e : m_entries)
        texts << e.text;
    return texts;
}

}  // namespace netloom
