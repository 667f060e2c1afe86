// The choice dialogs and the Options dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "PageTestSupport.h"
#include "doc/Cfgfile.h"
#include "pages/DlgOptions.h"
#include "pages/TypeDialogs.h"

namespace netloom::test {
namespace {

class Dialogs : public PagesTest {};

TEST_F(Dialogs, SelectAdapterType) {
    C_Doc_Cfgfile cfgfile;
    EXPECT_TRUE(Run([&] { return cfgfile.EditProperties(); },
                    [&](QDialog& dialog) {
                        EXPECT_EQ(dialog.windowTitle(), "Select Adapter Type");
                        auto* list = dialog.findChild<QComboBox*>();
                        ASSERT_NE(list, nullptr);
                        EXPECT_EQ(list->count(), 1);
                        EXPECT_EQ(list->currentText(), "KA-210x (155 Mbps)");
                        ClickOk(dialog);
                    }));
    EXPECT_EQ(cfgfile.m_nAdapterModel, 0);

    // A model the list does not offer shows no entry and is kept.
    cfgfile.m_nAdapterModel = 1;
    EXPECT_TRUE(Run([&] { return cfgfile.EditProperties(); },
                    [&](QDialog& dialog) {
                        EXPECT_EQ(dialog.findChild<QComboBox*>()->currentIndex(), -1);
                        ClickOk(dialog);
                    }));
    EXPECT_EQ(cfgfile.m_nAdapterModel, 1);
    EXPECT_FALSE(Run([&] { return cfgfile.EditProperties(); },
                     [&](QDialog& dialog) { ClickCancel(dialog); }));
}

TEST_F(Dialogs, SelectVirtualAdapterType) {
    int type = 0;
    EXPECT_TRUE(Run(
        [&] { return m_editor.ChooseVirtualAdapterType(type); },
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Select Virtual Adapter Type");
            EXPECT_TRUE(FindText<QRadioButton>(&dialog, "LAN Emulation")->isChecked());
            EXPECT_FALSE(FindText<QRadioButton>(&dialog, "Classical IP (RFC1577)")->isChecked());
            Click(FindText<QRadioButton>(&dialog, "Multiprotocol Encapsulation (RFC1483)"));
            ClickOk(dialog);
        }));
    EXPECT_EQ(type, 2);

    type = 0;
    EXPECT_FALSE(Run([&] { return m_editor.ChooseVirtualAdapterType(type); },
                     [&](QDialog& dialog) {
                         Click(FindText<QRadioButton>(&dialog, "Classical IP (RFC1577)"));
                         ClickCancel(dialog);
                     }));
    EXPECT_EQ(type, 0);
}

TEST_F(Dialogs, OptionsAreCopiedBackOnlyOnOk) {
    CUserOptions options;
    CDlgOptions dialog;
    EXPECT_TRUE(
        Run([&] { return dialog.Edit(options); },
            [&](QDialog& shown) {
                EXPECT_EQ(shown.windowTitle(), "Options");
                EXPECT_FALSE(FindText<QCheckBox>(&shown, "View Traffic Profiles")->isChecked());
                EXPECT_FALSE(FindText<QCheckBox>(&shown, "View Advanced Options")->isChecked());
                EXPECT_EQ(dialog.m_pAddressTemplate->text(), kDefaultAddressTemplate);
                Click(FindText<QCheckBox>(&shown, "View Advanced Options"));
                // Plain text: no address check, and the Insert key means nothing special.
                TypeInto(dialog.m_pAddressTemplate, "47 00");
                PressKey(dialog.m_pAddressTemplate, Qt::Key_Insert);
                EXPECT_EQ(dialog.m_pAddressTemplate->text(), "47 00");
                ClickOk(shown);
            }));
    EXPECT_FALSE(options.DisplayTrafficProfiles);
    EXPECT_TRUE(options.ExpertMode);
    EXPECT_EQ(options.AddressTemplate, "47 00");
    EXPECT_TRUE(Messages().isEmpty());

    CDlgOptions cancelled;
    EXPECT_FALSE(Run([&] { return cancelled.Edit(options); },
                     [&](QDialog& shown) {
                         EXPECT_TRUE(
                             FindText<QCheckBox>(&shown, "View Advanced Options")->isChecked());
                         Click(FindText<QCheckBox>(&shown, "View Traffic Profiles"));
                         TypeInto(cancelled.m_pAddressTemplate, "");
                         ClickCancel(shown);
                     }));
    EXPECT_FALSE(options.DisplayTrafficProfiles);
    EXPECT_EQ(options.AddressTemplate, "47 00");
}

TEST_F(Dialogs, ATemplateTheOptionsCannotStoreIsRefused) {
    CUserOptions options;
    CDlgOptions dialog;
    EXPECT_TRUE(Run([&] { return dialog.Edit(options); },
                    [&](QDialog& shown) {
                        TypeInto(dialog.m_pAddressTemplate, QString::fromUtf8("39 \xCE\xB1"));
                        ClickOk(shown);
                        EXPECT_TRUE(shown.isVisible());
                        ASSERT_EQ(Messages().size(), 1);
                        EXPECT_TRUE(Messages()[0].contains(QString::fromUtf8("\"\xCE\xB1\"")));
                        TypeInto(dialog.m_pAddressTemplate, QString::fromUtf8("39 \xC3\xBF"));
                        ClickOk(shown);
                    }));
    EXPECT_EQ(options.AddressTemplate, "39 \xFF");
}

}  // namespace
}  // namespace netloom::test
