#pragma once
// The steps every command that changes the document goes through: Insert, Delete and Cut,
// Paste and Drop, and Properties confirmed with OK. Each does what its command has always done,
// in the same order, and can be undone and done again.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "doc/EditStep.h"

namespace netloom {

class CDocObject;

// An object that Insert created and the user confirmed; its owner link is set. Done: it goes
// at the end of its owner's list, gets its node, and everything is renumbered.
std::unique_ptr<CEditStep> MakeInsertStep(std::unique_ptr<CDocObject> object, std::string name);

// An object read from a clipboard or drag block. Done the first time, it goes where the
// selection context puts it (AddPastedObject); it fails when no list there takes it, and hands
// the refused object back through refused, which must outlive that first Do.
std::unique_ptr<CEditStep> MakePasteStep(std::unique_ptr<CDocObject> object, std::string name,
                                         std::unique_ptr<CDocObject>* refused);

// Delete or Cut of object with everything it owns.
std::unique_ptr<CEditStep> MakeRemoveStep(CDocObject& object, std::string name);

// Properties confirmed with OK: object's values before the sheet opened, as SnapshotProperties
// gave them; done the first time, it only shows the new label.
std::unique_ptr<CEditStep> MakePropertiesStep(CDocObject& object, std::vector<uint8_t> before,
                                              std::string name);

// The values a property sheet or dialog of object can change, as bytes.
std::vector<uint8_t> SnapshotProperties(CDocObject& object);

}  // namespace netloom
