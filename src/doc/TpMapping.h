#pragma once
// C_Doc_TpMapping: a rule that picks traffic profiles for a virtual adapter's connections by
// connection type and ATM address.

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_Elan;

class C_Doc_TpMapping : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_TpMapping";

    C_Doc_TpMapping();

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    void SerializeFields(CArchive& ar) override;
    void SetDefaults() override;

    C_Doc_Elan* VirtualAdapter = nullptr;  // owner, not owned; first, beside the number
    int32_t VcType = 0;
    std::string AddressMask;
    std::string AtmAddress;
    std::string TrafficProfileList;
};

// The mapping page offers LANE virtual adapters a ninth connection type, "Multicast", which
// has no word in the file.
constexpr int32_t kVcTypeMulticast = 8;

}  // namespace netloom
