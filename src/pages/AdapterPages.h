#pragma once
// The pages of a physical adapter's property sheet: "General", "Advanced", "Traffic Control".

#include <QLineEdit>
#include <string>

#include "doc/DocObject.h"
#include "pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace netloom {

class CAtmAddressEdit;

// An edit field that reports when the keyboard focus has left it, after it has finished its
// own handling of that (which drops the selection).
class CFocusLeaveEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void FocusLeft(Qt::FocusReason reason);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

class CDlgAdp : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgAdp(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t EnableSvcSupport = 1;
    int32_t IlmiRegisterAddresses = 1;
    int32_t UniVersion = 0;
    std::string LecsAtmAddress;
    // Set by the sheet when LecsAtmAddress is empty; an empty address is what it stands for.
    bool m_bWellKnown = true;

    QCheckBox* m_pSignalling;
    QCheckBox* m_pIlmi;
    QComboBox* m_pUniVersion;
    QCheckBox* m_pWellKnown;
    CAtmAddressEdit* m_pLecsAddress;

  protected:
    void OnInitPage() override;
};

class CDlgAdpAdv : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgAdpAdv(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;
    bool TakeClickVeto() override;

    int32_t FramingMode = 0;
    int32_t EmptyCells = 0;
    int32_t MasterTiming = 0;
    int32_t MaxVpiBits = 0;
    int32_t MaxVciBits = 10;

    QRadioButton* m_pSonet;
    QRadioButton* m_pSdh;
    QRadioButton* m_pIdle;
    QRadioButton* m_pUnassigned;
    QCheckBox* m_pMasterTiming;
    CFocusLeaveEdit* m_pVpi;
    CFocusLeaveEdit* m_pVci;

  private:
    // Leaving one of the two fields sets the other so that both add up to 10 bits.
    void OnBitsKillFocus(QLineEdit* field, Qt::FocusReason reason);

    bool m_bInHandler = false;
    bool m_bClickVeto = false;
};

class CDlgAdpTraffic : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgAdpTraffic(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    Rate MaxLineRate{353208, 0};

    QComboBox* m_pUnit;
    QLineEdit* m_pRate;
};

}  // namespace netloom
