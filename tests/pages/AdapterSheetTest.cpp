// The physical adapter's sheet: "General", "Advanced", "Traffic Control".

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "PageTestSupport.h"
#include "doc/Adapter.h"
#include "doc/ObjectEditor.h"
#include "pages/AdapterPages.h"
#include "pages/AddressEdit.h"
#include "pages/PropertySheet.h"

namespace netloom::test {
namespace {

constexpr const char* kAddress = "47 00 05 80 ff e1 00 00 00 f2 1a 2b 3c 00 20 48 1a 2b 3c 00";
const QString kAtmMessage = QStringLiteral(
    "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
    "separated by blanks.");

class AdapterSheet : public PagesTest {
  protected:
    C_Doc_Adapter m_adapter;
};

TEST_F(AdapterSheet, ANewAdapterOpensWithTheWellKnownServerAndSignalling) {
    CScopedOptions options(m_userOptions, false, false);
    const bool ok =
        Run([&] { return m_adapter.EditProperties(); },
            [&](QDialog& dialog) {
                CPropertySheet& sheet = Sheet(dialog);
                EXPECT_EQ(sheet.windowTitle(), "Physical ATM Adapter 0");
                EXPECT_EQ(TabTitles(sheet), QStringList{"General"});
                auto* page = static_cast<CDlgAdp*>(sheet.Page(0));
                EXPECT_TRUE(FindText<QCheckBox>(&dialog, "Enable Signalling")->isChecked());
                EXPECT_TRUE(FindText<QCheckBox>(&dialog, "Enable ILMI")->isChecked());
                EXPECT_TRUE(FindText<QCheckBox>(&dialog, "Wellknown address")->isChecked());
                EXPECT_FALSE(page->m_pLecsAddress->isEnabled());
                auto* version = qobject_cast<QComboBox*>(Buddy(&dialog, "UniVersion:"));
                ASSERT_NE(version, nullptr);
                EXPECT_TRUE(version->isEnabled());
                EXPECT_EQ(version->currentText(), "Uni 3.0");
                EXPECT_EQ(version->count(), 2);
                ClickCancel(dialog);
            });
    EXPECT_FALSE(ok);
}

TEST_F(AdapterSheet, TheOptionsAddTheAdvancedAndTrafficPages) {
    CScopedOptions options(m_userOptions, true, true);
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            EXPECT_EQ(TabTitles(Sheet(dialog)),
                      (QStringList{"General", "Advanced", "Traffic Control"}));
            ClickCancel(dialog);
        });
}

TEST_F(AdapterSheet, AnEditorBuildsItsSheetsFromTheOptionsItWasGiven) {
    CScopedOptions options(m_userOptions, false, false);
    CUserOptions own;
    own.ExpertMode = true;
    own.AddressTemplate = "47 11";
    CPropertyEditor editor(own);
    CObjectEditor* previous = SetObjectEditor(&editor);
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            EXPECT_EQ(TabTitles(Sheet(dialog)), (QStringList{"General", "Advanced"}));
            auto* page = static_cast<CDlgAdp*>(Sheet(dialog).Page(0));
            Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
            PressKey(page->m_pLecsAddress, Qt::Key_Insert);
            EXPECT_EQ(page->m_pLecsAddress->text(), "47 11");
            ClickCancel(dialog);
        });
    SetObjectEditor(previous);
}

TEST_F(AdapterSheet, SignallingOffDisablesTheVersionListButKeepsItsChoice) {
    CScopedOptions options(m_userOptions, false, false);
    const bool ok = Run([&] { return m_adapter.EditProperties(); },
                        [&](QDialog& dialog) {
                            auto* version = qobject_cast<QComboBox*>(Buddy(&dialog, "UniVersion:"));
                            version->setCurrentIndex(1);
                            Click(FindText<QCheckBox>(&dialog, "Enable Signalling"));
                            EXPECT_FALSE(version->isEnabled());
                            Click(FindText<QCheckBox>(&dialog, "Enable ILMI"));
                            ClickOk(dialog);
                        });
    EXPECT_TRUE(ok);
    EXPECT_EQ(m_adapter.EnableSvcSupport, 0);
    EXPECT_EQ(m_adapter.IlmiRegisterAddresses, 0);
    EXPECT_EQ(m_adapter.UniVersion, 1);
}

TEST_F(AdapterSheet, TheServerAddressIsStoredOnlyWithoutTheWellKnownBox) {
    CScopedOptions options(m_userOptions, false, false);
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            auto* page = static_cast<CDlgAdp*>(Sheet(dialog).Page(0));
            Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
            EXPECT_TRUE(page->m_pLecsAddress->isEnabled());
            TypeInto(page->m_pLecsAddress, "47000580ffe1000000f21a2b3c0020481a2b3c00");
            ClickOk(dialog);
        });
    EXPECT_EQ(m_adapter.LecsAtmAddress, kAddress);

    // The box checked again empties the address, whatever its field holds.
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            auto* page = static_cast<CDlgAdp*>(Sheet(dialog).Page(0));
            EXPECT_FALSE(FindText<QCheckBox>(&dialog, "Wellknown address")->isChecked());
            EXPECT_EQ(page->m_pLecsAddress->text(), kAddress);
            Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
            EXPECT_FALSE(page->m_pLecsAddress->isEnabled());
            ClickOk(dialog);
        });
    EXPECT_EQ(m_adapter.LecsAtmAddress, "");
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AdapterSheet, AnInvalidAddressBlocksOkEvenInItsDisabledField) {
    CScopedOptions options(m_userOptions, false, false);
    m_adapter.LecsAtmAddress = "39 00";
    const bool ok = Run([&] { return m_adapter.EditProperties(); },
                        [&](QDialog& dialog) {
                            Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
                            ClickOk(dialog);
                            EXPECT_TRUE(dialog.isVisible());
                            ClickOk(dialog);
                            EXPECT_TRUE(dialog.isVisible());
                            EXPECT_EQ(Messages(), (QStringList{kAtmMessage, kAtmMessage}));
                            ClickCancel(dialog);
                        });
    EXPECT_FALSE(ok);
    EXPECT_EQ(m_adapter.LecsAtmAddress, "39 00");
}

TEST_F(AdapterSheet, AVersionTheListDoesNotOfferIsKeptAndAnUnknownOneIsNot) {
    CScopedOptions options(m_userOptions, false, false);
    m_adapter.UniVersion = 2;  // "Uni4.0", read from a file
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            EXPECT_EQ(qobject_cast<QComboBox*>(Buddy(&dialog, "UniVersion:"))->currentIndex(), -1);
            ClickOk(dialog);
        });
    EXPECT_EQ(m_adapter.UniVersion, 2);

    m_adapter.UniVersion = 77;  // no version at all
    Run([&] { return m_adapter.EditProperties(); }, [&](QDialog& dialog) { ClickOk(dialog); });
    EXPECT_EQ(m_adapter.UniVersion, 0);
}

// ---------------------------------------------------------------------------------------------
// "Advanced": the VPI and VCI bit counts keep adding up to 10.

class AdapterAdvanced : public AdapterSheet {
  protected:
    CScopedOptions m_options{m_userOptions, false, true};

    // Opens the sheet on "Advanced" and runs drive with its page.
    bool OnAdvanced(const std::function<void(QDialog&, CDlgAdpAdv&)>& drive) {
        return Run([&] { return m_adapter.EditProperties(); },
                   [&](QDialog& dialog) {
                       ClickTab(Sheet(dialog), "Advanced");
                       drive(dialog, *static_cast<CDlgAdpAdv*>(Sheet(dialog).ActivePage()));
                   });
    }
};

TEST_F(AdapterAdvanced, LeavingOneBitCountSetsTheOther) {
    OnAdvanced([&](QDialog& dialog, CDlgAdpAdv& page) {
        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "SONET")->isChecked());
        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "Idle")->isChecked());
        EXPECT_EQ(page.m_pVpi->text(), "0");
        EXPECT_EQ(page.m_pVci->text(), "10");
        TypeInto(page.m_pVpi, "3");
        PressTab();
        EXPECT_EQ(page.m_pVci->text(), "7");
        EXPECT_TRUE(HasFocus(page.m_pVci));
        TypeInto(page.m_pVci, "6");
        PressTab();
        EXPECT_EQ(page.m_pVpi->text(), "4");
        Click(FindText<QRadioButton>(&dialog, "SDH"));
        Click(FindText<QRadioButton>(&dialog, "Unassigned"));
        Click(FindText<QCheckBox>(&dialog, "Master Timing"));
        ClickOk(dialog);
    });
    EXPECT_EQ(m_adapter.MaxVpiBits, 4);
    EXPECT_EQ(m_adapter.MaxVciBits, 6);
    EXPECT_EQ(m_adapter.FramingMode, 1);
    EXPECT_EQ(m_adapter.EmptyCells, 1);
    EXPECT_EQ(m_adapter.MasterTiming, 1);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AdapterAdvanced, ABadBitCountIsReportedWhenItsFieldIsLeft) {
    OnAdvanced([&](QDialog& dialog, CDlgAdpAdv& page) {
        TypeInto(page.m_pVpi, "6");
        PressTab();
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 0 and 5."});
        EXPECT_TRUE(HasFocus(page.m_pVpi));
        EXPECT_EQ(page.m_pVpi->selectedText(), "6");
        EXPECT_EQ(page.m_pVci->text(), "10");

        // The user must mend it before the focus can go on.
        m_messages->Clear();
        TypeInto(page.m_pVpi, "4");
        PressTab();
        EXPECT_EQ(page.m_pVci->text(), "6");
        TypeInto(page.m_pVci, "x");
        PressTab();
        EXPECT_EQ(Messages(), QStringList{"Please enter a positive integer."});
        EXPECT_TRUE(HasFocus(page.m_pVci));
        ClickCancel(dialog);
    });
    EXPECT_EQ(m_adapter.MaxVpiBits, 0);
    EXPECT_EQ(m_adapter.MaxVciBits, 10);
}

TEST_F(AdapterAdvanced, EnterConfirmsWithoutTheFieldHandler) {
    const bool ok = OnAdvanced([&](QDialog&, CDlgAdpAdv& page) {
        TypeInto(page.m_pVpi, "2");
        PressTab();
        TypeInto(page.m_pVci, "5");
        PressKey(page.m_pVci, Qt::Key_Return);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(m_adapter.MaxVpiBits, 2);
    EXPECT_EQ(m_adapter.MaxVciBits, 5);
}

TEST_F(AdapterAdvanced, ClickingOkLeavesTheFieldFirst) {
    const bool ok = OnAdvanced([&](QDialog& dialog, CDlgAdpAdv& page) {
        TypeInto(page.m_pVpi, "2");
        PressTab();
        TypeInto(page.m_pVci, "5");
        ClickOk(dialog);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(m_adapter.MaxVpiBits, 5);
    EXPECT_EQ(m_adapter.MaxVciBits, 5);
}

TEST_F(AdapterAdvanced, AClickOnOkThatTheFieldHandlerRefusesDoesNotClose) {
    OnAdvanced([&](QDialog& dialog, CDlgAdpAdv& page) {
        // Vci 0 would pass the page's own check (0..10 with Vpi 0); the field's does not.
        TypeInto(page.m_pVci, "0");
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 10."});
        EXPECT_TRUE(HasFocus(page.m_pVci));
        TypeInto(page.m_pVci, "8");
        ClickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(m_adapter.MaxVpiBits, 2);
    EXPECT_EQ(m_adapter.MaxVciBits, 8);
}

TEST_F(AdapterAdvanced, AClickOnATabThatTheFieldHandlerRefusesKeepsThePage) {
    CScopedOptions options(m_userOptions, true, true);
    OnAdvanced([&](QDialog& dialog, CDlgAdpAdv& page) {
        TypeInto(page.m_pVci, "11");
        ClickTab(Sheet(dialog), "Traffic Control");
        EXPECT_EQ(Sheet(dialog).ActivePage(), &page);
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 10."});
        EXPECT_TRUE(HasFocus(page.m_pVci));
        EXPECT_EQ(page.m_pVci->selectedText(), "11");
        ClickCancel(dialog);
    });
}

TEST_F(AdapterSheet, AFailingPageKeepsTheFrontWithTheFocusOnTheField) {
    CScopedOptions options(m_userOptions, false, true);
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            auto* page = static_cast<CDlgAdp*>(Sheet(dialog).Page(0));
            Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
            TypeInto(page->m_pLecsAddress, "39 00 zz");
            ClickTab(Sheet(dialog), "Advanced");
            EXPECT_EQ(Sheet(dialog).ActivePage(), page);
            EXPECT_EQ(Sheet(dialog).Tabs()->currentWidget(), page);
            EXPECT_EQ(Messages(), QStringList{kAtmMessage});
            EXPECT_TRUE(HasFocus(page->m_pLecsAddress));
            EXPECT_EQ(page->m_pLecsAddress->selectedText(), "39 00 zz");
            TypeInto(page->m_pLecsAddress, "");
            ClickTab(Sheet(dialog), "Advanced");
            EXPECT_NE(Sheet(dialog).ActivePage(), page);
            // Coming back shows what was saved when the page was left.
            ClickTab(Sheet(dialog), "General");
            EXPECT_EQ(page->m_pLecsAddress->text(), "");
            EXPECT_TRUE(page->m_pLecsAddress->isEnabled());
            ClickCancel(dialog);
        });
    EXPECT_EQ(m_adapter.LecsAtmAddress, "");
}

// ---------------------------------------------------------------------------------------------
// "Traffic Control"

class AdapterTraffic : public AdapterSheet {
  protected:
    CScopedOptions m_options{m_userOptions, true, false};

    // Types value in unit and presses OK; true when the sheet closed.
    bool Confirm(const QString& value, int unit) {
        return Run([&] { return m_adapter.EditProperties(); },
                   [&](QDialog& dialog) {
                       ClickTab(Sheet(dialog), "Traffic Control");
                       auto* page = static_cast<CDlgAdpTraffic*>(Sheet(dialog).ActivePage());
                       page->m_pUnit->setCurrentIndex(unit);
                       if (!value.isEmpty()) TypeInto(page->m_pRate, value);
                       ClickOk(dialog);
                       if (dialog.isVisible()) {
                           EXPECT_TRUE(HasFocus(page->m_pRate));
                           ClickCancel(dialog);
                       }
                   });
    }
};

TEST_F(AdapterTraffic, TheRangeFollowsTheUnitChosen) {
    EXPECT_TRUE(Confirm("155", 2));
    EXPECT_EQ(m_adapter.MaxLineRate, (Rate{155, 2}));
    EXPECT_FALSE(Confirm("156", 2));
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 155."});
    EXPECT_EQ(m_adapter.MaxLineRate, (Rate{155, 2}));

    m_messages->Clear();
    m_adapter.MaxLineRate = Rate{353208, 0};
    EXPECT_FALSE(Confirm(QString(), 2));
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 155."});
    EXPECT_TRUE(Confirm("155000", 1));
    EXPECT_EQ(m_adapter.MaxLineRate, (Rate{155000, 1}));
}

TEST_F(AdapterTraffic, OnlyDigitsCanBeTyped) {
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            ClickTab(Sheet(dialog), "Traffic Control");
            auto* page = static_cast<CDlgAdpTraffic*>(Sheet(dialog).ActivePage());
            TypeInto(page->m_pRate, "-1x2");
            EXPECT_EQ(page->m_pRate->text(), "12");
            ClickOk(dialog);
        });
    EXPECT_EQ(m_adapter.MaxLineRate, (Rate{12, 0}));
}

TEST_F(AdapterSheet, PagesLeftBehindChangeNothingOnCancelAndAbsentPagesNothingOnOk) {
    {
        CScopedOptions options(m_userOptions, true, true);
        Run([&] { return m_adapter.EditProperties(); },
            [&](QDialog& dialog) {
                ClickTab(Sheet(dialog), "Advanced");
                Click(FindText<QRadioButton>(&dialog, "SDH"));
                ClickTab(Sheet(dialog), "Traffic Control");
                ClickCancel(dialog);
            });
        EXPECT_EQ(m_adapter.FramingMode, 0);
    }
    // Values only an absent page could show stay as they are, however odd.
    m_adapter.MaxVpiBits = 9;
    m_adapter.MaxLineRate = Rate{999999, 2};
    CScopedOptions options(m_userOptions, false, false);
    EXPECT_TRUE(
        Run([&] { return m_adapter.EditProperties(); }, [&](QDialog& dialog) { ClickOk(dialog); }));
    EXPECT_EQ(m_adapter.MaxVpiBits, 9);
    EXPECT_EQ(m_adapter.MaxLineRate, (Rate{999999, 2}));
}

}  // namespace
}  // namespace netloom::test
