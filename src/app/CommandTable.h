#pragma once
// Every command of the main window by its id: what carries it out, when it is enabled and
// whether it shows a check mark. Menu items, toolbar buttons, context-menu items and
// accelerators are actions bound to an id; they all go through Execute, which asks the
// enabling rule first, so a disabled command is never carried out however it was invoked.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;

namespace netloom {

class CCommandTable : public QObject {
    Q_OBJECT
  public:
    using Rule = std::function<bool()>;
    using Handler = std::function<void()>;

    // Defines (or redefines) id. Without a rule the command is always enabled.
    void Define(int id, Handler run, Rule enabled = Rule(), Rule checked = Rule());
    // The text of id's actions follows text, asked whenever the states are brought up to date
    // (Undo and Redo name the step they would take).
    void DefineText(int id, std::function<QString()> text) { m_texts[id] = std::move(text); }

    // A new action for id with text; its status-bar prompt and tool tip come from the string
    // table entry id ("prompt\ntip"). An id without a definition stays disabled.
    QAction* CreateAction(int id, const QString& text, QObject* parent);

    bool IsDefined(int id) const { return m_commands.count(id) != 0; }
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // Carries out id when it is enabled; true when it ran.
    bool Execute(int id);

    // Brings every action's enabled and checked state up to date.
    void UpdateAll();

    // The prompt and the tool tip of id's string-table entry.
    static QString Prompt(int id);
    static QString ToolTip(int id);

  signals:
    // After a command ran: the state of others may have changed.
    void Executed(int id);

  private:
    struct Command {
        Handler run;
        Rule enabled;
        Rule checked;
    };
    std::map<int, Command> m_commands;
    std::map<int, std::function<QString()>> m_texts;
    std::vector<std::pair<int, QPointer<QAction>>> m_actions;
};

}  // namespace netloom
