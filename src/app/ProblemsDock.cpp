#include "app/ProblemsDock.h"

#include "app/ProblemsModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeView>

#include "doc/ConfigChecks.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"
#include "ui/Latin1.h"
#include "view/NetloomView.h"

namespace netloom {

CProblemsDock::CProblemsDock(CNetloomDoc& doc, CNetloomView& view, QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_doc(doc), m_view(view) {
    setObjectName(QStringLiteral("problems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_model = new CProblemsModel(this);
    m_rows = new QTreeView;
    m_rows->setModel(m_model);
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->header()->setStretchLastSection(true);
    // Measuring the rows for the widths would cost as much as the rows themselves.
    const QFontMetrics metrics(m_rows->font());
    m_rows->header()->resizeSection(CProblemsModel::kLine,
                                    metrics.horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_rows->header()->resizeSection(CProblemsModel::kObject,
                                    metrics.horizontalAdvance(QLatin1Char('M')) * 28);
    m_empty = new QLabel(QStringLiteral("No problems found."));
    m_empty->setAlignment(Qt::AlignCenter);
    m_pages = new QStackedWidget;
    m_pages->addWidget(m_rows);
    m_pages->addWidget(m_empty);
    setWidget(m_pages);
    // Enter on a row and a double click (as the style activates items).
    connect(m_rows, &QTreeView::activated, this,
            [this](const QModelIndex& index) { Activate(index); });
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, [this] {
        if (m_bStale && isVisible()) Refresh();
    });
}

void CProblemsDock::SetReaderMessages(std::vector<CReaderMessage> messages) {
    m_readerMessages = std::move(messages);
    Invalidate();
}

void CProblemsDock::Invalidate() {
    m_bStale = true;
    // Hidden, the list costs nothing: it is made when it is next shown.
    if (isVisible()) m_refresh.start();
}

void CProblemsDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (m_bStale) Refresh();
}

void CProblemsDock::Refresh() {
    m_bStale = false;
    const CFindings findings = CheckConfiguration(m_doc);
    std::vector<CProblemRow> rows;
    rows.reserve(m_readerMessages.size() + findings.size());
    for (const CReaderMessage& message : m_readerMessages)
        rows.push_back(CProblemRow{message.line, message.text, 0, nullptr});
    // Each row takes the object's label from its finding's text.
    for (const CFinding& finding : findings) {
        const size_t label = finding.object ? finding.labelLength : 0;
        rows.push_back(CProblemRow{finding.line, std::string(finding.text), label, finding.object});
    }
    const size_t count = rows.size();
    m_model->SetRows(std::move(rows));
    m_pages->setCurrentWidget(count == 0 ? static_cast<QWidget*>(m_empty) : m_rows);
    setWindowTitle(QStringLiteral("Problems (%1)").arg(count));
}

QStringList CProblemsDock::Rows() const {
    QStringList rows;
    for (const CProblemRow& row : m_model->Rows()) {
        rows << CProblemsModel::LineText(row.line) + QLatin1Char('\t') + row.Object() +
                    QLatin1Char('\t') + row.Text();
    }
    return rows;
}

void CProblemsDock::Activate(const QModelIndex& index) {
    const std::vector<CProblemRow>& rows = m_model->Rows();
    if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= rows.size())
        return;
    CDocObject* object = rows[static_cast<size_t>(index.row())].target;
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
