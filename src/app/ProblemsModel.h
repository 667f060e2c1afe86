#pragma once
// The rows of the Problems list as a table model: line, object and text. A document of 10^5
// objects may have as many findings, and the list is made again after every edit step, so the
// rows are plain data handed to the view in one reset, not one widget item each.

#include <QAbstractTableModel>
#include <QString>
#include <string>
#include <vector>

namespace netloom {

class CDocObject;

// A row keeps its text as the checks made it, in bytes: made into the characters of the
// screen only for the rows the list shows, not for every one of a hundred thousand findings.
struct CProblemRow {
    long line = 0;  // 0: an object inserted or pasted since the file was read or saved
    std::string text;
    // The object's label is text's characters 1 to objectLength; none when 0.
    size_t objectLength = 0;
    CDocObject* target = nullptr;  // null for a reader message

    QString Object() const;
    QString Text() const;
};

class CProblemsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { kLine, kObject, kText, kColumns };

    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<CProblemRow> rows);
    const std::vector<CProblemRow>& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The line as the list shows it.
    static QString LineText(long line);

  private:
    std::vector<CProblemRow> m_rows;
};

}  // namespace netloom
