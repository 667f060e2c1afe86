#pragma once
// When the edit commands may run, and how the selected tree node sets the document's selection
// context. Every caller asks these before offering or carrying out a command, so a command that
// is disabled is never carried out, however it was invoked.

namespace netloom {

class CDocObject;
class CNetloomDoc;
struct CUserOptions;

bool CanInsertAdapter(const CNetloomDoc& doc);
bool CanInsertVirtualAdapter(const CNetloomDoc& doc);
bool CanInsertTrafficProfile(const CNetloomDoc& doc, const CUserOptions& options);
// An RFC 1483 virtual adapter takes one PVC through this command, no more.
bool CanInsertPvc(const CNetloomDoc& doc);
bool CanInsertMapping(const CNetloomDoc& doc, const CUserOptions& options);

// The root or an object node (kinds 0, 1, 3, 5, 7, 9): Properties is enabled.
bool IsObjectNodeKind(int kind);
// An object node (kinds 1, 3, 5, 7, 9): Delete is enabled.
bool IsDeletableNodeKind(int kind);

// May an object of type code kind be pasted or dropped while a node of nodeKind is the target?
// Only where the selection context that node sets names the list the object goes to: a
// traffic profile or virtual adapter needs an adapter, a PVC or mapping a virtual adapter.
bool CanAccept(int nodeKind, int kind);

// Sets the five current-object references from the selected node: its kind (-1 for no node)
// and its item data (the object, or for a group node its owner). An object that is not of the
// class the kind names sets nothing, so a damaged node can never yield a wrong reference.
void SetSelectionContext(CNetloomDoc& doc, int kind, CDocObject* object);

}  // namespace netloom
