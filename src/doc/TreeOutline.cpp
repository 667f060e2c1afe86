#include "doc/TreeOutline.h"

#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

const char* const kGroupTrafficProfiles = "Traffic Profiles";
const char* const kGroupVirtualAdapters = "Virtual Adapters";
const char* const kGroupPvcs = "Permanent Virtual Connections";
const char* const kGroupMappings = "Traffic Profile Mappings";

std::vector<TreeOutlineNode> BuildTreeOutline(C_Doc_Cfgfile& cfgfile, const std::string& rootLabel,
                                              bool displayTrafficProfiles) {
    std::vector<TreeOutlineNode> nodes;
    nodes.push_back({0, NODE_CONFIGURATION, rootLabel, &cfgfile});
    for (auto& adapter : cfgfile.Adapters) {
        nodes.push_back({1, NODE_ADAPTER, adapter->GetLabel(), adapter.get()});
        if (displayTrafficProfiles) {
            nodes.push_back({2, NODE_TRAFFIC_PROFILES, kGroupTrafficProfiles, adapter.get()});
            for (auto& profile : adapter->TrafficProfiles)
                nodes.push_back({3, NODE_TRAFFIC_PROFILE, profile->GetLabel(), profile.get()});
        }
        nodes.push_back({2, NODE_VIRTUAL_ADAPTERS, kGroupVirtualAdapters, adapter.get()});
        for (auto& elan : adapter->VirtualAdapters) {
            nodes.push_back({3, NODE_VIRTUAL_ADAPTER, elan->GetLabel(), elan.get()});
            nodes.push_back({4, NODE_PVCS, kGroupPvcs, elan.get()});
            for (auto& pvc : elan->Pvcs)
                nodes.push_back({5, NODE_PVC, pvc->GetLabel(), pvc.get()});
            if (displayTrafficProfiles && elan->Type != ELAN_RFC1483) {
                nodes.push_back({4, NODE_MAPPINGS, kGroupMappings, elan.get()});
                for (auto& mapping : elan->Mappings)
                    nodes.push_back({5, NODE_MAPPING, mapping->GetLabel(), mapping.get()});
            }
        }
    }
    return nodes;
}

}  // namespace netloom
