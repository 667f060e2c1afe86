#include "app/FileDialogs.h"

#include <QFileDialog>

namespace netloom {

namespace {

const QStringList kFilters = {QStringLiteral("Netloom Files (*.cfg)"),
                              QStringLiteral("All Files (*)")};

class CStandardFileDialogs : public CFileDialogs {
  public:
    QString GetOpenFileName(QWidget* parent, const QString& directory) override {
        QFileDialog dialog(parent, QStringLiteral("Open"), directory);
        dialog.setNameFilters(kFilters);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString GetSaveFileName(QWidget* parent, const QString& proposed) override {
        QFileDialog dialog(parent, QStringLiteral("Save As"));
        dialog.setNameFilters(kFilters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("cfg"));
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

}  // namespace

CFileDialogs& StandardFileDialogs() {
    static CStandardFileDialogs dialogs;
    return dialogs;
}

}  // namespace netloom
