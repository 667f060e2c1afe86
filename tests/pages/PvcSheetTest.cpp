// The PVC's sheet: VPI/VCI ranges from the adapter's bit split, the LANE and the Classical IP /
// RFC 1483 pages, and the traffic profile.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "PageTestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "pages/AddressEdit.h"
#include "pages/PropertySheet.h"
#include "pages/PvcPages.h"

namespace netloom::test {
namespace {

class PvcSheet : public PagesTest {
  protected:
    // A PVC of a virtual adapter of type on an adapter with vpiBits VPI bits.
    C_Doc_Pvc& Make(int32_t type, int32_t vpiBits = 0) {
        m_adapter.MaxVpiBits = vpiBits;
        m_adapter.MaxVciBits = 10 - vpiBits;
        m_adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(type));
        C_Doc_Elan& elan = *m_adapter.VirtualAdapters.back();
        elan.Adapter = &m_adapter;
        elan.Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
        elan.Pvcs.back()->VirtualAdapter = &elan;
        return *elan.Pvcs.back();
    }

    bool Edit(C_Doc_Pvc& pvc, const std::function<void(QDialog&, CPropertySheet&)>& drive) {
        return Run([&] { return pvc.EditProperties(); },
                   [&](QDialog& dialog) { drive(dialog, Sheet(dialog)); });
    }

    // Types vpi and vci on "General" and presses OK; the messages that came up.
    QStringList Confirm(C_Doc_Pvc& pvc, const QString& vpi, const QString& vci) {
        m_messages->Clear();
        Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
            auto* page = static_cast<CDlgPvc*>(sheet.Page(0));
            if (!vpi.isNull()) TypeInto(page->m_pVpi, vpi);
            TypeInto(page->m_pVci, vci);
            ClickOk(dialog);
            if (dialog.isVisible()) ClickCancel(dialog);
        });
        return Messages();
    }

    C_Doc_Adapter m_adapter;
    CScopedOptions m_options{m_userOptions, false, false};
};

TEST_F(PvcSheet, NoVpiBitsMeansVpiZero) {
    C_Doc_Pvc& pvc = Make(ELAN_LANE, 0);
    pvc.Vpi = 3;
    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Pvc 0: Vpi/Vci 3/32 - Data Direct");
        auto* page = static_cast<CDlgPvc*>(sheet.Page(0));
        EXPECT_FALSE(page->m_pVpi->isEnabled());
        EXPECT_EQ(page->m_pVpi->text(), "0");
        EXPECT_EQ(page->m_pVci->text(), "32");
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.Vpi, 0);
    EXPECT_EQ(Confirm(pvc, QString(), "1024"),
              QStringList{"Please enter an integer between 1 and 1023."});
}

TEST_F(PvcSheet, TheBitSplitBoundsVpiAndVci) {
    C_Doc_Pvc& pvc = Make(ELAN_CLASSICAL_IP, 2);
    EXPECT_EQ(Confirm(pvc, "4", "32"), QStringList{"Please enter an integer between 0 and 3."});
    EXPECT_EQ(Confirm(pvc, "3", "256"), QStringList{"Please enter an integer between 1 and 255."});
    EXPECT_EQ(Confirm(pvc, "3", "0"), QStringList{"Please enter an integer between 1 and 255."});
    EXPECT_EQ(Confirm(pvc, "-1", "5"), QStringList{"Please enter a positive integer."});
    EXPECT_EQ(pvc.Vpi, 0);
    EXPECT_TRUE(Confirm(pvc, "3", "255").isEmpty());
    EXPECT_EQ(pvc.Vpi, 3);
    EXPECT_EQ(pvc.Vci, 255);
}

TEST_F(PvcSheet, LanePvcsHaveTypeAndAtmAddress) {
    C_Doc_Pvc& pvc = Make(ELAN_LANE);
    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(TabTitles(sheet), (QStringList{"General", "Lan Emulation"}));
        ClickTab(sheet, "Lan Emulation");
        auto* page = static_cast<CDlgPvcLane*>(sheet.ActivePage());
        EXPECT_EQ(page->m_pPvcType->currentText(), "Data Direct");
        page->m_pPvcType->setCurrentIndex(2);
        PressKey(page->m_pAtmAddress, Qt::Key_Insert);
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.PvcType, 2);
    EXPECT_EQ(pvc.AtmAddress, kDefaultAddressTemplate);
}

TEST_F(PvcSheet, AClassicalIpPvcEmptiesItsAddressWhenAutomatic) {
    C_Doc_Pvc& pvc = Make(ELAN_CLASSICAL_IP);
    pvc.IpAddress = "10.1.1.1";
    pvc.MacAddress = "00 11 22 33 44 55";
    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(TabTitles(sheet), (QStringList{"General", "Rfc1577/1483"}));
        ClickTab(sheet, "Rfc1577/1483");
        auto* page = static_cast<CDlgPvcRfc*>(sheet.ActivePage());
        EXPECT_TRUE(page->m_pAutoIp->isEnabled());
        EXPECT_FALSE(page->m_pAutoIp->isChecked());
        EXPECT_TRUE(page->m_pIpAddress->isEnabled());
        EXPECT_FALSE(page->m_pMacAddress->isEnabled());
        Click(page->m_pAutoIp);
        EXPECT_FALSE(page->m_pIpAddress->isEnabled());
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.IpAddress, "");
    EXPECT_EQ(pvc.MacAddress, "00 11 22 33 44 55");

    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Rfc1577/1483");
        auto* page = static_cast<CDlgPvcRfc*>(sheet.ActivePage());
        EXPECT_TRUE(page->m_pAutoIp->isChecked());
        Click(page->m_pAutoIp);
        EXPECT_TRUE(HasFocus(page->m_pIpAddress));
        QTest::keyClicks(page->m_pIpAddress, "192.168.100.200x");  // 16 characters
        EXPECT_EQ(page->m_pIpAddress->text(), "192.168.100.200");
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.IpAddress, "192.168.100.200");
}

TEST_F(PvcSheet, AnOverLongStoredAddressIsRefused) {
    C_Doc_Pvc& pvc = Make(ELAN_CLASSICAL_IP);
    pvc.IpAddress = "1234.1234.1234.1";
    EXPECT_FALSE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Rfc1577/1483");
        auto* page = static_cast<CDlgPvcRfc*>(sheet.ActivePage());
        EXPECT_EQ(page->m_pIpAddress->text(), "1234.1234.1234.1");
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter no more than 15 characters."});
        EXPECT_TRUE(HasFocus(page->m_pIpAddress));
        ClickCancel(dialog);
    }));
}

TEST_F(PvcSheet, BridgedRfc1483HasNothingToEditButStillChecksItsMac) {
    C_Doc_Pvc& pvc = Make(ELAN_RFC1483);
    pvc.VirtualAdapter->Encapsulation = 0;  // bridged
    pvc.MacAddress = "00-11-22";
    EXPECT_FALSE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Rfc1577/1483");
        auto* page = static_cast<CDlgPvcRfc*>(sheet.ActivePage());
        EXPECT_FALSE(page->m_pAutoIp->isEnabled());
        EXPECT_FALSE(page->m_pIpAddress->isEnabled());
        EXPECT_FALSE(page->m_pMacAddress->isEnabled());
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Messages(), QStringList{QStringLiteral(
                                  "Invalid MAC Address. Enter as 12 hexadecimal digits (0-9, "
                                  "a-f), every two possibly separated by blanks.")});
        ClickCancel(dialog);
    }));
    EXPECT_EQ(pvc.MacAddress, "00-11-22");
}

TEST_F(PvcSheet, RoutedRfc1483StoresTheMacInItsCanonicalForm) {
    C_Doc_Pvc& pvc = Make(ELAN_RFC1483);
    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Rfc1577/1483");
        auto* page = static_cast<CDlgPvcRfc*>(sheet.ActivePage());
        EXPECT_TRUE(page->m_pMacAddress->isEnabled());
        EXPECT_FALSE(page->m_pIpAddress->isEnabled());
        TypeInto(page->m_pMacAddress, "00:A0:c9:14:Fe:0b");
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.MacAddress, "00 A0 c9 14 Fe 0b");
    EXPECT_EQ(pvc.IpAddress, "");
}

TEST_F(PvcSheet, TheTrafficProfilePageKeepsAnUnlistedSelector) {
    CScopedOptions options(m_userOptions, true, false);
    C_Doc_Pvc& pvc = Make(ELAN_LANE);
    pvc.TrafficProfileSelector = 12;
    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(TabTitles(sheet), (QStringList{"General", "Lan Emulation", "Traffic Profile"}));
        ClickTab(sheet, "Traffic Profile");
        auto* page = static_cast<CDlgPvcTp*>(sheet.ActivePage());
        EXPECT_EQ(page->m_pProfile->count(), 10);
        EXPECT_EQ(page->m_pProfile->currentIndex(), -1);
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.TrafficProfileSelector, 12);

    EXPECT_TRUE(Edit(pvc, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Traffic Profile");
        static_cast<CDlgPvcTp*>(sheet.ActivePage())->m_pProfile->setCurrentIndex(6);
        ClickOk(dialog);
    }));
    EXPECT_EQ(pvc.TrafficProfileSelector, 6);
}

TEST_F(PvcSheet, APvcWithoutItsOwnersCannotBeEdited) {
    C_Doc_Pvc orphan;
    EXPECT_FALSE(orphan.EditProperties());
    C_Doc_Elan elan;
    orphan.VirtualAdapter = &elan;  // no adapter yet
    EXPECT_FALSE(orphan.EditProperties());
}

}  // namespace
}  // namespace netloom::test
