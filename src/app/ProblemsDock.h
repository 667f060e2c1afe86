#pragma once
// The Problems list: a dock below the tree with the reader's messages of the file last opened
// and every finding of the configuration checks, brought up to date after each edit step.
// Choosing a row (double click or Enter) selects the object it concerns.

#include <QDockWidget>
#include <vector>

#include "app/DocManager.h"

class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace netloom {

class CDocObject;
class CNetloomDoc;
class CNetloomView;

class CProblemsDock : public QDockWidget {
    Q_OBJECT
  public:
    CProblemsDock(CNetloomDoc& doc, CNetloomView& view, QWidget* parent);

    // The messages of the file just read (empty for a new configuration).
    void SetReaderMessages(std::vector<CReaderMessage> messages);
    bool HasReaderMessages() const { return !m_readerMessages.empty(); }
    // The configuration changed: the findings are made again now while the list is shown,
    // else when it is next shown.
    void Invalidate();

    // The rows as shown: "line\tobject\ttext" each (tests and the title count them).
    QStringList Rows() const;

  signals:
    // A text for the status bar (an object that the tree does not show now).
    void StatusMessage(const QString& text);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();
    void Activate(QTreeWidgetItem* row);

    CNetloomDoc& m_doc;
    CNetloomView& m_view;
    QStackedWidget* m_pages;
    QTreeWidget* m_rows;
    QLabel* m_empty;
    std::vector<CReaderMessage> m_readerMessages;
    // Per row; null for a reader message. A row may outlive its object (the list waits while
    // hidden), so each is looked up in the document before it is used.
    std::vector<CDocObject*> m_rowObjects;
    bool m_bStale = true;
};

}  // namespace netloom
