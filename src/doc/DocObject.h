#pragma once
// CDocObject: the base of every configuration object and of the configuration file object.
// It gives them one shape (number, type code, label, keyword table) and the generic parts of
// reading and writing a keyword block.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cfgfile/MessageSink.h"
#include "doc/TreeNodeRef.h"

namespace netloom {

class CArchive;
class CBlockWriter;  // cfgfile/BlockText.h
class CConfigReader;
struct KeywordEntry;  // doc/KeywordTable.h
struct CValueText;    // cfgfile/ValueForms.h

// Type codes; the even codes 2, 4, 6 and 8 belong to the tree's group nodes.
enum DocType : int16_t {
    DOC_TYPE_BASE = -1,
    DOC_TYPE_CFGFILE = 0,
    DOC_TYPE_ADAPTER = 1,
    DOC_TYPE_TRAFFIC_PROFILE = 3,
    DOC_TYPE_ELAN = 5,
    DOC_TYPE_PVC = 7,
    DOC_TYPE_TP_MAPPING = 9,
};

// A rate: value and unit index (0 cells/s, 1 kbit/s, 2 Mbit/s).
struct Rate {
    int32_t Value = 0;
    int32_t Unit = 0;
    bool operator==(const Rate& o) const { return Value == o.Value && Unit == o.Unit; }
};

class CDocObject {
  public:
    CDocObject();
    virtual ~CDocObject() = default;
    CDocObject(const CDocObject&) = delete;
    CDocObject& operator=(const CDocObject&) = delete;

    virtual void Serialize(CArchive& ar);
    // The label, made afresh in a member of the object; valid until the next call.
    virtual const std::string& GetLabel();
    // Appends the label to out: for a caller that only looks at the label, such as renumbering,
    // which may then keep one string for every object rather than touch each object's own.
    virtual void AppendLabel(std::string& out) const;
    // The label made afresh in out, in place of what out held.
    void MakeLabel(std::string& out) const {
        out.clear();
        AppendLabel(out);
    }
    virtual void ReadDefinition(CConfigReader& ar);
    virtual bool EditProperties();
    virtual void WriteDefinition(std::string& out, bool withHeader);
    // Whether the keyword is written for this object: by its scope letter (IsScopeUsed) and,
    // for a count the writer fills in, by its value. Classes decide through IsScopeUsed, so
    // that the writer may skip the call for the keywords that are always written.
    virtual bool IsKeywordUsed(int index) final;
    // Moves one keyword's value between its member and text: toObject true parses text into the
    // member (reporting bad values through report), false formats the member into text. The
    // table says which member and in which form; an index outside it does nothing.
    virtual void TransferKeyword(int index, std::string& text, bool toObject,
                                 const CValueReport& report);
    void TransferKeyword(int index, std::string& text, bool toObject) {
        TransferKeyword(index, text, toObject, CValueReport{});
    }
    virtual void SerializeFields(CArchive& ar);
    // The values the object's property sheet or dialog can change, for Undo: its fields.
    virtual void SerializeProperties(CArchive& ar) { SerializeFields(ar); }
    virtual void SetDefaults();

    // The index of keyword in this object's table (compared without regard to case), or -1.
    int FindKeyword(std::string_view keyword) const;
    // The keyword as spelled in the table, or the empty text for an index outside it.
    const char* KeywordName(int index) const;

    int32_t m_nKeywords = 0;  // the size of m_pKeywords, set with it by UseKeywords
    int32_t m_nLevel = 0;
    const KeywordEntry* m_pKeywords = nullptr;
    const char* m_pszSection = nullptr;
    const char* m_pszEndKeyword = nullptr;
    int16_t m_nType = DOC_TYPE_BASE;

  private:
    // Set with m_pszSection by UseSection; here, in the room the type leaves before the label.
    uint16_t m_nSectionLength = 0;

  public:
    std::string m_label;

    // The section name as a view: the writer puts it on two lines of every block, and a
    // measure of it each time would cost a call.
    std::string_view Section() const {
        return m_pszSection ? std::string_view(m_pszSection, m_nSectionLength) : std::string_view();
    }

    // Where the object stands in the file last read or saved: the line of its Define line and
    // of the keyword line that gave each value, 0 for none. An object inserted or pasted since
    // has none until the file is saved.
    long DefineLine() const { return m_nDefineLine; }
    long KeywordLine(int index) const;
    void SetDefineLine(long line) { m_nDefineLine = line; }
    void SetKeywordLine(int index, long line);
    void ClearLines();
    // Which reading or saving the lines come from: an object kept aside (by the edit history)
    // while the file was saved keeps lines of a file that is no longer there.
    uint64_t LinesGeneration() const { return m_nLinesGeneration; }
    void SetLinesGeneration(uint64_t generation) { m_nLinesGeneration = generation; }
    // A generation no reading or saving has had before.
    static uint64_t NewLinesGeneration();

  protected:
    // Makes name, a literal, the object's section name.
    template <size_t N>
    void UseSection(const char (&name)[N]) {
        static_assert(N - 1 <= UINT16_MAX);
        m_pszSection = name;
        m_nSectionLength = static_cast<uint16_t>(N - 1);
    }
    // Makes table, the class's own, the object's keyword table.
    template <size_t N>
    void UseKeywords(const KeywordEntry (&table)[N]) {
        static_assert(N <= static_cast<size_t>(INT32_MAX));
        m_pKeywords = table;
        m_nKeywords = static_cast<int32_t>(N);
    }
    // Whether keywords of this scope letter are written for this object. Only a class whose
    // table has letters knows what they mean; the base writes the keywords without one.
    virtual bool IsScopeUsed(int32_t scope);

    // The blanks before this object's Define line.
    std::string_view Indent() const;
    // The value of keyword as its keyword line writes it: a text or word where it is held, a
    // number written into room, so that writing a file makes no string per value. Defined in
    // doc/KeywordTable.h, so that the writer has it without a call.
    inline std::string_view KeywordValue(const KeywordEntry& keyword, CValueText& room) const;
    // The keyword lines of the object, in table order, by IsKeywordUsed and non-empty value.
    void WriteKeywordLines(CBlockWriter& writer);
    // Reads the object's keyword lines until its end keyword; other lines are reported.
    void ReadKeywordLine(CConfigReader& ar, const std::string& keyword, std::string& value);

    // Whether the TransferKeyword into a member since StartValueTransfer stored its value: a
    // value without a number, or an enumeration word not in its list, leaves the member as
    // it was.
    static void StartValueTransfer();
    static bool ValueTaken();

  private:
    // The table's entry at index, or null outside the table.
    const KeywordEntry* Keyword(int index) const;
    // IsKeywordUsed for an entry of the object's own table (doc/KeywordTable.h).
    inline bool IsEntryUsed(const KeywordEntry& keyword);

    long m_nDefineLine = 0;
    uint64_t m_nLinesGeneration = 0;
    // One entry per keyword of the table once any line is known, else empty. 32 bits each:
    // a file of more lines than that could not be held in memory.
    std::vector<int32_t> m_keywordLines;

  public:
    // Last, so that they share a cache line with the first member of the class: the owner
    // pointer, which every class puts there. Renumbering reads and writes only these three,
    // object after object, and a document of many objects is too large for the caches.
    int32_t m_nNumber = 0;
    CTreeNodeRef m_node;
};

}  // namespace netloom
