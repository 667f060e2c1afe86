#pragma once
// The services the application uses from outside its own code, replaceable for tests: the
// object editor behind every property sheet, the file choosers and the Options dialog.

#include <functional>

class QPrinter;
class QWidget;

namespace netloom {

class CFileDialogs;
class CObjectEditor;
struct CUserOptions;

struct CAppServices {
    CObjectEditor* editor = nullptr;      // null: the property sheets
    CFileDialogs* fileDialogs = nullptr;  // null: the standard file choosers
    // Edits the options; true on OK. Null: the Options dialog.
    std::function<bool(QWidget* parent, CUserOptions& options)> editOptions;
    // Lets the user choose the printer and the pages (at most lastPage); true to print.
    // Null: the print dialog.
    std::function<bool(QWidget* parent, QPrinter& printer, int lastPage)> printDialog;
};

}  // namespace netloom
