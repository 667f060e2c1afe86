#pragma once
// CPrintCommands: File > Print, Print Preview and Print Setup, all on the program's one
// printer, so that a setup carries over to the next print. The view lays out and draws the
// pages; the printer, its dialogs and the preview window are the toolkit's own.

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace netloom {

class CCommandTable;
class CDocManager;
class CMainFrame;
class CNetloomView;

class CPrintCommands {
  public:
    // Lets the user choose the printer and the pages (at most lastPage); true to print.
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer, int lastPage)>;

    // printDialog: null for the toolkit's print dialog.
    CPrintCommands(CCommandTable& commands, CDocManager& docs, CNetloomView& view,
                   CMainFrame& frame, PrintDialog printDialog);
    ~CPrintCommands();
    CPrintCommands(const CPrintCommands&) = delete;
    CPrintCommands& operator=(const CPrintCommands&) = delete;

    // Puts the commands into the table.
    void Define();
    // Print, with the print dialog unless direct.
    void OnFilePrint(bool direct);
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    QPrinter& Printer();

  private:
    CCommandTable& m_commands;
    CDocManager& m_docs;
    CNetloomView& m_view;
    CMainFrame& m_frame;
    PrintDialog m_printDialog;
    std::unique_ptr<QPrinter> m_printer;  // made when first needed: finding printers takes time
};

}  // namespace netloom
