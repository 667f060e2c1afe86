#pragma once
// C_Doc_TrafficProfile: one traffic profile of a physical adapter.

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_Adapter;

class C_Doc_TrafficProfile : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_TrafficProfile";

    C_Doc_TrafficProfile();

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    void SerializeFields(CArchive& ar) override;
    void SetDefaults() override;

    C_Doc_Adapter* Adapter = nullptr;  // owner, not owned; first, beside the number
    int32_t DescrType = 0;
    int32_t QosClass = 0;
    Rate PeakRate;
    Rate SustainedRate;
    int32_t MaxBurstSize = 1;
};

}  // namespace netloom
