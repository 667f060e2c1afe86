#include "app/ProblemsDock.h"

#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>

#include "doc/ConfigChecks.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"
#include "ui/Latin1.h"
#include "view/NetloomView.h"

namespace netloom {

namespace {

enum Column { kLine, kObject, kText };

QString LineText(long line) {
    // An object inserted or pasted since the file was read has no line in it yet.
    return line > 0 ? QString::number(line) : QStringLiteral("new");
}

}  // namespace

CProblemsDock::CProblemsDock(CNetloomDoc& doc, CNetloomView& view, QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_doc(doc), m_view(view) {
    setObjectName(QStringLiteral("problems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_rows = new QTreeWidget;
    m_rows->setColumnCount(3);
    m_rows->setHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Object"), QStringLiteral("Problem")});
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->header()->setStretchLastSection(true);
    m_empty = new QLabel(QStringLiteral("No problems found."));
    m_empty->setAlignment(Qt::AlignCenter);
    m_pages = new QStackedWidget;
    m_pages->addWidget(m_rows);
    m_pages->addWidget(m_empty);
    setWidget(m_pages);
    connect(m_rows, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* row) { Activate(row); });
}

void CProblemsDock::SetReaderMessages(std::vector<CReaderMessage> messages) {
    m_readerMessages = std::move(messages);
    Invalidate();
}

void CProblemsDock::Invalidate() {
    m_bStale = true;
    // Hidden, the list costs nothing: it is made when it is next shown.
    if (isVisible()) Refresh();
}

void CProblemsDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (m_bStale) Refresh();
}

void CProblemsDock::Refresh() {
    m_bStale = false;
    const std::vector<CFinding> findings = CheckConfiguration(m_doc);
    m_rows->clear();
    m_rowObjects.clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(m_readerMessages.size() + findings.size()));
    for (const CReaderMessage& message : m_readerMessages) {
        rows << new QTreeWidgetItem({LineText(message.line), QString(), FromBytes(message.text)});
        m_rowObjects.push_back(nullptr);
    }
    for (const CFinding& finding : findings) {
        const QString object = finding.object ? FromBytes(finding.object->GetLabel()) : QString();
        rows << new QTreeWidgetItem({LineText(finding.line), object, FromBytes(finding.text)});
        m_rowObjects.push_back(finding.object);
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i]->setData(kLine, Qt::UserRole, i);
    m_rows->addTopLevelItems(rows);
    m_rows->resizeColumnToContents(kLine);
    m_pages->setCurrentWidget(rows.isEmpty() ? static_cast<QWidget*>(m_empty) : m_rows);
    setWindowTitle(QStringLiteral("Problems (%1)").arg(rows.size()));
}

QStringList CProblemsDock::Rows() const {
    QStringList rows;
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_rows->topLevelItem(i);
        rows << row->text(kLine) + QLatin1Char('\t') + row->text(kObject) + QLatin1Char('\t') +
                    row->text(kText);
    }
    return rows;
}

void CProblemsDock::Activate(QTreeWidgetItem* row) {
    if (row == nullptr) return;
    const int index = row->data(kLine, Qt::UserRole).toInt();
    if (index < 0 || static_cast<size_t>(index) >= m_rowObjects.size()) return;
    CDocObject* object = m_rowObjects[static_cast<size_t>(index)];
    if (object == nullptr || !IsInDocument(m_doc, *object)) return;
    if (object->m_node.IsSet()) {
        m_view.SelectObject(*object);
        m_view.setFocus();
        return;
    }
    // A traffic profile or mapping while the profiles are hidden: its owner is shown instead,
    // and the option stays as the user set it.
    if (CDocObject* owner = OwnerOf(m_doc, *object)) m_view.SelectObject(*owner);
    m_view.setFocus();
    emit StatusMessage(QStringLiteral("%1 is not shown while the traffic profiles are hidden "
                                      "(View > Traffic Profiles).")
                           .arg(FromBytes(object->GetLabel())));
}

}  // namespace netloom
