#pragma once
// What the document tells its tree view. Every change of the contents goes through one edit
// step (doc/EditSteps.h), and each step reports here what it did to the objects; the view
// shows it. The tree view implements it; headless users may give none.

#include <string>

namespace netloom {

class CDocObject;

class CDocView {
  public:
    virtual ~CDocView() = default;
    // object has just gone into its owner's list: show its node with its whole subtree, at the
    // object's place in the list, and select it.
    virtual void ObjectAdded(CDocObject& object) = 0;
    // object, with everything it owns, has just left its owner's list: its node goes, and the
    // selection moves on as when the node is deleted.
    virtual void ObjectRemoved(CDocObject& object) = 0;
    // object's values changed: its node shows its label again.
    virtual void ObjectRelabelled(CDocObject& object) = 0;
    // Selects the node of object (the configuration's for the root).
    virtual void SelectObject(CDocObject& object) = 0;
    // The root's text after the document was saved under path.
    virtual void SetRootText(const std::string& path) = 0;
};

}  // namespace netloom
