#pragma once
// CFindBar: the strip above the tree that finds nodes by a text. Typing finds from the current
// node on (so a node that still matches stays selected); Next and F3 go on to the following
// match, Previous and Shift+F3 back to the one before, both wrapping round the tree. Matches
// among the hidden traffic profiles are counted, not selected.

#include <QWidget>

class QLabel;
class QLineEdit;

namespace netloom {

class CNetloomView;

class CFindBar : public QWidget {
    Q_OBJECT
  public:
    explicit CFindBar(CNetloomView& view, QWidget* parent = nullptr);

    // Shows the bar with the focus in its field and the text there selected.
    void Open();
    // Hides the bar and gives the keyboard back to the tree.
    void Close();
    void FindNext();
    void FindPrevious();

    QLineEdit* Field() const { return m_field; }
    // What the last search found worth saying ("No match", a wrap, hidden matches).
    QString Message() const;

  private:
    enum class Direction { FromCurrent, Forward, Backward };
    void Find(Direction direction);

    CNetloomView& m_view;
    QLineEdit* m_field = nullptr;
    QLabel* m_message = nullptr;
};

}  // namespace netloom
