// Writing the object tree as configuration text: objects in list order, keywords in table
// order, four blanks per nesting level, a comment with the label before every block, and CR LF
// after every line.

#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

namespace {
constexpr const char* kEol = "\r\n";

// While the whole file is written, every object notes the lines its Define line and keyword
// lines go to, so that its lines refer to the file as saved. Writing one block on its own
// notes nothing: its lines would not be those of a file.
class CLineTally {
  public:
    CLineTally(const std::string& out, uint64_t generation)
        : m_out(out), m_scanned(out.size()), m_nGeneration(generation) {}
    uint64_t Generation() const { return m_nGeneration; }
    // The number of the line that the text appended next belongs to.
    long CurrentLine() {
        for (; m_scanned < m_out.size(); ++m_scanned) {
            if (m_out[m_scanned] == '\n') ++m_lines;
        }
        return m_lines + 1;
    }

  private:
    const std::string& m_out;
    size_t m_scanned;
    long m_lines = 0;
    uint64_t m_nGeneration;
};

thread_local CLineTally* t_pTally = nullptr;
thread_local int t_nKeepLines = 0;

// Puts a tally in charge for its lifetime, whatever ends the writing.
class CTallyScope {
  public:
    explicit CTallyScope(CLineTally& tally) : m_pOuter(t_pTally) { t_pTally = &tally; }
    ~CTallyScope() { t_pTally = m_pOuter; }
    CTallyScope(const CTallyScope&) = delete;
    CTallyScope& operator=(const CTallyScope&) = delete;

  private:
    CLineTally* m_pOuter;
};

// Called just after the Define line's keyword is appended: the object's old lines go, the new
// Define line is noted.
void NoteDefineLine(CDocObject& object) {
    if (t_pTally == nullptr) return;
    object.ClearLines();
    object.SetDefineLine(t_pTally->CurrentLine());
    object.SetLinesGeneration(t_pTally->Generation());
}

void AppendBlockOpening(std::string& out, const std::string& indent, const std::string& label,
                        const char* section) {
    out += kEol;
    out += indent;
    out += "; ";
    out += label;
    out += kEol;
    out += indent;
    out += "Define";
    out += section;
}

void AppendBlockClosing(std::string& out, const std::string& indent, const char* section) {
    out += indent;
    out += "End";
    out += section;
    out += kEol;
}
}  // namespace

void CDocObject::WriteKeywordLines(std::string& out) {
    const std::string indent = Indent();
    std::string text;
    for (int i = 0; i < m_nKeywords; ++i) {
        if (!IsKeywordUsed(i)) continue;
        text.clear();
        TransferKeyword(i, text, false);
        // A value never spans lines: a line break (only a page or a pasted block can bring one)
        // would otherwise write lines of its own into the file.
        const size_t lineBreak = text.find_first_of("\r\n");
        if (lineBreak != std::string::npos) text.resize(lineBreak);
        if (text.empty()) continue;
        if (t_pTally != nullptr) SetKeywordLine(i, t_pTally->CurrentLine());
        out += indent;
        out += "    ";
        out += KeywordName(i);
        out += ' ';
        out += text;
        out += kEol;
    }
}

void CDocObject::WriteDefinition(std::string& out, bool withHeader) {
    const std::string indent = Indent();
    if (withHeader) {
        AppendBlockOpening(out, indent, GetLabel(), m_pszSection ? m_pszSection : "");
        NoteDefineLine(*this);
        out += kEol;
    }
    WriteKeywordLines(out);
    if (withHeader) AppendBlockClosing(out, indent, m_pszSection ? m_pszSection : "");
}

void C_Doc_Adapter::WriteDefinition(std::string& out, bool) {
    out += "; ";
    out += GetLabel();
    out += kEol;
    out += "Define";
    out += m_pszSection;
    NoteDefineLine(*this);
    out += kEol;
    const size_t pvcs = CountPvcs();
    MaxPvcs = pvcs > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(pvcs);
    WriteKeywordLines(out);
    for (auto& profile : TrafficProfiles) {
        if (profile->DescrType == 0) profile->SustainedRate = profile->PeakRate;
        profile->WriteDefinition(out, true);
    }
    for (auto& elan : VirtualAdapters)
        elan->WriteDefinition(out, true);
    out += "End";
    out += m_pszSection;
    out += kEol;
}

void C_Doc_Elan::WriteDefinition(std::string& out, bool withHeader) {
    const std::string indent = Indent();
    if (withHeader) {
        AppendBlockOpening(out, indent, GetLabel(), m_pszSection);
        NoteDefineLine(*this);
        out += ' ';
        out.append(kElanTypeWords.At(Type));
        out += kEol;
    }
    WriteKeywordLines(out);
    for (auto& mapping : Mappings)
        mapping->WriteDefinition(out, true);
    AppendBlockClosing(out, indent, m_pszSection);
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
    CLineTally tally(out, m_nLinesGeneration);
    const CTallyScope scope(tally);
    for (auto& adapter : Adapters)
        adapter->WriteDefinition(out, true);
}

}  // namespace netloom
