#include "pages/PropertyEditor.h"

#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/TrafficProfile.h"
#include "doc/UserOptions.h"
#include "pages/AdapterPages.h"
#include "pages/AddressEdit.h"
#include "pages/ProfilePages.h"
#include "pages/PropertySheet.h"
#include "pages/TypeDialogs.h"
#include "ui/Latin1.h"

namespace netloom {

bool CPropertyEditor::Show(QDialog& dialog) const {
    // The address fields are made with their pages, before the options are at hand.
    SetAddressTemplate(dialog, m_options.AddressTemplate);
    return dialog.exec() == QDialog::Accepted;
}

bool CPropertyEditor::Edit(C_Doc_Adapter& adapter) {
    const CUserOptions& options = m_options;
    CPropertySheet sheet(FromBytes(adapter.GetLabel()), m_pParent);

    auto* general = new CDlgAdp;
    general->EnableSvcSupport = adapter.EnableSvcSupport;
    general->IlmiRegisterAddresses = adapter.IlmiRegisterAddresses;
    general->UniVersion = adapter.UniVersion;
    general->LecsAtmAddress = adapter.LecsAtmAddress;
    general->m_bWellKnown = adapter.LecsAtmAddress.empty();
    sheet.AddPage(general);

    CDlgAdpAdv* advanced = nullptr;
    if (options.ExpertMode) {
        advanced = new CDlgAdpAdv;
        advanced->FramingMode = adapter.FramingMode;
        advanced->EmptyCells = adapter.EmptyCells;
        advanced->MasterTiming = adapter.MasterTiming;
        advanced->MaxVpiBits = adapter.MaxVpiBits;
        advanced->MaxVciBits = adapter.MaxVciBits;
        sheet.AddPage(advanced);
    }
    CDlgAdpTraffic* traffic = nullptr;
    if (options.DisplayTrafficProfiles) {
        traffic = new CDlgAdpTraffic;
        traffic->MaxLineRate = adapter.MaxLineRate;
        sheet.AddPage(traffic);
    }

    if (!Show(sheet)) return false;

    adapter.IlmiRegisterAddresses = general->IlmiRegisterAddresses;
    adapter.EnableSvcSupport = general->EnableSvcSupport;
    adapter.UniVersion = general->UniVersion;
    // An empty address is what "Wellknown address" stands for.
    adapter.LecsAtmAddress = general->m_bWellKnown ? std::string() : general->LecsAtmAddress;
    if (advanced != nullptr) {
        adapter.FramingMode = advanced->FramingMode;
        adapter.EmptyCells = advanced->EmptyCells;
        adapter.MasterTiming = advanced->MasterTiming;
        adapter.MaxVpiBits = advanced->MaxVpiBits;
        adapter.MaxVciBits = advanced->MaxVciBits;
    }
    if (traffic != nullptr) adapter.MaxLineRate = traffic->MaxLineRate;
    return true;
}

bool CPropertyEditor::Edit(C_Doc_TrafficProfile& profile) {
    CDlgTp dialog(m_pParent);
    dialog.DescrType = profile.DescrType;
    dialog.QosClass = profile.QosClass;
    dialog.PeakRate = profile.PeakRate;
    dialog.SustainedRate = profile.SustainedRate;
    dialog.MaxBurstSize = profile.MaxBurstSize;
    if (!Show(dialog)) return false;
    profile.DescrType = dialog.DescrType;
    profile.QosClass = dialog.QosClass;
    profile.PeakRate = dialog.PeakRate;
    profile.SustainedRate = dialog.SustainedRate;
    profile.MaxBurstSize = dialog.MaxBurstSize;
    return true;
}

bool CPropertyEditor::Edit(C_Doc_Cfgfile& cfgfile) {
    CDlgAdpType dialog(m_pParent);
    dialog.m_nAdapterModel = cfgfile.m_nAdapterModel;
    if (!Show(dialog)) return false;
    cfgfile.m_nAdapterModel = dialog.m_nAdapterModel;
    return true;
}

bool CPropertyEditor::ChooseVirtualAdapterType(int& type) {
    CDlgElanType dialog(m_pParent);
    dialog.m_nType = type;
    if (!Show(dialog)) return false;
    type = dialog.m_nType;
    return true;
}

}  // namespace netloom
