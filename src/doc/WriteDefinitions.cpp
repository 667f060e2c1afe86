// Writing the object tree as configuration text: objects in list order, keywords in table
// order, each block in the file's text form.

#include "cfgfile/BlockText.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/KeywordTable.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

namespace {

// While the whole file is written, every object notes the lines its Define line and keyword
// lines go to, so that its lines refer to the file as saved. Writing one block on its own
// notes nothing: its lines would not be those of a file.
struct CFileLines {
    CLineTally tally;
    uint64_t generation;
};

thread_local CFileLines* t_pLines = nullptr;
thread_local int t_nKeepLines = 0;

// Puts the file's lines in charge for their lifetime, whatever ends the writing.
class CLinesScope {
  public:
    explicit CLinesScope(CFileLines& lines) : m_pOuter(t_pLines) { t_pLines = &lines; }
    ~CLinesScope() { t_pLines = m_pOuter; }
    CLinesScope(const CLinesScope&) = delete;
    CLinesScope& operator=(const CLinesScope&) = delete;

  private:
    CFileLines* m_pOuter;
};

CLineTally* FileTally() {
    return t_pLines != nullptr ? &t_pLines->tally : nullptr;
}

// Called just after the Define line's keyword is put: the object's Define line is noted. Its
// keyword lines are noted, every one of them, by WriteKeywordLines.
void NoteDefineLine(CDocObject& object, const CBlockWriter& writer) {
    if (t_pLines == nullptr) return;
    object.SetDefineLine(writer.CurrentLine());
    object.SetLinesGeneration(t_pLines->generation);
}

// The comment with the object's label and "Define<section>", without the line's end: a
// block's Define line may carry more (a virtual adapter's type word). The label is made in one
// string for every object, which stays in the fastest cache: made in the object's own, it
// would be a miss in memory for every object of a large configuration.
void WriteOpening(CBlockWriter& writer, bool blankLine, const CDocObject& object,
                  std::string_view section) {
    thread_local std::string label;
    object.MakeLabel(label);
    writer.Opening(blankLine, label, section);
}

}  // namespace

void CDocObject::WriteKeywordLines(CBlockWriter& writer) {
    // The lines go straight into the object's table of them, each entry written, so that the
    // table is made once and then only written over.
    int32_t* lines = nullptr;
    if (t_pLines != nullptr) {
        m_keywordLines.resize(static_cast<size_t>(m_nKeywords));
        lines = m_keywordLines.data();
    }
    if (m_pKeywords == nullptr) return;
    // A keyword line is one line: its keyword and indent are blanks and letters, and its value
    // stops before any line break. So the lines are numbered here rather than read again.
    long line = writer.CurrentLine();
    CValueText room;
    // In locals: the lines written are bytes, which to the compiler may be any member, so that
    // it would read members again after every line.
    const KeywordEntry* const table = m_pKeywords;
    const int count = m_nKeywords;
    for (int i = 0; i < count; ++i) {
        const KeywordEntry& keyword = table[i];
        int32_t written = 0;
        if (IsEntryUsed(keyword)) {
            std::string_view value = KeywordValue(keyword, room);
            // Only a text can hold a line break; numbers and words are written without.
            if (keyword.form == ValueForm::Text) value = KeywordLineValue(value);
            if (!value.empty()) {
                if (line <= INT32_MAX) written = static_cast<int32_t>(line);
                writer.Line({keyword.name, keyword.nameLength},
                            keyword.nameLength < kPaddedNameWidth ? keyword.paddedName : nullptr,
                            value);
                ++line;
            }
        }
        if (lines != nullptr) lines[i] = written;
    }
}

void CDocObject::WriteDefinition(std::string& out, bool withHeader) {
    const std::string_view section = Section();
    CBlockWriter writer(out, Indent(), FileTally());
    if (withHeader) {
        WriteOpening(writer, true, *this, section);
        NoteDefineLine(*this, writer);
        writer.EndLine();
    }
    WriteKeywordLines(writer);
    if (withHeader) writer.Closing(section);
}

void C_Doc_Adapter::WriteDefinition(std::string& out, bool) {
    {
        CBlockWriter writer(out, Indent(), FileTally());
        WriteOpening(writer, false, *this, Section());
        NoteDefineLine(*this, writer);
        writer.EndLine();
        const size_t pvcs = CountPvcs();
        MaxPvcs = pvcs > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(pvcs);
        WriteKeywordLines(writer);
    }  // the children's blocks follow the adapter's lines
    for (auto& profile : TrafficProfiles) {
        if (profile->DescrType == 0) profile->SustainedRate = profile->PeakRate;
        profile->WriteDefinition(out, true);
    }
    for (auto& elan : VirtualAdapters)
        elan->WriteDefinition(out, true);
    CBlockWriter(out, Indent(), FileTally()).Closing(Section());
}

void C_Doc_Elan::WriteDefinition(std::string& out, bool withHeader) {
    const std::string_view indent = Indent();
    {
        CBlockWriter writer(out, indent, FileTally());
        if (withHeader) {
            WriteOpening(writer, true, *this, Section());
            NoteDefineLine(*this, writer);
            writer.Put(" ");
            writer.Put(kElanTypeWords.At(Type));
            writer.EndLine();
        }
        WriteKeywordLines(writer);
    }  // the mappings' blocks follow the virtual adapter's lines
    for (auto& mapping : Mappings)
        mapping->WriteDefinition(out, true);
    CBlockWriter(out, indent, FileTally()).Closing(Section());
    for (auto& pvc : Pvcs) {
        pvc->UserInstance = m_nNumber;
        pvc->WriteDefinition(out, true);
    }
}

CKeepFileLines::CKeepFileLines() {
    ++t_nKeepLines;
}

CKeepFileLines::~CKeepFileLines() {
    --t_nKeepLines;
}

void C_Doc_Cfgfile::WriteDefinition(std::string& out, bool) {
    if (t_nKeepLines > 0) {
        for (auto& adapter : Adapters)
            adapter->WriteDefinition(out, true);
        return;
    }
    m_nLinesGeneration = NewLinesGeneration();
    CFileLines lines{CLineTally(out), m_nLinesGeneration};
    const CLinesScope scope(lines);
    for (auto& adapter : Adapters)
        adapter->WriteDefinition(out, true);
}

}  // namespace netloom
