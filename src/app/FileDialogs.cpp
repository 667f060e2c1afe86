#include "app/FileDialogs.h"
#include "ui/Latin1.h"

#include <QFileDialog>

#include "res/Strings.h"

namespace netloom {

QString DocTemplateField(DocTemplateFieldIndex field) {
    return TableString(128).section(QLatin1Char('\n'), field, field);
}

namespace {

QStringList Filters() {
    return {DocTemplateField(kFilterName), QStringLiteral("All Files (*)")};
}

class CStandardFileDialogs : public CFileDialogs {
  public:
    QString GetOpenFileName(QWidget* parent, const QString& directory) override {
        QFileDialog dialog(parent, QStringLiteral("Open"), directory);
        dialog.setNameFilters(Filters());
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString GetSaveFileName(QWidget* parent, const QString& proposed) override {
        QFileDialog dialog(parent, QStringLiteral("Save As"));
        dialog.setNameFilters(Filters());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(DocTemplateField(kFilterExtension).mid(1));
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
