#pragma once
// The two small choice dialogs: the adapter model of a new configuration and the type of a new
// virtual adapter.

#include "pages/ExchangeDialog.h"

class QComboBox;
class QRadioButton;

namespace netloom {

class CDlgAdpType : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CDlgAdpType(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t m_nAdapterModel = 0;

    QComboBox* m_pModel;
};

class CDlgElanType : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CDlgElanType(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    int32_t m_nType = 0;

    QRadioButton* m_pLane;
    QRadioButton* m_pClassicalIp;
    QRadioButton* m_pRfc1483;
};

}  // namespace netloom
