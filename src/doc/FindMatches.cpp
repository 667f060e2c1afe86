#include "doc/FindMatches.h"

#include "cfgfile/WordList.h"
#include "doc/DocObject.h"

namespace netloom {

namespace {

// ASCII letters compare without regard to case, every other byte as it is (as keywords do).
bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
    if (needle.size() > haystack.size()) return false;
    for (size_t at = 0; at <= haystack.size() - needle.size(); ++at) {
        if (EqualsNoCase(haystack.substr(at, needle.size()), needle)) return true;
    }
    return false;
}

// Only the values the writer would put in the file count: a keyword out of the object's scope
// is kept but not written, so finding an object by it would show a value the user cannot see.
bool AnyValueContains(CDocObject& object, std::string_view text) {
    std::string value;
    for (int i = 0; i < object.m_nKeywords; ++i) {
        if (!object.IsKeywordUsed(i)) continue;
        value.clear();
        object.TransferKeyword(i, value, false);
        // The file holds a value up to its first line break, and so does Find.
        const size_t lineBreak = value.find_first_of("\r\n");
        if (lineBreak != std::string::npos) value.resize(lineBreak);
        if (ContainsNoCase(value, text)) return true;
    }
    return false;
}

bool IsObjectKind(NodeKind kind) {
    return kind % 2 == 1;
}

bool IsInTrafficProfileGroup(NodeKind kind) {
    return kind == NODE_TRAFFIC_PROFILES || kind == NODE_TRAFFIC_PROFILE || kind == NODE_MAPPINGS ||
           kind == NODE_MAPPING;
}

}  // namespace

std::vector<FindMatch> FindMatches(C_Doc_Cfgfile& cfgfile, const std::string& rootLabel,
                                   bool displayTrafficProfiles, std::string_view text) {
    std::vector<FindMatch> matches;
    if (text.empty()) return matches;
    for (const TreeOutlineNode& node : BuildTreeOutline(cfgfile, rootLabel, true)) {
        const bool hidden = !displayTrafficProfiles && IsInTrafficProfileGroup(node.kind);
        // A hidden group node is no object the user could look for.
        if (hidden && !IsObjectKind(node.kind)) continue;
        const bool objectNode = IsObjectKind(node.kind) && node.object != nullptr;
        if (ContainsNoCase(node.label, text) ||
            (objectNode && AnyValueContains(*node.object, text)))
            matches.push_back({node.kind, node.label, node.object, hidden});
    }
    return matches;
}

}  // namespace netloom
