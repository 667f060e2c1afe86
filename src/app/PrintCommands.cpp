#include "app/PrintCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/CommandTable.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "ui/MessageService.h"
#include "view/NetloomView.h"

namespace netloom {

namespace {

void ReportPrintFailure(QWidget* parent, const QPrinter& printer) {
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
                              ? (printer.outputFileName().isEmpty()
                                     ? QStringLiteral("no printer is available")
                                     : QStringLiteral("the file \"%1\" cannot be written")
                                           .arg(printer.outputFileName()))
                              : QStringLiteral("the printer \"%1\" did not accept the job")
                                    .arg(printer.printerName());
    Messages().Show(parent,
                    QStringLiteral("The configuration could not be printed: %1.").arg(where),
                    MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace

CPrintCommands::CPrintCommands(CCommandTable& commands, CDocManager& docs, CNetloomView& view,
                               CMainFrame& frame, PrintDialog printDialog)
    : m_commands(commands),
      m_docs(docs),
      m_view(view),
      m_frame(frame),
      m_printDialog(std::move(printDialog)) {}

CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::Define() {
    m_commands.Define(ID_FILE_PRINT, [this] { OnFilePrint(false); });
    m_commands.Define(ID_FILE_PRINT_DIRECT, [this] { OnFilePrint(true); });
    m_commands.Define(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    m_commands.Define(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
}

QPrinter& CPrintCommands::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(QStringLiteral("Netloom"));
    }
    return *m_printer;
}

void CPrintCommands::OnFilePrint(bool direct) {
    QPrinter& printer = Printer();
    printer.setDocName(m_docs.Title());
    if (!direct) {
        // The page count for the choice of pages, as the printer is set up now.
        const int lastPage = m_view.BeginPrinting(printer);
        m_view.EndPrinting();
        printer.setFromTo(0, 0);
        printer.setPrintRange(QPrinter::AllPages);
        bool accepted = false;
        if (m_printDialog) {
            accepted = m_printDialog(&m_frame, printer, lastPage);
        } else {
            QPrintDialog dialog(&printer, &m_frame);
            dialog.setMinMax(1, lastPage);
            dialog.setOption(QAbstractPrintDialog::PrintToFile);
            dialog.setOption(QAbstractPrintDialog::PrintPageRange);
            accepted = dialog.exec() == QDialog::Accepted;
        }
        if (!accepted) return;
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    if (!m_view.PrintDocument(printer)) ReportPrintFailure(&m_frame, printer);
}

void CPrintCommands::OnFilePrintPreview() {
    QPrinter& printer = Printer();
    QPrintPreviewDialog preview(&printer, &m_frame);
    preview.setWindowTitle(m_docs.Title() + QStringLiteral(" - Print Preview"));
    const QPrinter::PrintRange range = printer.printRange();
    printer.setPrintRange(QPrinter::AllPages);  // the preview shows every page
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &m_view,
                     [this](QPrinter* target) { m_view.PrintDocument(*target); });
    preview.exec();
    printer.setPrintRange(range);
}

void CPrintCommands::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), &m_frame);
    dialog.exec();
}

}  // namespace netloom
