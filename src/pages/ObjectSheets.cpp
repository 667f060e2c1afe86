// The property sheets of virtual adapters, traffic profile mappings and PVCs.

#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/UserOptions.h"
#include "pages/ElanAdvancedPages.h"
#include "pages/ElanPages.h"
#include "pages/ProfilePages.h"
#include "pages/PropertyEditor.h"
#include "pages/PropertySheet.h"
#include "pages/PvcPages.h"
#include "ui/Latin1.h"

namespace netloom {

namespace {

// The pages of a virtual adapter's sheet that its type and the options put there; null for
// the absent ones.
struct CElanPages {
    CDlgElan* general = nullptr;
    CDlgElanLane* lane = nullptr;
    CDlgElanLaneAdv* laneAdvanced = nullptr;
    CDlgElanClip* clip = nullptr;
    CDlgElanClipAdv* clipAdvanced = nullptr;
    CDlgElan1483* rfc1483 = nullptr;
    CDlgElanTp* traffic = nullptr;
    CDlgElanTrace* trace = nullptr;
};

CElanPages AddElanPages(CPropertySheet& sheet, C_Doc_Elan& elan, const CUserOptions& options) {
    CElanPages pages;
    pages.general = new CDlgElan;
    pages.general->Type = elan.Type;
    pages.general->AtmAddress = elan.AtmAddress;
    pages.general->LanType = elan.LanType;
    pages.general->m_nFrameSize = elan.Type == ELAN_LANE ? elan.MaxDataFrameSize : elan.MtuSize;
    sheet.AddPage(pages.general);

    if (elan.Type == ELAN_LANE) {
        pages.lane = new CDlgElanLane;
        pages.lane->ServerAtmAddress = elan.ServerAtmAddress;
        pages.lane->LanName = elan.LanName;
        sheet.AddPage(pages.lane);
        if (options.ExpertMode) {
            auto* page = pages.laneAdvanced = new CDlgElanLaneAdv;
            page->AgingTime = elan.AgingTime;
            page->FlushTimeout = elan.FlushTimeout;
            page->JoinTimeout = elan.JoinTimeout;
            page->MaxDdVccs = elan.MaxDdVccs;
            page->MaxUnknownFrameCount = elan.MaxUnknownFrameCount;
            page->MaximumOpenCircuits = elan.MaximumOpenCircuits;
            page->ArpResponseTime = elan.ArpResponseTime;
            page->ForwardDelayTime = elan.ForwardDelayTime;
            page->MaxArpRetryCount = elan.MaxArpRetryCount;
            page->MaxDestinations = elan.MaxDestinations;
            page->MaxUnknownFrameTime = elan.MaxUnknownFrameTime;
            page->VccTimeoutPeriod = elan.VccTimeoutPeriod;
            sheet.AddPage(page);
        }
    } else if (elan.Type == ELAN_CLASSICAL_IP) {
        pages.clip = new CDlgElanClip;
        pages.clip->ArpServer = elan.ArpServer;
        pages.clip->IpAddress = elan.IpAddress;
        pages.clip->m_bAutoIp = elan.IpAddress.empty();
        sheet.AddPage(pages.clip);
        if (options.ExpertMode) {
            pages.clipAdvanced = new CDlgElanClipAdv;
            pages.clipAdvanced->MaximumOpenCircuits = elan.MaximumOpenCircuits;
            pages.clipAdvanced->VccTimeoutPeriod = elan.VccTimeoutPeriod;
            pages.clipAdvanced->ArpTimeout = elan.ArpTimeout;
            sheet.AddPage(pages.clipAdvanced);
        }
    } else if (elan.Type == ELAN_RFC1483) {
        pages.rfc1483 = new CDlgElan1483;
        pages.rfc1483->Encapsulation = elan.Encapsulation;
        sheet.AddPage(pages.rfc1483);
    }

    if (options.DisplayTrafficProfiles && elan.Type != ELAN_RFC1483) {
        pages.traffic = new CDlgElanTp;
        pages.traffic->m_pAdapter = elan.Adapter;
        pages.traffic->MaxReceiveRateDifference = elan.MaxReceiveRateDifference;
        pages.traffic->MaxTransmitRateDifference = elan.MaxTransmitRateDifference;
        pages.traffic->DefaultTrafficProfile = elan.DefaultTrafficProfile;
        sheet.AddPage(pages.traffic);
    }
    if (options.ExpertMode) {
        pages.trace = new CDlgElanTrace;
        pages.trace->TraceMask = elan.TraceMask;
        pages.trace->PromiscuousMode = elan.PromiscuousMode;
        sheet.AddPage(pages.trace);
    }
    return pages;
}

void StoreElanPages(const CElanPages& pages, C_Doc_Elan& elan) {
    elan.AtmAddress = pages.general->AtmAddress;
    elan.LanType = pages.general->LanType;
    // One frame size for every type: the other member must never disagree with it.
    elan.MaxDataFrameSize = pages.general->m_nFrameSize;
    elan.MtuSize = pages.general->m_nFrameSize;
    if (pages.lane != nullptr) {
        elan.ServerAtmAddress = pages.lane->ServerAtmAddress;
        elan.LanName = pages.lane->LanName;
    }
    if (const CDlgElanLaneAdv* page = pages.laneAdvanced) {
        elan.AgingTime = page->AgingTime;
        elan.FlushTimeout = page->FlushTimeout;
        elan.JoinTimeout = page->JoinTimeout;
        elan.MaxDdVccs = page->MaxDdVccs;
        elan.MaxUnknownFrameCount = page->MaxUnknownFrameCount;
        elan.MaximumOpenCircuits = page->MaximumOpenCircuits;
        elan.ArpResponseTime = page->ArpResponseTime;
        elan.ForwardDelayTime = page->ForwardDelayTime;
        elan.MaxArpRetryCount = page->MaxArpRetryCount;
        elan.MaxDestinations = page->MaxDestinations;
        elan.MaxUnknownFrameTime = page->MaxUnknownFrameTime;
        elan.VccTimeoutPeriod = page->VccTimeoutPeriod;
    }
    if (pages.clip != nullptr) {
        // The text is kept as it stands whether or not the automatic box is checked.
        elan.ArpServer = pages.clip->ArpServer;
        elan.IpAddress = pages.clip->IpAddress;
    }
    if (pages.clipAdvanced != nullptr) {
        elan.MaximumOpenCircuits = pages.clipAdvanced->MaximumOpenCircuits;
        elan.VccTimeoutPeriod = pages.clipAdvanced->VccTimeoutPeriod;
        elan.ArpTimeout = pages.clipAdvanced->ArpTimeout;
    }
    if (pages.rfc1483 != nullptr) elan.Encapsulation = pages.rfc1483->Encapsulation;
    if (pages.traffic != nullptr) {
        elan.MaxReceiveRateDifference = pages.traffic->MaxReceiveRateDifference;
        elan.MaxTransmitRateDifference = pages.traffic->MaxTransmitRateDifference;
        elan.DefaultTrafficProfile = pages.traffic->DefaultTrafficProfile;
    }
    if (pages.trace != nullptr) {
        elan.TraceMask = pages.trace->TraceMask;
        elan.PromiscuousMode = pages.trace->PromiscuousMode;
    }
}

}  // namespace

bool CPropertyEditor::Edit(C_Doc_Elan& elan) {
    CPropertySheet sheet(QStringLiteral("Virtual Adapter Properties"), ParentWidget());
    const CElanPages pages = AddElanPages(sheet, elan, Options());
    if (!Show(sheet)) return false;
    StoreElanPages(pages, elan);
    return true;
}

bool CPropertyEditor::Edit(C_Doc_TpMapping& mapping) {
    C_Doc_Elan* elan = mapping.VirtualAdapter;
    if (elan == nullptr || elan->Adapter == nullptr) return false;
    CPropertySheet sheet(FromBytes(mapping.GetLabel()), ParentWidget());

    auto* general = new CDlgTpMap;
    general->m_nElanType = elan->Type;
    general->VcType = mapping.VcType;
    general->AtmAddress = mapping.AtmAddress;
    general->AddressMask = mapping.AddressMask;
    sheet.AddPage(general);
    auto* list = new CDlgTpMapList;
    list->m_pAdapter = elan->Adapter;
    list->TrafficProfileList = mapping.TrafficProfileList;
    sheet.AddPage(list);

    if (!Show(sheet)) return false;
    mapping.VcType = general->VcType;
    mapping.AtmAddress = general->AtmAddress;
    mapping.AddressMask = general->AddressMask;
    mapping.TrafficProfileList = list->TrafficProfileList;
    return true;
}

bool CPropertyEditor::Edit(C_Doc_Pvc& pvc) {
    C_Doc_Elan* elan = pvc.VirtualAdapter;
    if (elan == nullptr || elan->Adapter == nullptr) return false;
    CPropertySheet sheet(FromBytes(pvc.GetLabel()), ParentWidget());

    auto* general = new CDlgPvc;
    general->Vpi = pvc.Vpi;
    general->Vci = pvc.Vci;
    general->m_nVpiBits = elan->Adapter->MaxVpiBits;
    sheet.AddPage(general);

    CDlgPvcLane* lane = nullptr;
    CDlgPvcRfc* rfc = nullptr;
    if (elan->Type == ELAN_LANE) {
        lane = new CDlgPvcLane;
        lane->AtmAddress = pvc.AtmAddress;
        lane->PvcType = pvc.PvcType;
        sheet.AddPage(lane);
    } else {
        rfc = new CDlgPvcRfc;
        rfc->IpAddress = pvc.IpAddress;
        rfc->m_bAutoIp = pvc.IpAddress.empty();
        rfc->m_bClassicalIp = elan->Type == ELAN_CLASSICAL_IP;
        rfc->m_bRouted = elan->Type == ELAN_RFC1483 && elan->Encapsulation == 1;
        rfc->MacAddress = pvc.MacAddress;
        sheet.AddPage(rfc);
    }
    CDlgPvcTp* traffic = nullptr;
    if (Options().DisplayTrafficProfiles) {
        traffic = new CDlgPvcTp;
        traffic->m_pAdapter = elan->Adapter;
        traffic->TrafficProfileSelector = pvc.TrafficProfileSelector;
        sheet.AddPage(traffic);
    }

    if (!Show(sheet)) return false;
    pvc.Vpi = general->Vpi;
    pvc.Vci = general->Vci;
    if (lane != nullptr) {
        pvc.AtmAddress = lane->AtmAddress;
        pvc.PvcType = lane->PvcType;
    }
    if (rfc != nullptr) {
        // Unlike a virtual adapter's, a PVC's automatic box does empty the address.
        pvc.IpAddress = rfc->m_bAutoIp ? std::string() : rfc->IpAddress;
        pvc.MacAddress = rfc->MacAddress;
    }
    if (traffic != nullptr) pvc.TrafficProfileSelector = traffic->TrafficProfileSelector;
    return true;
}

}  // namespace netloom
