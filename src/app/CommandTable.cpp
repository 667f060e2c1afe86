#include "app/CommandTable.h"
#include "ui/Latin1.h"

#include <QAction>

#include "res/Strings.h"

namespace netloom {

namespace {

QString StringPart(int id, int part) {
    return TableString(id).section(QLatin1Char('\n'), part, part);
}

}  // namespace

QString CCommandTable::Prompt(int id) {
    return StringPart(id, 0);
}

QString CCommandTable::ToolTip(int id) {
    return StringPart(id, 1);
}

void CCommandTable::Define(int id, Handler run, Rule enabled, Rule checked) {
    m_commands[id] = Command{std::move(run), std::move(enabled), std::move(checked)};
}

QAction* CCommandTable::CreateAction(int id, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setData(id);
    action->setStatusTip(Prompt(id));
    const QString tip = ToolTip(id);
    if (!tip.isEmpty()) action->setToolTip(tip);
    action->setWhatsThis(Prompt(id));
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    m_actions.emplace_back(id, action);
    action->setEnabled(IsEnabled(id));
    return action;
}

bool CCommandTable::IsEnabled(int id) const {
    auto it = m_commands.find(id);
    if (it == m_commands.end() || !it->second.run) return false;
    return !it->second.enabled || it->second.enabled();
}

bool CCommandTable::IsChecked(int id) const {
    auto it = m_commands.find(id);
    return it != m_commands.end() && it->second.checked && it->second.checked();
}

bool CCommandTable::Execute(int id) {
    if (!IsEnabled(id)) return false;
    // A copy: the handler may redefine commands while it runs.
    const Handler run = m_commands[id].run;
    run();
    emit Executed(id);
    return true;
}

void CCommandTable::UpdateAll() {
    for (auto it = m_actions.begin(); it != m_actions.end();) {
        QAction* action = it->second.data();
        if (action == nullptr) {
            it = m_actions.erase(it);
            continue;
        }
        const int id = it->first;
        action->setEnabled(IsEnabled(id));
        auto command = m_commands.find(id);
        const bool checkable = command != m_commands.end() && command->second.checked;
        action->setCheckable(checkable);
        if (checkable) action->setChecked(IsChecked(id));
        auto text = m_texts.find(id);
        if (text != m_texts.end() && text->second) action->setText(text->second());
        ++it;
    }
}

}  // namespace netloom
