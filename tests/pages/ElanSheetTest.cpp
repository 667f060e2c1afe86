// The virtual adapter's sheet: which pages each type and the options give it, the frame size,
// the addresses, the advanced ranges, traffic parameters and trace classes.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "PageTestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/TrafficProfile.h"
#include "pages/AddressEdit.h"
#include "pages/ElanAdvancedPages.h"
#include "pages/ElanPages.h"
#include "pages/PropertySheet.h"

namespace netloom::test {
namespace {

const QString kAtmMessage = QStringLiteral(
    "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
    "separated by blanks.");

class ElanSheet : public PagesTest {
  protected:
    // A virtual adapter of type on an adapter of its own.
    C_Doc_Elan& Make(int32_t type) {
        m_adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(type));
        C_Doc_Elan& elan = *m_adapter.VirtualAdapters.back();
        elan.Adapter = &m_adapter;
        return elan;
    }

    // Opens elan's sheet and runs drive on it; true when it was confirmed.
    bool Edit(C_Doc_Elan& elan, const std::function<void(QDialog&, CPropertySheet&)>& drive) {
        return Run([&] { return elan.EditProperties(); },
                   [&](QDialog& dialog) { drive(dialog, Sheet(dialog)); });
    }

    template <class Page>
    Page& Open(CPropertySheet& sheet, const QString& title) {
        ClickTab(sheet, title);
        auto* page = qobject_cast<Page*>(sheet.ActivePage());
        if (page == nullptr) throw std::logic_error("page not in front");
        return *page;
    }

    C_Doc_Adapter m_adapter;
};

TEST_F(ElanSheet, EachTypeHasItsPages) {
    CScopedOptions options(m_userOptions, true, true);
    const auto tabs = [&](int32_t type) {
        QStringList titles;
        Edit(Make(type), [&](QDialog& dialog, CPropertySheet& sheet) {
            EXPECT_EQ(sheet.windowTitle(), "Virtual Adapter Properties");
            titles = TabTitles(sheet);
            ClickCancel(dialog);
        });
        return titles;
    };
    EXPECT_EQ(tabs(ELAN_LANE),
              (QStringList{"General", "LANE", "LANE Advanced", "Traffic Parameters", "Trace"}));
    EXPECT_EQ(tabs(ELAN_CLASSICAL_IP),
              (QStringList{"General", "Rfc1577", "1577 Advanced", "Traffic Parameters", "Trace"}));
    EXPECT_EQ(tabs(ELAN_RFC1483), (QStringList{"General", "Rfc1483", "Trace"}));
}

TEST_F(ElanSheet, WithoutOptionsOnlyTheTypePagesAreThere) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_LANE);
    elan.MaxReceiveRateDifference = Rate{5, 2};
    elan.TraceMask = 0x12345;
    elan.AgingTime = 2;  // outside its page's range, but that page is absent
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(TabTitles(sheet), (QStringList{"General", "LANE"}));
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.MaxReceiveRateDifference, (Rate{5, 2}));
    EXPECT_EQ(elan.TraceMask, 0x12345);
    EXPECT_EQ(elan.AgingTime, 2);
}

TEST_F(ElanSheet, LaneFrameSizesAndTheirRange) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_LANE);
    elan.MaxDataFrameSize = 1516;
    elan.MtuSize = 8192;
    for (const char* bad : {"1515", "9235"}) {
        m_messages->Clear();
        EXPECT_FALSE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
            auto* page = static_cast<CDlgElan*>(sheet.Page(0));
            EXPECT_EQ(page->m_pFrameSize->currentText(), "1516");
            QStringList entries;
            for (int i = 0; i < page->m_pFrameSize->count(); ++i)
                entries << page->m_pFrameSize->itemText(i);
            EXPECT_EQ(entries, (QStringList{"1516", "4544", "9234"}));
            TypeInto(page->m_pFrameSize, bad);
            ClickOk(dialog);
            EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1516 and 9234."});
            EXPECT_TRUE(HasFocus(page->m_pFrameSize));
            EXPECT_EQ(SelectedText(page->m_pFrameSize), bad);
            ClickCancel(dialog);
        }));
    }
    // A size from the list; after OK both members hold it.
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        static_cast<CDlgElan*>(sheet.Page(0))->m_pFrameSize->setCurrentIndex(1);
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.MaxDataFrameSize, 4544);
    EXPECT_EQ(elan.MtuSize, 4544);
}

TEST_F(ElanSheet, ClassicalIpShowsItsMtuEvenWhenNotOffered) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& fresh = Make(ELAN_CLASSICAL_IP);
    Edit(fresh, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgElan*>(sheet.Page(0));
        EXPECT_EQ(page->m_pFrameSize->currentText(), "8192");
        EXPECT_EQ(page->m_pFrameSize->count(), 4);
        // What is typed is judged as typed, even where an entry begins with it.
        TypeInto(page->m_pFrameSize, "32");
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 40 and 65504."});
        EXPECT_EQ(SelectedText(page->m_pFrameSize), "32");
        TypeInto(page->m_pFrameSize, "150");
        ClickOk(dialog);
    });
    EXPECT_EQ(fresh.MtuSize, 150);
    C_Doc_Elan& read = Make(ELAN_CLASSICAL_IP);
    read.MtuSize = 9180;
    read.MaxDataFrameSize = 1516;
    EXPECT_TRUE(Edit(read, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(static_cast<CDlgElan*>(sheet.Page(0))->m_pFrameSize->currentText(), "9180");
        ClickOk(dialog);
    }));
    EXPECT_EQ(read.MtuSize, 9180);
    EXPECT_EQ(read.MaxDataFrameSize, 9180);
}

TEST_F(ElanSheet, TheLanTypeSetsTheFrameSizeOnlyForLane) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& lane = Make(ELAN_LANE);
    EXPECT_TRUE(Edit(lane, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgElan*>(sheet.Page(0));
        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "Ethernet")->isChecked());
        TypeInto(page->m_pFrameSize, "4000");
        Click(FindText<QRadioButton>(&dialog, "Token-Ring"));
        EXPECT_EQ(page->m_pFrameSize->currentText(), "9234");
        Click(FindText<QRadioButton>(&dialog, "Ethernet"));
        EXPECT_EQ(page->m_pFrameSize->currentText(), "1516");
        Click(FindText<QRadioButton>(&dialog, "Token-Ring"));
        ClickOk(dialog);
    }));
    EXPECT_EQ(lane.LanType, 1);
    EXPECT_EQ(lane.MaxDataFrameSize, 9234);

    C_Doc_Elan& clip = Make(ELAN_CLASSICAL_IP);
    EXPECT_TRUE(Edit(clip, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgElan*>(sheet.Page(0));
        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "Token-Ring")->isChecked());
        Click(FindText<QRadioButton>(&dialog, "Ethernet"));
        EXPECT_EQ(page->m_pFrameSize->currentText(), "8192");
        ClickOk(dialog);
    }));
    EXPECT_EQ(clip.LanType, 0);
    EXPECT_EQ(clip.MtuSize, 8192);
}

TEST_F(ElanSheet, AnRfc1483AddressIsCheckedInItsDisabledField) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_RFC1483);
    elan.AtmAddress = "not an address";
    EXPECT_FALSE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgElan*>(sheet.Page(0));
        EXPECT_FALSE(page->m_pAtmAddress->isEnabled());
        ClickOk(dialog);
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Messages(), (QStringList{kAtmMessage, kAtmMessage}));
        // Turning the page is refused just the same.
        ClickTab(sheet, "Rfc1483");
        EXPECT_EQ(sheet.ActiveIndex(), 0);
        ClickCancel(dialog);
    }));
    EXPECT_EQ(elan.AtmAddress, "not an address");
}

TEST_F(ElanSheet, AddressesAreStoredInTheirCanonicalForm) {
    CScopedOptions options(m_userOptions, false, false,
                           "39 00 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 88 00");
    C_Doc_Elan& elan = Make(ELAN_LANE);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* general = static_cast<CDlgElan*>(sheet.Page(0));
        TypeInto(general->m_pAtmAddress,
                 "39-00-00-00-00-00-00-00-00-00-00-00-00-AA-bb-cc-dd-ee-ff-01");
        auto& lane = Open<CDlgElanLane>(sheet, "LANE");
        PressKey(lane.m_pServerAddress, Qt::Key_Insert);
        EXPECT_EQ(lane.m_pServerAddress->text(), QString::fromLatin1(kDefaultAddressTemplate));
        TypeInto(lane.m_pLanName, "ELAN one");
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.AtmAddress, "39 00 00 00 00 00 00 00 00 00 00 00 00 AA bb cc dd ee ff 01");
    EXPECT_EQ(elan.ServerAtmAddress, kDefaultAddressTemplate);
    EXPECT_EQ(elan.LanName, "ELAN one");
}

TEST_F(ElanSheet, LanNamesAreLimitedTo32StorableCharacters) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_LANE);
    elan.LanName = std::string(40, 'n');
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& lane = Open<CDlgElanLane>(sheet, "LANE");
        // The stored text is shown whole; typing cannot make it longer.
        EXPECT_EQ(lane.m_pLanName->text().size(), 40);
        QTest::keyClick(lane.m_pLanName, Qt::Key_End);
        QTest::keyClicks(lane.m_pLanName, "x");
        EXPECT_EQ(lane.m_pLanName->text().size(), 40);
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter no more than 32 characters."});
        EXPECT_EQ(lane.m_pLanName->selectedText().size(), 40);

        // A character the file cannot hold is named, not replaced.
        m_messages->Clear();
        TypeInto(lane.m_pLanName, QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
        ClickOk(dialog);
        ASSERT_EQ(Messages().size(), 1);
        EXPECT_TRUE(Messages()[0].contains(QString::fromUtf8("\"\xE2\x82\xAC\"")));
        EXPECT_TRUE(HasFocus(lane.m_pLanName));

        TypeInto(lane.m_pLanName, QString::fromUtf8("caf\xC3\xA9"));
        ClickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(elan.LanName, "caf\xE9");
}

// ---------------------------------------------------------------------------------------------
// Advanced pages

TEST_F(ElanSheet, LaneAdvancedChecksTheLeftColumnFirst) {
    CScopedOptions options(m_userOptions, false, true);
    C_Doc_Elan& elan = Make(ELAN_LANE);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanLaneAdv>(sheet, "LANE Advanced");
        TypeInto(Buddy(&page, "Max. Destination MAC Addrs."), "4");  // right column
        TypeInto(Buddy(&page, "Join Timeout"), "301");               // left column
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 5 and 300."});
        EXPECT_TRUE(HasFocus(Buddy(&page, "Join Timeout")));
        TypeInto(Buddy(&page, "Join Timeout"), "300");
        ClickOk(dialog);
        EXPECT_EQ(Messages().last(), "Please enter an integer between 5 and 2048.");
        TypeInto(Buddy(&page, "Max. Destination MAC Addrs."), "2048");
        TypeInto(Buddy(&page, "Max. VCC's"), "0");
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.JoinTimeout, 300);
    EXPECT_EQ(elan.MaxDestinations, 2048);
    EXPECT_EQ(elan.MaximumOpenCircuits, 0);
    EXPECT_EQ(elan.AgingTime, 300);
}

TEST_F(ElanSheet, ClassicalIpAdvancedRefusesNoOpenCircuits) {
    CScopedOptions options(m_userOptions, false, true);
    C_Doc_Elan& elan = Make(ELAN_CLASSICAL_IP);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanClipAdv>(sheet, "1577 Advanced");
        EXPECT_EQ(page.m_pOpenCircuits->text(), "32");
        EXPECT_EQ(page.m_pArpTimeout->text(), "600");
        TypeInto(page.m_pOpenCircuits, "0");
        TypeInto(page.m_pVccTimeout, "");
        ClickOk(dialog);
        // The VCC timeout comes first in the checks, though it stands second on the page.
        EXPECT_EQ(Messages(), QStringList{"Please enter a positive integer."});
        TypeInto(page.m_pVccTimeout, "65535");
        ClickOk(dialog);
        EXPECT_EQ(Messages().last(), "Please enter an integer between 1 and 1024.");
        EXPECT_TRUE(HasFocus(page.m_pOpenCircuits));
        TypeInto(page.m_pOpenCircuits, "1024");
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.MaximumOpenCircuits, 1024);
    EXPECT_EQ(elan.VccTimeoutPeriod, 65535);
}

TEST_F(ElanSheet, ClassicalIpKeepsItsAddressTextWhateverTheBox) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_CLASSICAL_IP);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanClip>(sheet, "Rfc1577");
        EXPECT_TRUE(page.m_pAutoIp->isChecked());
        EXPECT_FALSE(page.m_pIpAddress->isEnabled());
        Click(page.m_pAutoIp);
        EXPECT_TRUE(page.m_pIpAddress->isEnabled());
        EXPECT_TRUE(HasFocus(page.m_pIpAddress));
        QTest::keyClicks(page.m_pIpAddress, "10.0.0.1");
        Click(page.m_pAutoIp);
        EXPECT_FALSE(page.m_pIpAddress->isEnabled());
        // Leaving and coming back keeps what was typed, and the box as it was left.
        ClickTab(sheet, "General");
        ClickTab(sheet, "Rfc1577");
        EXPECT_TRUE(page.m_pAutoIp->isChecked());
        EXPECT_EQ(page.m_pIpAddress->text(), "10.0.0.1");
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.IpAddress, "10.0.0.1");

    // With an address stored, the box opens unchecked. Free text of any length survives.
    elan.IpAddress = std::string(40000, '7');
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanClip>(sheet, "Rfc1577");
        EXPECT_FALSE(page.m_pAutoIp->isChecked());
        EXPECT_TRUE(page.m_pIpAddress->isEnabled());
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.IpAddress, std::string(40000, '7'));
}

TEST_F(ElanSheet, Rfc1483Encapsulation) {
    CScopedOptions options(m_userOptions, false, false);
    C_Doc_Elan& elan = Make(ELAN_RFC1483);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        Open<CDlgElan1483>(sheet, "Rfc1483");
        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "Routed (Classical IP style)")->isChecked());
        Click(FindText<QRadioButton>(&dialog, "Bridged"));
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.Encapsulation, 0);
}

TEST_F(ElanSheet, TrafficParametersListTheAdaptersProfiles) {
    CScopedOptions options(m_userOptions, true, false);
    C_Doc_Elan& elan = Make(ELAN_LANE);
    elan.DefaultTrafficProfile = 4;
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanTp>(sheet, "Traffic Parameters");
        ASSERT_EQ(page.m_pProfile->count(), 10);
        EXPECT_EQ(page.m_pProfile->itemText(0), "Tp0: Hardware Default");
        EXPECT_EQ(page.m_pProfile->currentText(), "Tp4: Hardware Default");
        EXPECT_EQ(page.m_pReceive->text(), "16777215");
        EXPECT_EQ(page.m_pReceiveUnit->currentText(), "Cells/s");
        TypeInto(page.m_pReceive, "100");
        page.m_pReceiveUnit->setCurrentIndex(2);
        TypeInto(page.m_pTransmit, "2147483647");
        page.m_pProfile->setCurrentIndex(7);
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.MaxReceiveRateDifference, (Rate{100, 2}));
    EXPECT_EQ(elan.MaxTransmitRateDifference, (Rate{2147483647, 0}));
    EXPECT_EQ(elan.DefaultTrafficProfile, 7);

    // Profiles of its own replace the hardware defaults; a stored number they do not reach
    // shows no entry and is kept.
    m_adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    m_adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    m_adapter.TrafficProfiles[1]->m_nNumber = 1;
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanTp>(sheet, "Traffic Parameters");
        ASSERT_EQ(page.m_pProfile->count(), 2);
        EXPECT_EQ(page.m_pProfile->itemText(1), "Tp1: UBR (Best Effort), PCR 353208 Cells");
        EXPECT_EQ(page.m_pProfile->currentIndex(), -1);
        TypeInto(page.m_pTransmit, "4294967296");
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter a positive integer."});
        TypeInto(page.m_pTransmit, "0");
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.DefaultTrafficProfile, 7);
    EXPECT_EQ(elan.MaxTransmitRateDifference, (Rate{0, 0}));
}

TEST_F(ElanSheet, TraceKeepsOnlySixteenClasses) {
    CScopedOptions options(m_userOptions, false, true);
    C_Doc_Elan& elan = Make(ELAN_CLASSICAL_IP);
    elan.TraceMask = static_cast<int32_t>(0xFFFF8001u);
    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanTrace>(sheet, "Trace");
        EXPECT_TRUE(FindText<QCheckBox>(&page, "Class 1")->isChecked());
        EXPECT_FALSE(FindText<QCheckBox>(&page, "Class 2")->isChecked());
        EXPECT_TRUE(FindText<QCheckBox>(&page, "Class 16")->isChecked());
        Click(FindText<QCheckBox>(&page, "Class 3"));
        Click(FindText<QCheckBox>(&page, "Allow promiscuous mode adapter open"));
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.TraceMask, 0x8005);
    EXPECT_EQ(elan.PromiscuousMode, 1);

    EXPECT_TRUE(Edit(elan, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto& page = Open<CDlgElanTrace>(sheet, "Trace");
        Click(FindText<QPushButton>(&page, "All"));
        for (QCheckBox* box : page.m_pClasses)
            EXPECT_TRUE(box->isChecked());
        Click(FindText<QPushButton>(&page, "None"));
        Click(FindText<QCheckBox>(&page, "Class 9"));
        ClickOk(dialog);
    }));
    EXPECT_EQ(elan.TraceMask, 0x0100);
}

}  // namespace
}  // namespace netloom::test
