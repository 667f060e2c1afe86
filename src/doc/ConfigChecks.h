#pragma once
// Configuration checks: what the document holds that a property page would refuse or silently
// change when it is confirmed untouched, PVCs of one physical adapter that share a VPI/VCI
// pair, traffic profile numbers that name no profile, and RFC 1483 virtual adapters with more
// than one PVC. Each finding names its object and the line of the file it comes from, so that
// an administrator learns of them before a property sheet or the driver does.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace netloom {

class CDocObject;
class C_Doc_Cfgfile;
class CNetloomDoc;

enum class CFindingKind {
    PageRefuses,         // a check of the page fails: OK is refused until the value is corrected
    PageChanges,         // confirming the page untouched stores another value
    DuplicateVpiVci,     // another PVC of the same physical adapter has the pair
    UnknownProfile,      // a traffic profile number names no profile of the adapter
    SeveralRfc1483Pvcs,  // an RFC 1483 virtual adapter carries more than one PVC
};

struct CFinding {
    CDocObject* object = nullptr;
    // The keyword of the value concerned, as spelled in its table; empty when none is. Names
    // the table's own text, which lives as long as the program.
    std::string_view keyword;
    // Starts with the object's label in double quotes, then says what is wrong. Its bytes are
    // in the room of the CFindings that holds the finding.
    std::string_view text;
    // The length of that label, which starts at text's second character.
    size_t labelLength = 0;
    // The keyword's line in the file last read or saved, else the object's Define line; 0 for
    // an object inserted or pasted since.
    long line = 0;
    CFindingKind kind = CFindingKind::PageRefuses;
    // The tab title of the page (the dialog title for a traffic profile) for the page
    // findings; empty for the others. A literal of the checks, which lives as long as the
    // program.
    std::string_view page;
};

// Room for the findings' texts, in blocks that stay where they are while more are added and
// when the room is moved. A large configuration has a finding or more for every object: a block
// of the allocator's own for each text, made and freed on every check, was a fifth of its time.
class CTextRoom {
  public:
    // Room for length bytes, as long as this room (or the one it is moved to) lives.
    char* Take(size_t length);

  private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_pNext = nullptr;
    size_t m_nLeft = 0;
};

// Findings, and the room their texts are in; moved, never copied, so that no finding outlives
// its text.
struct CFindings {
    std::vector<CFinding> list;
    CTextRoom texts;

    std::vector<CFinding>::const_iterator begin() const { return list.begin(); }
    std::vector<CFinding>::const_iterator end() const { return list.end(); }
    size_t size() const { return list.size(); }
    bool empty() const { return list.empty(); }
    const CFinding& operator[](size_t i) const { return list[i]; }
};

// Every finding of the configuration, in file order: by line, the findings of objects without
// a line last, in tree order. The configuration must be renumbered (owner links and numbers
// set), as it is after every read and every edit step. Pages are judged as they are with every
// optional page present (traffic profiles shown, expert mode).
CFindings CheckConfiguration(C_Doc_Cfgfile& cfgfile);
CFindings CheckConfiguration(CNetloomDoc& doc);

}  // namespace netloom
