#pragma once
// C_Doc_Cfgfile: the root of a configuration; it owns the physical adapters.

#include <memory>
#include <vector>

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_Adapter;

enum AdapterModel : int32_t { MODEL_KA210X = 0, MODEL_KA3301 = 1 };

class C_Doc_Cfgfile : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_Cfgfile";

    C_Doc_Cfgfile();
    ~C_Doc_Cfgfile() override;

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    void ReadDefinition(CConfigReader& ar) override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    // The adapter model its dialog chooses lives outside the fields.
    void SerializeProperties(CArchive& ar) override { Serialize(ar); }

    // Deletes every adapter and all that it owns, bottom-up.
    void DeleteContents();

    int32_t m_nAdapterModel = MODEL_KA210X;
    int32_t m_nReserved = 0;
    std::string m_name;
    std::vector<std::unique_ptr<C_Doc_Adapter>> Adapters;
    // The generation of the lines of the file last read or saved (CDocObject::LinesGeneration).
    uint64_t m_nLinesGeneration = 0;
};

// Writing the whole file text moves every object's lines to the text written, as saving needs.
// While one of these exists, writing leaves the lines as they are: for text that does not go
// to the document's file (printing, a mail attachment).
class CKeepFileLines {
  public:
    CKeepFileLines();
    ~CKeepFileLines();
    CKeepFileLines(const CKeepFileLines&) = delete;
    CKeepFileLines& operator=(const CKeepFileLines&) = delete;
};

}  // namespace netloom
