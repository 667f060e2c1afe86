#pragma once
// The pages of a virtual adapter's sheet that the options add: "LANE Advanced", "1577 Advanced",
// "Traffic Parameters" and "Trace".

#include <array>
#include <vector>

#include "doc/DocObject.h"
#include "doc/Elan.h"
#include "fields/FieldChecks.h"
#include "pages/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace netloom {

class C_Doc_Adapter;

// An unsigned field with a range, as the two advanced pages list them.
struct CRangedField {
    int32_t* value;
    int32_t min;
    int32_t max;
    QLineEdit* edit;
};

class CDlgElanLaneAdv : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanLaneAdv(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t AgingTime = 300;
    int32_t FlushTimeout = 4;
    int32_t JoinTimeout = 5;
    int32_t MaxDdVccs = 64;
    int32_t MaxUnknownFrameCount = 1;
    int32_t MaximumOpenCircuits = 32;
    int32_t ArpResponseTime = 1;
    int32_t ForwardDelayTime = 15;
    int32_t MaxArpRetryCount = 1;
    int32_t MaxDestinations = 64;
    int32_t MaxUnknownFrameTime = 1;
    int32_t VccTimeoutPeriod = 20;

    // In exchange order: the left column top to bottom, then the right one.
    std::vector<CRangedField> m_fields;
};

class CDlgElanClipAdv : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanClipAdv(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t VccTimeoutPeriod = 20;
    int32_t ArpTimeout = 600;
    int32_t MaximumOpenCircuits = 32;

    QLineEdit* m_pVccTimeout;
    QLineEdit* m_pArpTimeout;
    QLineEdit* m_pOpenCircuits;
};

class CDlgElanTp : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanTp(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;
    void ReserveRoom() override;

    // Supplies the traffic profile names; may be null (then no profile is offered).
    C_Doc_Adapter* m_pAdapter = nullptr;
    Rate MaxReceiveRateDifference{kMaxRateDifference, 0};
    Rate MaxTransmitRateDifference{kMaxRateDifference, 0};
    int32_t DefaultTrafficProfile = 0;

    QLineEdit* m_pReceive;
    QComboBox* m_pReceiveUnit;
    QLineEdit* m_pTransmit;
    QComboBox* m_pTransmitUnit;
    QComboBox* m_pProfile;

  protected:
    void OnInitPage() override;
};

class CDlgElanTrace : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CDlgElanTrace(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t PromiscuousMode = 0;
    int32_t TraceMask = 0;

    QCheckBox* m_pPromiscuous;
    std::array<QCheckBox*, kTraceClasses> m_pClasses{};
    QPushButton* m_pAll;
    QPushButton* m_pNone;

  private:
    void CheckAll(bool checked);
};

}  // namespace netloom
