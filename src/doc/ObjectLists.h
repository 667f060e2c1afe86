#pragma once
// Where a configuration object lives: the owner whose list holds it and its place there, found
// from the object's type code and owner link. The edit steps take objects out of their lists
// and put them back through these.

#include <cstddef>
#include <memory>

namespace netloom {

class CDocObject;
class CNetloomDoc;

// The object whose list holds object: the configuration for an adapter, the adapter for a
// traffic profile or virtual adapter, the virtual adapter for a PVC or mapping; null for the
// configuration itself or an object without an owner link.
CDocObject* OwnerOf(CNetloomDoc& doc, CDocObject& object);

// object's index in owner's list, or the list's size when it is not there.
size_t IndexInOwner(CDocObject& owner, const CDocObject& object);

// Puts object into owner's list at index (at the end when index is past it). False, with
// object left as it was, when owner has no list of object's class.
bool PutInto(CDocObject& owner, std::unique_ptr<CDocObject>& object, size_t index);

// Takes object out of owner's list; its index goes to index. Null when it is not there.
std::unique_ptr<CDocObject> TakeFrom(CDocObject& owner, CDocObject& object, size_t& index);

// True when object sits in its owner's list, that owner in its own, and so on up to doc's
// configuration: the object is part of the document, not one kept by the edit history.
bool IsInDocument(CNetloomDoc& doc, CDocObject& object);

// Clears the tree-node references of object and of everything it owns: its nodes are gone.
void ForgetTreeNodes(CDocObject& object);

}  // namespace netloom
