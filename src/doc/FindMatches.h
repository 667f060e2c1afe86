#pragma once
// Find: which nodes of the configuration tree hold a text, in tree order. A node holds it when
// its label does, or, for an object, when any value the file would show for it does; the case
// of letters plays no part.

#include <string>
#include <string_view>
#include <vector>

#include "doc/TreeOutline.h"

namespace netloom {

class CDocObject;
class C_Doc_Cfgfile;

struct FindMatch {
    NodeKind kind;
    std::string label;
    CDocObject* object;  // the object, or for a group node its owner
    // The object stands in a group the tree leaves out while traffic profiles are hidden:
    // Find passes over it and only counts it.
    bool hidden;
};

// The matching nodes in the order of the tree with traffic profiles shown. With them hidden,
// the profiles and mappings that match are marked hidden and their group nodes are left out.
// Mappings of RFC 1483 virtual adapters never have a node and are never found. An empty text
// matches nothing.
std::vector<FindMatch> FindMatches(C_Doc_Cfgfile& cfgfile, const std::string& rootLabel,
                                   bool displayTrafficProfiles, std::string_view text);

}  // namespace netloom
