#include "app/ProblemsModel.h"

#include <string_view>

#include "ui/Latin1.h"

namespace netloom {

QString CProblemRow::Object() const {
    if (objectLength == 0 || objectLength >= text.size()) return QString();
    return FromBytes(std::string_view(text).substr(1, objectLength));
}

QString CProblemRow::Text() const {
    return FromBytes(text);
}

void CProblemsModel::SetRows(std::vector<CProblemRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString CProblemsModel::LineText(long line) {
    return line > 0 ? QString::number(line) : QStringLiteral("new");
}

QVariant CProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= m_rows.size())
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    const CProblemRow& row = m_rows[static_cast<size_t>(index.row())];
    switch (index.column()) {
        case kLine:
            return LineText(row.line);
        case kObject:
            return row.Object();
        case kText:
            return row.Text();
        default:
            return QVariant();
    }
}

QVariant CProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    switch (section) {
        case kLine:
            return QStringLiteral("Line");
        case kObject:
            return QStringLiteral("Object");
        case kText:
            return QStringLiteral("Problem");
        default:
            return QVariant();
    }
}

}  // namespace netloom
