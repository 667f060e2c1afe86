#pragma once
// The Problems list: a dock below the tree with the reader's messages of the file last opened
// and every finding of the configuration checks, brought up to date after each edit step.
// Choosing a row (double click or Enter) selects the object it concerns.

#include <QDockWidget>
#include <QTimer>
#include <vector>

#include "app/DocManager.h"

class QLabel;
class QModelIndex;
class QStackedWidget;
class QTreeView;

namespace netloom {

class CDocObject;
class CNetloomDoc;
class CNetloomView;
class CProblemsModel;

class CProblemsDock : public QDockWidget {
    Q_OBJECT
  public:
    CProblemsDock(CNetloomDoc& doc, CNetloomView& view, QWidget* parent);

    // The messages of the file just read (empty for a new configuration).
    void SetReaderMessages(std::vector<CReaderMessage> messages);
    bool HasReaderMessages() const { return !m_readerMessages.empty(); }
    // The configuration changed: the findings are made again, while the list is shown, once
    // the events at hand are handled (an open tells of the new tree and of the file's messages,
    // and each would have the whole list made), else when it is next shown.
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
    void Activate(const QModelIndex& index);

    CNetloomDoc& m_doc;
    CNetloomView& m_view;
    QStackedWidget* m_pages;
    // A row may outlive its object (the list waits while hidden), so each row's object is
    // looked up in the document before it is used.
    CProblemsModel* m_model;
    QTreeView* m_rows;
    QLabel* m_empty;
    std::vector<CReaderMessage> m_readerMessages;
    bool m_bStale = true;
    QTimer m_refresh;
};

}  // namespace netloom
