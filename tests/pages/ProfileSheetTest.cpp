// The traffic profile dialog and the traffic profile mapping's sheet.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "PageTestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "pages/AddressEdit.h"
#include "pages/ProfilePages.h"
#include "pages/PropertySheet.h"
#include "pages/UpDownEdit.h"

namespace netloom::test {
namespace {

// ---------------------------------------------------------------------------------------------
// "Traffic Profile Properties"

class ProfileDialog : public PagesTest {
  protected:
    bool Edit(const std::function<void(QDialog&, CDlgTp&)>& drive) {
        return Run([&] { return m_profile.EditProperties(); },
                   [&](QDialog& dialog) {
                       auto* tp = qobject_cast<CDlgTp*>(&dialog);
                       ASSERT_NE(tp, nullptr);
                       drive(dialog, *tp);
                   });
    }

    C_Doc_TrafficProfile m_profile;
};

TEST_F(ProfileDialog, SustainedRateAndBurstBelongToTheVbrTypes) {
    EXPECT_TRUE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        EXPECT_EQ(dialog.windowTitle(), "Traffic Profile Properties");
        EXPECT_EQ(tp.m_pDescrType->currentText(), "UBR (Best Effort)");
        EXPECT_EQ(tp.m_pQosClass->currentText(), "None");
        EXPECT_FALSE(tp.m_pSustained->isEnabled());
        EXPECT_FALSE(tp.m_pSustainedUnit->isEnabled());
        EXPECT_FALSE(tp.m_pBurst->isEnabled());
        EXPECT_TRUE(tp.m_pPeak->isEnabled());
        tp.m_pDescrType->setCurrentIndex(2);
        EXPECT_TRUE(tp.m_pSustained->isEnabled());
        EXPECT_TRUE(tp.m_pSustainedUnit->isEnabled());
        EXPECT_TRUE(tp.m_pBurst->isEnabled());
        tp.m_pDescrType->setCurrentIndex(1);
        EXPECT_FALSE(tp.m_pSustained->isEnabled());
        tp.m_pDescrType->setCurrentIndex(4);
        tp.m_pQosClass->setCurrentIndex(3);
        TypeInto(tp.m_pPeak, "10");
        tp.m_pPeakUnit->setCurrentIndex(2);
        TypeInto(tp.m_pSustained, "5000");
        tp.m_pSustainedUnit->setCurrentIndex(1);
        TypeInto(tp.m_pBurst, "100");
        ClickOk(dialog);
    }));
    EXPECT_EQ(m_profile.DescrType, 4);
    EXPECT_EQ(m_profile.QosClass, 3);
    EXPECT_EQ(m_profile.PeakRate, (Rate{10, 2}));
    EXPECT_EQ(m_profile.SustainedRate, (Rate{5000, 1}));
    EXPECT_EQ(m_profile.MaxBurstSize, 100);
}

TEST_F(ProfileDialog, PeakRatesAreJudgedByTheirUnit) {
    EXPECT_TRUE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        TypeInto(tp.m_pPeak, "156");
        tp.m_pPeakUnit->setCurrentIndex(2);
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 155."});
        EXPECT_TRUE(HasFocus(tp.m_pPeak));
        EXPECT_EQ(tp.m_pPeak->selectedText(), "156");
        TypeInto(tp.m_pPeak, "155");
        ClickOk(dialog);
    }));
    EXPECT_EQ(m_profile.PeakRate, (Rate{155, 2}));
}

TEST_F(ProfileDialog, ADisabledSustainedRateIsStillChecked) {
    m_profile.SustainedRate = Rate{0, 0};
    EXPECT_TRUE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        ClickOk(dialog);
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Messages(), (QStringList{"Please enter an integer between 1 and 353208.",
                                           "Please enter an integer between 1 and 353208."}));
        tp.m_pDescrType->setCurrentIndex(2);
        TypeInto(tp.m_pSustained, "1");
        ClickOk(dialog);
    }));
    EXPECT_EQ(m_profile.SustainedRate, (Rate{1, 0}));
}

TEST_F(ProfileDialog, TheBurstSizeStepsWithinItsRange) {
    EXPECT_TRUE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        tp.m_pDescrType->setCurrentIndex(2);
        EXPECT_EQ(tp.m_pBurst->Text(), "1");
        PressKey(tp.m_pBurst, Qt::Key_Down);
        EXPECT_EQ(tp.m_pBurst->Text(), "1");
        PressKey(tp.m_pBurst, Qt::Key_Up);
        PressKey(tp.m_pBurst, Qt::Key_Up);
        EXPECT_EQ(tp.m_pBurst->Text(), "3");
        TypeInto(tp.m_pBurst, "255");
        PressKey(tp.m_pBurst, Qt::Key_Up);
        EXPECT_EQ(tp.m_pBurst->Text(), "255");
        // Typed beyond the range the arrows keep to, the page's check has the last word.
        TypeInto(tp.m_pBurst, "256x");
        EXPECT_EQ(tp.m_pBurst->Text(), "256");
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 255."});
        TypeInto(tp.m_pBurst, "");
        ClickOk(dialog);
        EXPECT_EQ(Messages().last(), "Please enter an integer.");
        TypeInto(tp.m_pBurst, "200");
        ClickOk(dialog);
    }));
    EXPECT_EQ(m_profile.MaxBurstSize, 200);
}

TEST_F(ProfileDialog, ValuesOutsideTheListsShowNothingAndStoreNoMinusOne) {
    m_profile.DescrType = 9;
    m_profile.QosClass = -1;
    m_profile.PeakRate = Rate{100, 5};
    EXPECT_TRUE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        EXPECT_EQ(tp.m_pDescrType->currentIndex(), -1);
        EXPECT_EQ(tp.m_pQosClass->currentIndex(), -1);
        EXPECT_EQ(tp.m_pPeakUnit->currentIndex(), -1);
        ClickOk(dialog);
    }));
    EXPECT_EQ(m_profile.DescrType, 0);
    EXPECT_EQ(m_profile.QosClass, 0);
    EXPECT_EQ(m_profile.PeakRate, (Rate{100, 0}));
}

TEST_F(ProfileDialog, CancelChangesNothing) {
    EXPECT_FALSE(Edit([&](QDialog& dialog, CDlgTp& tp) {
        tp.m_pDescrType->setCurrentIndex(3);
        TypeInto(tp.m_pPeak, "7");
        ClickCancel(dialog);
    }));
    EXPECT_EQ(m_profile.DescrType, 0);
    EXPECT_EQ(m_profile.PeakRate, (Rate{353208, 0}));
}

// ---------------------------------------------------------------------------------------------
// The mapping's sheet: "General" and "Mapping"

class MappingSheet : public PagesTest {
  protected:
    // A mapping of a virtual adapter of type on an adapter with profiles traffic profiles.
    C_Doc_TpMapping& Make(int32_t type, int profiles) {
        for (int i = 0; i < profiles; ++i) {
            m_adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
            m_adapter.TrafficProfiles.back()->m_nNumber = i;
            m_adapter.TrafficProfiles.back()->PeakRate.Value = 1000 - i;
        }
        m_adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(type));
        C_Doc_Elan& elan = *m_adapter.VirtualAdapters.back();
        elan.Adapter = &m_adapter;
        elan.Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
        elan.Mappings.back()->VirtualAdapter = &elan;
        return *elan.Mappings.back();
    }

    bool Edit(C_Doc_TpMapping& mapping,
              const std::function<void(QDialog&, CPropertySheet&)>& drive) {
        return Run([&] { return mapping.EditProperties(); },
                   [&](QDialog& dialog) { drive(dialog, Sheet(dialog)); });
    }

    static QStringList Entries(QListWidget* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }

    static void Select(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QRect rect = list->visualItemRect(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    static void DoubleClick(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QPoint where = list->visualItemRect(found.first()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    }

    static QString Tp(int n) {
        return QStringLiteral("Tp%1: UBR (Best Effort), PCR %2 Cells").arg(n).arg(1000 - n);
    }

    C_Doc_Adapter m_adapter;
};

TEST_F(MappingSheet, LaneOffersMulticastAsANinthType) {
    C_Doc_TpMapping& lane = Make(ELAN_LANE, 0);
    EXPECT_TRUE(Edit(lane, [&](QDialog& dialog, CPropertySheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Traffic Profile Mapping 0 - AnyType");
        EXPECT_EQ(TabTitles(sheet), (QStringList{"General", "Mapping"}));
        auto* page = static_cast<CDlgTpMap*>(sheet.Page(0));
        ASSERT_EQ(page->m_pVcType->count(), 9);
        EXPECT_EQ(page->m_pVcType->itemText(7), "1577 Arp");
        EXPECT_EQ(page->m_pVcType->itemText(8), "Multicast");
        page->m_pVcType->setCurrentIndex(8);
        ClickOk(dialog);
    }));
    EXPECT_EQ(lane.VcType, 8);

    C_Doc_TpMapping& clip = Make(ELAN_CLASSICAL_IP, 0);
    clip.VcType = 8;  // pasted from a LANE virtual adapter: no such entry here
    EXPECT_TRUE(Edit(clip, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgTpMap*>(sheet.Page(0));
        EXPECT_EQ(page->m_pVcType->count(), 8);
        EXPECT_EQ(page->m_pVcType->currentIndex(), -1);
        // The list keeps its entries when the page comes back.
        ClickTab(sheet, "Mapping");
        ClickTab(sheet, "General");
        EXPECT_EQ(page->m_pVcType->count(), 8);
        ClickOk(dialog);
    }));
    EXPECT_EQ(clip.VcType, 0);
}

TEST_F(MappingSheet, BothAddressFieldsTakeTheTemplate) {
    const std::string shortTemplate = "39 00 11";
    CScopedOptions options(m_userOptions, true, false, shortTemplate);
    C_Doc_TpMapping& mapping = Make(ELAN_LANE, 0);
    EXPECT_TRUE(Edit(mapping, [&](QDialog& dialog, CPropertySheet& sheet) {
        auto* page = static_cast<CDlgTpMap*>(sheet.Page(0));
        PressKey(page->m_pMask, Qt::Key_Insert);
        EXPECT_EQ(page->m_pMask->text(), "39 00 11");
        EXPECT_EQ(page->m_pMask->cursorPosition(), 8);
        EXPECT_FALSE(page->m_pMask->hasSelectedText());
        // A template of the wrong length is refused only when the page is saved.
        EXPECT_TRUE(Messages().isEmpty());
        ClickOk(dialog);
        EXPECT_EQ(Messages().size(), 1);
        EXPECT_TRUE(HasFocus(page->m_pMask));
        TypeInto(page->m_pMask, "ff ff ff ff ff ff ff ff ff ff ff ff ff 00 00 00 00 00 00 00");
        TypeInto(page->m_pAddress, "");
        ClickOk(dialog);
    }));
    EXPECT_EQ(mapping.AddressMask, "ff ff ff ff ff ff ff ff ff ff ff ff ff 00 00 00 00 00 00 00");
    EXPECT_EQ(mapping.AtmAddress, "");
}

TEST_F(MappingSheet, StoredNumbersThatNameNoProfileVanishOnOk) {
    C_Doc_TpMapping& mapping = Make(ELAN_LANE, 4);
    mapping.TrafficProfileList = "3 1 3 40";
    EXPECT_TRUE(Edit(mapping, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Mapping");
        auto* page = static_cast<CDlgTpMapList*>(sheet.ActivePage());
        EXPECT_EQ(Entries(page->m_pPriority), (QStringList{Tp(3), Tp(1)}));
        EXPECT_EQ(Entries(page->m_pAvailable), (QStringList{Tp(0), Tp(2)}));
        EXPECT_TRUE(page->m_pAvailable->selectedItems().isEmpty());
        EXPECT_TRUE(page->m_pPriority->selectedItems().isEmpty());
        ClickOk(dialog);
    }));
    EXPECT_EQ(mapping.TrafficProfileList, "3 1 ");
}

TEST_F(MappingSheet, AListThatStartsWithAWordOffersEveryProfile) {
    C_Doc_TpMapping& mapping = Make(ELAN_CLASSICAL_IP, 3);
    mapping.TrafficProfileList = "x1 2";
    EXPECT_TRUE(Edit(mapping, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Mapping");
        auto* page = static_cast<CDlgTpMapList*>(sheet.ActivePage());
        EXPECT_EQ(page->m_pPriority->count(), 0);
        EXPECT_EQ(Entries(page->m_pAvailable), (QStringList{Tp(0), Tp(1), Tp(2)}));
        ClickOk(dialog);
    }));
    EXPECT_EQ(mapping.TrafficProfileList, "");
}

TEST_F(MappingSheet, ProfilesMoveBetweenTheListsByButtonAndDoubleClick) {
    C_Doc_TpMapping& mapping = Make(ELAN_LANE, 0);  // the ten hardware defaults
    mapping.TrafficProfileList = "5 ";
    EXPECT_TRUE(Edit(mapping, [&](QDialog& dialog, CPropertySheet& sheet) {
        ClickTab(sheet, "Mapping");
        auto* page = static_cast<CDlgTpMapList*>(sheet.ActivePage());
        EXPECT_EQ(page->m_pAvailable->count(), 9);
        // Nothing selected: the arrows do nothing.
        Click(page->m_pAdd);
        Click(page->m_pRemove);
        EXPECT_EQ(page->m_pAvailable->count(), 9);
        EXPECT_EQ(page->m_pPriority->count(), 1);

        Select(page->m_pAvailable, "Tp7: Hardware Default");
        Click(page->m_pAdd);
        DoubleClick(page->m_pAvailable, "Tp0: Hardware Default");
        EXPECT_EQ(Entries(page->m_pPriority),
                  (QStringList{"Tp5: Hardware Default", "Tp7: Hardware Default",
                               "Tp0: Hardware Default"}));
        // Back into the available list at its alphabetical place.
        DoubleClick(page->m_pPriority, "Tp5: Hardware Default");
        EXPECT_EQ(page->m_pAvailable->item(4)->text(), "Tp5: Hardware Default");
        EXPECT_EQ(page->m_pAvailable->count(), 8);
        Select(page->m_pPriority, "Tp7: Hardware Default");
        Click(page->m_pRemove);
        Select(page->m_pAvailable, "Tp9: Hardware Default");
        Click(page->m_pAdd);
        ClickOk(dialog);
    }));
    EXPECT_EQ(mapping.TrafficProfileList, "0 9 ");
}

TEST_F(MappingSheet, AnUnopenedListPageKeepsTheStoredText) {
    C_Doc_TpMapping& mapping = Make(ELAN_LANE, 2);
    mapping.TrafficProfileList = "7 -3 x";
    EXPECT_TRUE(Edit(mapping, [&](QDialog& dialog, CPropertySheet&) { ClickOk(dialog); }));
    EXPECT_EQ(mapping.TrafficProfileList, "7 -3 x");
}

TEST_F(MappingSheet, AMappingWithoutItsOwnersCannotBeEdited) {
    C_Doc_TpMapping orphan;
    orphan.TrafficProfileList = "1 ";
    EXPECT_FALSE(orphan.EditProperties());
    EXPECT_EQ(orphan.TrafficProfileList, "1 ");
}

}  // namespace
}  // namespace netloom::test
