#pragma once
// C_Doc_Elan: one virtual adapter (LAN Emulation, Classical IP or RFC 1483) with its traffic
// profile mappings and PVCs.

#include <memory>
#include <vector>

#include "doc/DocObject.h"

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TpMapping;
class C_Doc_Pvc;

enum ElanType : int32_t { ELAN_LANE = 0, ELAN_CLASSICAL_IP = 1, ELAN_RFC1483 = 2 };

class C_Doc_Elan : public CDocObject {
  public:
    static constexpr const char* kClassName = "C_Doc_Elan";

    explicit C_Doc_Elan(int32_t type = ELAN_LANE);
    ~C_Doc_Elan() override;

    void Serialize(CArchive& ar) override;
    void AppendLabel(std::string& out) const override;
    void ReadDefinition(CConfigReader& ar) override;
    bool EditProperties() override;
    void WriteDefinition(std::string& out, bool withHeader) override;
    void SerializeFields(CArchive& ar) override;
    void SetDefaults() override;

    // The defaults that depend on the type (LanType, MaxDataFrameSize, MtuSize).
    void SetTypeDefaults();

    // First, beside the number: renumbering reads the owner and the two lists.
    C_Doc_Adapter* Adapter = nullptr;  // owner, not owned
    int32_t Type = ELAN_LANE;
    int32_t LanType = 0;
    std::vector<std::unique_ptr<C_Doc_TpMapping>> Mappings;
    std::vector<std::unique_ptr<C_Doc_Pvc>> Pvcs;
    int32_t AgingTime = 300;
    int32_t ArpResponseTime = 1;
    std::string ArpServer;
    int32_t ArpTimeout = 600;
    std::string AtmAddress;
    int32_t DefaultTrafficProfile = 0;
    int32_t Encapsulation = 1;
    int32_t FlushTimeout = 4;
    int32_t ForwardDelayTime = 15;
    std::string IpAddress;
    int32_t JoinTimeout = 5;
    std::string LanName;
    int32_t MaxArpRetryCount = 1;
    int32_t MaxDataFrameSize = 1516;
    int32_t MaxDdVccs = 64;
    int32_t MaxDestinations = 64;
    Rate MaxReceiveRateDifference;
    Rate MaxTransmitRateDifference;
    int32_t MaxUnknownFrameCount = 1;
    int32_t MaxUnknownFrameTime = 1;
    int32_t MaximumOpenCircuits = 32;
    int32_t MtuSize = 1516;
    std::string ServerAtmAddress;
    int32_t PromiscuousMode = 0;
    int32_t TraceMask = 0;
    int32_t VccTimeoutPeriod = 20;
    CTreeNodeRef m_mappingsNode;
    CTreeNodeRef m_pvcsNode;

  protected:
    // By the virtual adapter's own type.
    bool IsScopeUsed(int32_t scope) override;
};

// The largest rate difference a virtual adapter accepts by default: 2^24 - 1 cells/s.
constexpr int32_t kMaxRateDifference = 16777215;

}  // namespace netloom
