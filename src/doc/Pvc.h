#pragma once
// C_Doc_Pvc: one permanent virtual connection of a virtual adapter.

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_Elan;

class C_Doc_Pvc : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_Pvc";

    C_Doc_Pvc();

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    void SerializeFields(CArchive& ar) override;
    void SetDefaults() override;

    // The connection type as the pages and the label show it: "Data Direct" for 0.
    static std::string_view PvcTypeText(int32_t pvcType);

    C_Doc_Elan* VirtualAdapter = nullptr;  // owner, not owned; first, beside the number
    int32_t PvcType = 0;
    int32_t Vpi = 0;
    int32_t Vci = 32;
    std::string AtmAddress;
    std::string MacAddress;
    std::string IpAddress;
    int32_t TrafficProfileSelector = 0;
    int32_t UserInstance = 0;

  protected:
    // By the type and encapsulation of the owning virtual adapter.
    bool IsScopeUsed(int32_t scope) override;
};

}  // namespace netloom
