#pragma once
// The items of the configuration tree: what each node holds, and the labels of the groups.

#include <QString>
#include <string_view>

class QTreeWidgetItem;

namespace netloom {

class CDocObject;

// A node of kind (a NODE_ code) for object, labelled text, not yet in any tree.
QTreeWidgetItem* NewNodeItem(int kind, CDocObject* object, QString text);
// The same labelled with configuration text, whose bytes are its characters (Latin-1).
QTreeWidgetItem* NewNodeItem(int kind, CDocObject* object, std::string_view label);

// A group's label, one text that every group of its kind shares: made for each group, it would
// be two more blocks to allocate and free for a third of the nodes of a rebuild. Empty for a
// kind that is not a group.
const QString& GroupLabel(int kind);

}  // namespace netloom
