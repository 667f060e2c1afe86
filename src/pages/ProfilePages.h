#pragma once
// The traffic profile dialog and the two pages of a traffic profile mapping's sheet.

#include <string>

#include "doc/DocObject.h"
#include "doc/Elan.h"
#include "pages/ExchangeDialog.h"
#include "pages/PropertyPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace netloom {

class C_Doc_Adapter;
class CAtmAddressEdit;
class CUpDownEdit;

class CDlgTp : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CDlgTp(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t DescrType = 0;
    int32_t QosClass = 0;
    Rate PeakRate{353208, 0};
    Rate SustainedRate{353208, 0};
    int32_t MaxBurstSize = 1;

    QComboBox* m_pDescrType;
    QComboBox* m_pQosClass;
    QLineEdit* m_pPeak;
    QComboBox* m_pPeakUnit;
    QLineEdit* m_pSustained;
    QComboBox* m_pSustainedUnit;
    CUpDownEdit* m_pBurst;

  protected:
    void OnInitDialog() override;

  private:
    // Sustained rate and burst size belong to the VBR types only.
    void EnableByType();
};

class CDlgTpMap : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgTpMap(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    // The owning virtual adapter's type: LAN Emulation offers the "Multicast" type too.
    int32_t m_nElanType = ELAN_LANE;
    std::string AtmAddress;
    std::string AddressMask;
    int32_t VcType = 0;

    QComboBox* m_pVcType;
    CAtmAddressEdit* m_pAddress;
    CAtmAddressEdit* m_pMask;
};

class CDlgTpMapList : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgTpMapList(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    // Supplies the profile names; the page offers nothing without one.
    C_Doc_Adapter* m_pAdapter = nullptr;
    std::string TrafficProfileList;

    QListWidget* m_pAvailable;
    QPushButton* m_pAdd;
    QPushButton* m_pRemove;
    QListWidget* m_pPriority;

  protected:
    void OnInitPage() override;

  private:
    void OnAdd();
    void OnRemove();
    // Puts a profile into the available list at its alphabetical place.
    void InsertAvailable(const QString& name, int32_t number);
};

}  // namespace netloom
