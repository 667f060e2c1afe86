#pragma once
// The nodes of the configuration tree as the view shows them after a rebuild, in display
// order. The view builds its items from this; loomcfg prints it.

#include <string>
#include <vector>

namespace netloom {

class CDocObject;
class C_Doc_Cfgfile;

enum NodeKind : int {
    NODE_CONFIGURATION = 0,
    NODE_ADAPTER = 1,
    NODE_TRAFFIC_PROFILES = 2,
    NODE_TRAFFIC_PROFILE = 3,
    NODE_VIRTUAL_ADAPTERS = 4,
    NODE_VIRTUAL_ADAPTER = 5,
    NODE_PVCS = 6,
    NODE_PVC = 7,
    NODE_MAPPINGS = 8,
    NODE_MAPPING = 9,
};

extern const char* const kGroupTrafficProfiles;
extern const char* const kGroupVirtualAdapters;
extern const char* const kGroupPvcs;
extern const char* const kGroupMappings;

struct TreeOutlineNode {
    int depth;
    NodeKind kind;
    std::string label;
    CDocObject* object;  // the object, or for a group node its owner
};

std::vector<TreeOutlineNode> BuildTreeOutline(C_Doc_Cfgfile& cfgfile, const std::string& rootLabel,
                                              bool displayTrafficProfiles);

}  // namespace netloom
