// Writing the object tree as configuration text: objects in list order, keywords in table
// order, each block in the file's text form.

#include "cfgfile/BlockText.h"
#include "cfgfile/TextBuilder.h"
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

// Called just after the Define line's keyword is appended: the object's old lines go, the new
// Define line is noted.
void NoteDefineLine(CDocObject& object) {
    if (t_pLines == nullptr) return;
    object.ClearLines();
    object.SetDefineLine(t_pLines->tally.CurrentLine());
    object.SetLinesGeneration(t_pLines->generation);
}

// A blank line, the comment with the object's label and "Define<section>", without the line's
// end: a block's Define line may carry more (a virtual adapter's type word). The label is made
// straight into the text: made in the object's own string first, it would cost a copy and, in
// a large configuration, a miss in memory for every object.
void AppendOpening(std::string& out, std::string_view indent, const CDocObject& object,
                   std::string_view section) {
    {
        CTextBuilder start(out);
        start << kEol << indent << "; ";
        start.Flush();
    }
    object.AppendLabel(out);
    CTextBuilder define(out);
    define << kEol << indent << "Define" << section;
    define.Flush();
}

}  // namespace

void CDocObject::WriteKeywordLines(std::string& out) {
    if (m_pKeywords == nullptr) return;
    const std::string_view indent = Indent();
    // A keyword line is one line: its keyword and indent are blanks and letters, and its value
    // stops before any line break. So the lines are counted here rather than read again.
    const long firstLine = t_pLines != nullptr ? t_pLines->tally.CurrentLine() : 0;
    long written = 0;
    // The lines go straight into the object's table of them, made once for all its keywords.
    int32_t* lines = nullptr;
    if (t_pLines != nullptr) {
        m_keywordLines.assign(static_cast<size_t>(m_nKeywords), 0);
        lines = m_keywordLines.data();
    }
    CValueText room;
    {
        CKeywordLineWriter writer(out, indent);
        for (int i = 0; i < m_nKeywords; ++i) {
            const KeywordEntry& keyword = m_pKeywords[i];
            if ((keyword.scope != 0 || keyword.onlyIfNotZero) && !IsKeywordUsed(i)) continue;
            std::string_view value = KeywordValue(keyword, room);
            // Only a text can hold a line break; numbers and words are written without.
            if (keyword.form == ValueForm::Text) value = KeywordLineValue(value);
            if (value.empty()) continue;
            if (lines != nullptr && firstLine + written <= INT32_MAX)
                lines[i] = static_cast<int32_t>(firstLine + written);
            writer.Line({keyword.name, keyword.nameLength}, value);
            ++written;
        }
    }  // the writer hands the text back with its lines only
    if (t_pLines != nullptr) t_pLines->tally.Counted(written);
}

void CDocObject::WriteDefinition(std::string& out, bool withHeader) {
    const std::string_view indent = Indent();
    if (withHeader) {
        AppendOpening(out, indent, *this, m_pszSection ? m_pszSection : "");
        NoteDefineLine(*this);
        out += kEol;
    }
    WriteKeywordLines(out);
    if (withHeader) AppendBlockClosing(out, indent, m_pszSection ? m_pszSection : "");
}

void C_Doc_Adapter::WriteDefinition(std::string& out, bool) {
    out += "; ";
    AppendLabel(out);
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
    const std::string_view indent = Indent();
    if (withHeader) {
        AppendOpening(out, indent, *this, m_pszSection);
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
    CFileLines lines{CLineTally(out), m_nLinesGeneration};
    const CLinesScope scope(lines);
    for (auto& adapter : Adapters)
        adapter->WriteDefinition(out, true);
}

}  // namespace netloom
