#pragma once
// C_Doc_Adapter: one physical ATM adapter card with its traffic profiles and virtual adapters.

#include <memory>
#include <vector>

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_TrafficProfile;
class C_Doc_Elan;

class C_Doc_Adapter : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_Adapter";

    C_Doc_Adapter();
    ~C_Doc_Adapter() override;

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    void ReadDefinition(CConfigReader& ar) override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    void SerializeFields(CArchive& ar) override;
    void SetDefaults() override;

    // The text the pages show for traffic profile number index: the profile's label, or with
    // no profiles one of the ten hardware defaults. False when there is no such profile.
    bool GetTrafficProfileName(int index, std::string& out);

    // Sum of the PVC counts of all virtual adapters.
    size_t CountPvcs() const;

    int32_t EmptyCells = 0;
    int32_t EnableSvcSupport = 1;
    int32_t FramingMode = 0;
    int32_t IlmiRegisterAddresses = 1;
    std::string LecsAtmAddress;
    int32_t MasterTiming = 0;
    Rate MaxLineRate;
    int32_t MaxPvcs = 0;
    int32_t MaxVpiBits = 0;
    int32_t MaxVciBits = 10;
    int32_t UniVersion = 0;
    std::vector<std::unique_ptr<C_Doc_TrafficProfile>> TrafficProfiles;
    std::vector<std::unique_ptr<C_Doc_Elan>> VirtualAdapters;
    CTreeNodeRef m_trafficProfilesNode;
    CTreeNodeRef m_virtualAdaptersNode;
};

}  // namespace netloom
