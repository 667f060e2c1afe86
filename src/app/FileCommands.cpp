#include "app/FileCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>
#include <string>

#include "app/CommandTable.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "doc/CommandIds.h"
#include "doc/NetloomDoc.h"
#include "platform/ConfigFile.h"
#include "platform/StartProgram.h"
#include "ui/MessageService.h"

namespace netloom {

CFileCommands::CFileCommands(CCommandTable& commands, CDocManager& docs, CNetloomDoc& doc,
                             CRecentFileList& recent, CMainFrame& frame)
    : m_commands(commands), m_docs(docs), m_doc(doc), m_recent(recent), m_frame(frame) {}

void CFileCommands::Define() {
    CDocManager* docs = &m_docs;
    m_commands.Define(ID_FILE_NEW, [docs] { docs->OnFileNew(); });
    m_commands.Define(ID_FILE_OPEN, [docs] { docs->OnFileOpen(); });
    m_commands.Define(ID_FILE_SAVE, [docs] { docs->OnFileSave(); });
    m_commands.Define(ID_FILE_SAVE_AS, [docs] { docs->OnFileSaveAs(); });
    // Mail can be sent when the desktop's mail helper is installed.
    const bool canMail = !QStandardPaths::findExecutable("xdg-email").isEmpty();
    m_commands.Define(
        ID_FILE_SEND_MAIL, [this] { OnSendMail(); }, [canMail] { return canMail; });
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        m_commands.Define(
            ID_FILE_MRU_FIRST + i,
            [this, i] {
                const QString path = m_recent.At(i);  // a copy: opening reorders the list
                m_docs.OpenDocumentFile(path);
            },
            [this, i] { return i < m_recent.Count(); });
    }
    m_commands.Define(ID_APP_EXIT, [this] { m_frame.close(); });
}

void CFileCommands::OnSendMail() {
    // The mail carries the configuration as it is now: the file itself when it is saved,
    // otherwise a copy of the current text under the document's name.
    QString attachment = m_docs.PathName();
    if (attachment.isEmpty() || m_doc.IsModified()) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/netloom-mail-XXXXXX"));
        dir.setAutoRemove(false);  // the mail program reads it after this returns
        const QString name = attachment.isEmpty() ? m_docs.Title() + QStringLiteral(".cfg")
                                                  : QFileInfo(attachment).fileName();
        std::string reason;
        attachment = dir.filePath(name);
        // A copy for the mail, not the document's file: the lines it knows stay the file's.
        const CKeepFileLines keepLines;
        if (!dir.isValid() || !WriteConfigurationFile(QFile::encodeName(attachment).toStdString(),
                                                      m_doc.ConfigurationText(), reason)) {
            Messages().Show(&m_frame,
                            QStringLiteral("Cannot prepare the mail attachment:\n%1")
                                .arg(QString::fromLocal8Bit(reason)),
                            MsgIcon::Warning, MsgButtons::Ok);
            return;
        }
    }
    int error = 0;
    if (!StartProgramWithArguments("xdg-email",
                                   {"--attach", QFile::encodeName(attachment).toStdString()},
                                   std::string(), &error)) {
        Messages().Show(&m_frame,
                        QStringLiteral("Cannot start the mail program:\n%1")
                            .arg(QString::fromLocal8Bit(std::strerror(error))),
                        MsgIcon::Warning, MsgButtons::Ok);
    }
}

}  // namespace netloom
