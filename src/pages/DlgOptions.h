#pragma once
// The Options dialog: which optional pages and tree branches are shown, and the ATM address
// template that the Insert key puts into address fields.

#include <string>

#include "pages/ExchangeDialog.h"

class QCheckBox;
class QLineEdit;

namespace netloom {

struct CUserOptions;

class CDlgOptions : public CExchangeDialog {
    Q_OBJECT
  public:
    explicit CDlgOptions(QWidget* parent = nullptr);
    void DoDataExchange(CDataExchange& dx) override;

    // Shows the dialog modally on options; true when it was confirmed with OK, and only then
    // are the values copied back. What a change means (rebuilding the tree) is the
    // caller's business.
    bool Edit(CUserOptions& options);

    bool m_bDisplayTrafficProfiles = false;
    bool m_bExpertMode = false;
    // Plain text: the template is not checked as an address.
    std::string m_addressTemplate;
    bool m_bListFileProblems = false;

    QCheckBox* m_pDisplayTrafficProfiles;
    QCheckBox* m_pExpertMode;
    QLineEdit* m_pAddressTemplate;
    QCheckBox* m_pListFileProblems;
};

}  // namespace netloom
