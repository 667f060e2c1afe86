#pragma once
// Every message box of Netloom goes through this service. The application installs one that
// shows QMessageBox; tests install CRecordingMessageService, which records each message and
// answers from a script, so no test ever blocks on a modal box.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace netloom {

enum class MsgIcon { None, Information, Warning, Question, Critical };
// YesNoDefaultNo: a question whose Yes loses something; Enter alone must not answer it.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class CMessageService {
  public:
    virtual ~CMessageService() = default;
    virtual MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon,
                           MsgButtons buttons = MsgButtons::Ok,
                           const QString& title = QString()) = 0;
};

// The installed service; a QMessageBox-based one unless another was installed.
CMessageService& Messages();
// Installs service (null restores the default); returns the one installed before.
CMessageService* SetMessageService(CMessageService* service);

// Shows a warning with an OK button (validation failures, reader messages).
void ShowWarning(QWidget* parent, const QString& text);

class CRecordingMessageService : public CMessageService {
  public:
    struct Entry {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
        QString title;
    };

    MsgAnswer Show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& title) override;

    // Answers given in order to the next boxes; after they run out, the default answer (Ok for
    // an OK box, else m_defaultAnswer).
    void Script(std::initializer_list<MsgAnswer> answers) {
        m_answers.insert(m_answers.end(), answers.begin(), answers.end());
    }
    QStringList Texts() const;
    void Clear() { m_entries.clear(); }

    std::vector<Entry> m_entries;
    std::deque<MsgAnswer> m_answers;
    MsgAnswer m_defaultAnswer = MsgAnswer::Cancel;
};

// Installs a recording service for the lifetime of the guard (for tests).
class CScopedRecordingMessages {
  public:
    CScopedRecordingMessages() { m_previous = SetMessageService(&m_service); }
    ~CScopedRecordingMessages() { SetMessageService(m_previous); }
    CRecordingMessageService* operator->() { return &m_service; }
    CRecordingMessageService& Service() { return m_service; }

  private:
    CRecordingMessageService m_service;
    CMessageService* m_previous = nullptr;
};

}  // namespace netloom
