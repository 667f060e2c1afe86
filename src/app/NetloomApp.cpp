#include "app/NetloomApp.h"
#include "ui/Latin1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include "app/AppStyle.h"
#include "app/DesktopRegistration.h"
#include "app/DocManager.h"
#include "app/FileCommands.h"
#include "app/FileDialogs.h"
#include "app/MainFrame.h"
#include "app/OptionsHelpCommands.h"
#include "app/PrintCommands.h"
#include "app/ProblemsDock.h"
#include "doc/CommandIds.h"
#include "doc/ObjectEditor.h"
#include "doc/UserOptions.h"
#include "platform/SystemServices.h"
#include "res/Strings.h"
#include "view/NetloomView.h"

#include "pages/PropertyEditor.h"

namespace netloom {

namespace {

constexpr const char* kCompany = "Varnel";

QString ApplicationName() {
    return TableString(57344);
}

}  // namespace

CNetloomApp::CNetloomApp(std::vector<std::string> arguments, CAppServices services)
    : m_arguments(std::move(arguments)), m_services(std::move(services)) {
    m_docManager = std::make_unique<CDocManager>(
        m_doc, m_recent, m_services.fileDialogs ? *m_services.fileDialogs : StandardFileDialogs(),
        m_options);
}

CNetloomApp::~CNetloomApp() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    m_doc.SetModifiedObserver(nullptr);  // the document outlives the window it marks
    m_doc.SetStepObserver(nullptr);      // and the list of its problems
    m_optionsHelp.reset();               // with the help window, which belongs to the main window
    m_frame.reset();  // with the tree view, which lets go of the document's objects
    if (m_editorInstalled) SetObjectEditor(m_previousEditor);
}

std::unique_ptr<QSettings> CNetloomApp::Settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kCompany), ApplicationName());
}

bool CNetloomApp::InitInstance() {
    // The component libraries the original needed for drag and drop have no counterpart
    // here: the toolkit is ready once the application object exists.

    // The settings root: the company key and the application name.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kCompany));
    QCoreApplication::setApplicationName(ApplicationName());

    std::unique_ptr<QSettings> settings = Settings();
    m_recent.Load(*settings);
    LoadOptions(*settings, m_options, m_web);
    settings.reset();

    // Menus, pages and the tree are drawn without the cosmetic shaping of Latin text, which
    // scripts that need shaping still get; set before the first widget, so that one font serves.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    QApplication::setFont(font);

    UseAppStyle();

    // The document, the main window and its tree view.
    m_view = new CNetloomView(m_doc, m_options);
    m_frame = std::make_unique<CMainFrame>(m_commands, m_view);
    m_frame->setWindowIcon(QApplication::windowIcon());
    CObjectEditor* editor = m_services.editor;
    if (editor == nullptr) {
        m_ownEditor = std::make_unique<CPropertyEditor>(m_options, m_frame.get());
        editor = m_ownEditor.get();
    }
    m_previousEditor = SetObjectEditor(editor);
    m_editorInstalled = true;
    m_docManager->SetView(m_view);
    m_docManager->SetWindow(m_frame.get());
    m_view->SetRootLabelSource([this] { return m_docManager->RootLabel(); });
    m_view->SetPrintNameSource([this] { return m_docManager->PathName().toStdString(); },
                               [this] { return m_docManager->Title().toStdString(); });
    DefineCommands();
    if (!m_frame->Create(m_web)) {
        m_exitCode = 1;
        return false;
    }
    m_view->SetContextMenu(m_frame->ContextMenu());
    m_frame->UpdateRecentFiles(m_recent);
    m_frame->SetCloseHandler([this] { return m_docManager->SaveModified(); });
    connect(m_docManager.get(), &CDocManager::TitleChanged, this, &CNetloomApp::UpdateTitle);
    m_doc.SetModifiedObserver([this](bool modified) {
        if (m_frame) m_frame->setWindowModified(modified);
    });
    connect(m_docManager.get(), &CDocManager::RecentFilesChanged, this,
            [this] { m_frame->UpdateRecentFiles(m_recent); });
    connect(m_docManager.get(), &CDocManager::DocumentReplaced, this,
            &CNetloomApp::UpdateCommandStates);
    ConnectProblemsList();
    connect(m_view, &CNetloomView::SelectionContextChanged, this,
            &CNetloomApp::UpdateCommandStates);
    connect(m_view, &CNetloomView::DocumentChanged, this, &CNetloomApp::UpdateCommandStates);
    connect(m_view, &CNetloomView::CommandRequested, &m_commands, &CCommandTable::Execute);
    connect(&m_commands, &CCommandTable::Executed, this, &CNetloomApp::UpdateCommandStates);
    // Paste follows what other programs, other copies of Netloom among them, put on the clipboard.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CNetloomApp::UpdateCommandStates);
    // Accelerators find their commands' states fresh.
    QCoreApplication::instance()->installEventFilter(this);

    // The "Netloom Document" file type and this program, for the current user.
    RegisterDocumentType(QCoreApplication::applicationFilePath());

    CNetloomCommandLineInfo info(SystemServices());
    ParseCommandLine(info, m_arguments);
    if (!ProcessShellCommand(info)) return false;

    // Files dropped on the window open like File Open.
    m_frame->SetDropHandler([this](const QString& path) { m_docManager->OpenDocumentFile(path); });
    return true;
}

bool CNetloomApp::ProcessShellCommand(const CCommandLineInfo& info) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(info.m_strFileName));
    switch (info.m_nShellCommand) {
        case CCommandLineInfo::AppUnregister:
            UnregisterDocumentType();
            return false;
        case CCommandLineInfo::FileOpen:
        case CCommandLineInfo::FilePrint:
        case CCommandLineInfo::FilePrintTo:
            if (!m_docManager->OpenDocumentFile(file)) return false;
            break;
        case CCommandLineInfo::FileNew:
        case CCommandLineInfo::FileDDE:  // no shell conversation here: start as without a file
            if (!m_docManager->OnFileNew()) return false;
            break;
    }
    if (info.m_nShellCommand == CCommandLineInfo::FilePrint ||
        info.m_nShellCommand == CCommandLineInfo::FilePrintTo) {
        // Printing from the command line prints and ends; without printing the file stays open.
        if (info.m_nShellCommand == CCommandLineInfo::FilePrintTo && !info.m_strPrinterName.empty())
            Printer().setPrinterName(QString::fromStdString(info.m_strPrinterName));
        if (m_commands.Execute(ID_FILE_PRINT_DIRECT)) return false;
    }
    UpdateTitle();
    UpdateCommandStates();
    m_frame->show();
    // The new window takes the keyboard (and so shows tool tips) at once, as it would under a
    // window manager; on a bare X display nothing else gives it the focus.
    m_frame->activateWindow();
    return true;
}

int CNetloomApp::ExitInstance() {
    std::unique_ptr<QSettings> settings = Settings();
    SaveOptions(*settings, m_options, m_web);
    m_recent.Save(*settings);
    settings->sync();  // a failure to write is not reported
    return m_exitCode;
}

void CNetloomApp::ConnectProblemsList() {
    if (!m_frame->HasProblemsList()) return;
    // Until the list is made there is nothing to bring up to date: it makes its rows when it
    // is first shown, from the messages kept here and the document as it is then.
    m_frame->SetProblemsDockSetUp([this](CProblemsDock& problems) {
        problems.SetReaderMessages(std::move(m_unlistedMessages));
        m_unlistedMessages.clear();
        connect(m_view, &CNetloomView::TreeRebuilt, &problems, &CProblemsDock::Invalidate);
        connect(&problems, &CProblemsDock::StatusMessage, this,
                [this](const QString& text) { m_frame->statusBar()->showMessage(text); });
    });
    m_doc.SetStepObserver([this] {
        if (CProblemsDock* problems = m_frame->MadeProblemsDock()) problems->Invalidate();
    });
    connect(m_docManager.get(), &CDocManager::DocumentReplaced, this, [this] {
        const std::vector<CReaderMessage>& messages = m_docManager->ReaderMessages();
        if (CProblemsDock* problems = m_frame->MadeProblemsDock())
            problems->SetReaderMessages(messages);
        else
            m_unlistedMessages = messages;
        // Listed instead of shown one by one: the list comes up when there is something in it.
        if (m_options.ListFileProblems && !messages.empty()) m_frame->ProblemsDock()->show();
    });
}

void CNetloomApp::UpdateTitle() {
    if (!m_frame) return;
    // The unsaved-changes mark goes where the placeholder stands; one in the file's own name
    // is doubled, which shows it as it is.
    QString title = m_docManager->Title();
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    m_frame->setWindowTitle(title + QStringLiteral("[*] - ") + ApplicationName());
    m_frame->setWindowModified(m_doc.IsModified());
}

void CNetloomApp::UpdateCommandStates() {
    m_commands.UpdateAll();
}

bool CNetloomApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) m_commands.UpdateAll();
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal() && m_frame) {
            // Without a window manager nobody gives the keyboard back to the main window
            // when a dialog closes; ask for it once no other dialog is up.
            QPointer<CMainFrame> frame(m_frame.get());
            QTimer::singleShot(0, this, [frame] {
                if (frame && frame->isVisible() && QApplication::activeModalWidget() == nullptr)
                    frame->activateWindow();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

CHelpWindow* CNetloomApp::HelpWindow() const {
    return m_optionsHelp ? m_optionsHelp->HelpWindow() : nullptr;
}

void CNetloomApp::OnAppAbout() {
    m_optionsHelp->OnAppAbout();
}

void CNetloomApp::OnViewOptions() {
    m_optionsHelp->OnViewOptions();
}

void CNetloomApp::OnHelp() {
    m_optionsHelp->OnHelp();
}

void CNetloomApp::ChooseSite(int index) {
    m_optionsHelp->ChooseSite(index);
}

void CNetloomApp::OpenWebPage(int index) {
    m_optionsHelp->OpenWebPage(index);
}

void CNetloomApp::OnSendMail() {
    m_fileCommands->OnSendMail();
}

void CNetloomApp::OnFilePrint(bool direct) {
    m_printCommands->OnFilePrint(direct);
}

void CNetloomApp::OnFilePrintPreview() {
    m_printCommands->OnFilePrintPreview();
}

void CNetloomApp::OnFilePrintSetup() {
    m_printCommands->OnFilePrintSetup();
}

QPrinter& CNetloomApp::Printer() {
    return m_printCommands->Printer();
}

}  // namespace netloom
