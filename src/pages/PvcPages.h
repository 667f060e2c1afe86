#pragma once
// The pages of a PVC's sheet: "General", "Lan Emulation", "Rfc1577/1483", "Traffic Profile".

#include <string>

#include "pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace netloom {

class C_Doc_Adapter;
class CAtmAddressEdit;

class CDlgPvc : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgPvc(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t Vpi = 0;
    int32_t Vci = 32;
    // The adapter's MaxVpiBits: the VPI has that many bits, the VCI the rest of 10.
    int32_t m_nVpiBits = 0;

    QLineEdit* m_pVpi;
    QLineEdit* m_pVci;

  protected:
    void OnInitPage() override;
};

class CDlgPvcLane : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgPvcLane(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t PvcType = 0;
    std::string AtmAddress;

    QComboBox* m_pPvcType;
    CAtmAddressEdit* m_pAtmAddress;
};

class CDlgPvcRfc : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgPvcRfc(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    std::string IpAddress;
    std::string MacAddress;
    // Checked: the PVC's IP address is found automatically and stored empty.
    bool m_bAutoIp = true;
    bool m_bClassicalIp = false;  // the IP address applies
    bool m_bRouted = false;       // the MAC address applies

    QLineEdit* m_pIpAddress;
    QCheckBox* m_pAutoIp;
    QLineEdit* m_pMacAddress;

  protected:
    void OnInitPage() override;
};

class CDlgPvcTp : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgPvcTp(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;
    void ReserveRoom() override;

    C_Doc_Adapter* m_pAdapter = nullptr;
    int32_t TrafficProfileSelector = 0;

    QComboBox* m_pProfile;

  protected:
    void OnInitPage() override;
};

}  // namespace netloom
