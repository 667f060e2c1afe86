#pragma once
// The file choosers of File Open and File Save As. Tests install their own answers.

#include <QString>

class QWidget;

namespace netloom {

class CFileDialogs {
  public:
    virtual ~CFileDialogs() = default;
    // The file to open, or the empty text on cancel.
    virtual QString GetOpenFileName(QWidget* parent, const QString& directory) = 0;
    // The file to save to, starting from proposed (a path), or the empty text on cancel.
    // The chooser confirms replacing an existing file and adds ".cfg" to a bare name.
    virtual QString GetSaveFileName(QWidget* parent, const QString& proposed) = 0;
};

// Fields of the document template string (string 128), in its order.
enum DocTemplateFieldIndex {
    kWindowTitle = 0,
    kDocumentName,
    kNewFileTypeName,
    kFilterName,
    kFilterExtension,
    kFileTypeId,
    kFileTypeName,
};
QString DocTemplateField(DocTemplateFieldIndex field);

// The standard choosers, filtered for configuration files.
CFileDialogs& StandardFileDialogs();

}  // namespace netloom
