#pragma once
// The pages of a virtual adapter's sheet that every type or one type always has: "General",
// "LANE", "Rfc1577", "Rfc1483".

#include <string>

#include "doc/Elan.h"
#include "pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace netloom {

class CAtmAddressEdit;

class CDlgElan : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElan(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t Type = ELAN_LANE;
    std::string AtmAddress;
    int32_t LanType = 0;
    // MaxDataFrameSize for LAN Emulation, MtuSize for the other types; on OK both take it.
    int32_t m_nFrameSize = 1516;

    CAtmAddressEdit* m_pAtmAddress;
    QRadioButton* m_pEthernet;
    QRadioButton* m_pTokenRing;
    QComboBox* m_pFrameSize;

  protected:
    void OnInitPage() override;

  private:
    void OnLanTypeClicked(bool tokenRing);
};

class CDlgElanLane : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanLane(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    std::string ServerAtmAddress;
    std::string LanName;

    CAtmAddressEdit* m_pServerAddress;
    QLineEdit* m_pLanName;
};

class CDlgElanClip : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanClip(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    std::string ArpServer;
    std::string IpAddress;
    // Only decides whether the address field can be edited; the text is stored either way.
    bool m_bAutoIp = true;

    CAtmAddressEdit* m_pArpServer;
    QLineEdit* m_pIpAddress;
    QCheckBox* m_pAutoIp;
};

class CDlgElan1483 : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElan1483(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t Encapsulation = 1;

    QRadioButton* m_pBridged;
    QRadioButton* m_pRouted;
};

}  // namespace netloom
