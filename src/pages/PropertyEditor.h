#pragma once
// What the objects' EditProperties calls in the GUI: builds each object's property sheet or
// dialog from the pages its kind and the user options call for, shows it modally, and copies
// the values back into the object only when the user confirmed with OK.

#include <QPointer>
#include <QWidget>

#include "doc/ObjectEditor.h"

class QDialog;

namespace netloom {

struct CUserOptions;

class CPropertyEditor : public CObjectEditor {
  public:
    // options: which pages the sheets have and the address template; they belong to the
    // caller and must outlive the editor. parent: the window the sheets and dialogs are modal
    // to (may be null).
    explicit CPropertyEditor(const CUserOptions& options, QWidget* parent = nullptr)
        : m_options(options), m_pParent(parent) {}

    const CUserOptions& Options() const { return m_options; }
    void SetParentWidget(QWidget* parent) { m_pParent = parent; }
    QWidget* ParentWidget() const { return m_pParent; }

    bool Edit(C_Doc_Adapter& adapter) override;
    bool Edit(C_Doc_TrafficProfile& profile) override;
    bool Edit(C_Doc_Elan& elan) override;
    // Mappings and PVCs need their virtual adapter and its adapter; without them nothing can
    // be shown and the edit reports a cancel.
    bool Edit(C_Doc_TpMapping& mapping) override;
    bool Edit(C_Doc_Pvc& pvc) override;
    bool Edit(C_Doc_Cfgfile& cfgfile) override;
    bool ChooseVirtualAdapterType(int& type) override;

  private:
    // Runs a sheet or dialog built here modally; true on OK.
    bool Show(QDialog& dialog) const;

    const CUserOptions& m_options;
    QPointer<QWidget> m_pParent;
};

}  // namespace netloom
