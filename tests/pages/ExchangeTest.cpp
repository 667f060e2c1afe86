// What every sheet shares: the address field's typing limit and Insert key, keyboard use of
// the sheet, the way back to a failing field from every kind of tab change, check boxes and
// radio groups fed with values outside their states, one size on every tab, drop-down lists
// that show their entries whole and a name for every control a screen reader announces.

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "PageTestSupport.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "pages/AdapterPages.h"
#include "pages/AddressEdit.h"
#include "pages/DlgOptions.h"
#include "pages/ElanPages.h"
#include "pages/PropertySheet.h"

namespace netloom::test {
namespace {

const QString kAtmMessage = QStringLiteral(
    "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
    "separated by blanks.");

class Exchange : public PagesTest {
  protected:
    bool EditAdapter(const std::function<void(QDialog&, CDlgAdp&)>& drive) {
        return Run(
            [&] { return m_adapter.EditProperties(); },
            [&](QDialog& dialog) { drive(dialog, *static_cast<CDlgAdp*>(Sheet(dialog).Page(0))); });
    }

    C_Doc_Adapter m_adapter;
};

TEST_F(Exchange, TheAddressFieldTakesNoMoreThan59TypedCharacters) {
    CScopedOptions options(m_userOptions, false, false);
    EditAdapter([&](QDialog& dialog, CDlgAdp& page) {
        Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
        TypeInto(page.m_pLecsAddress, QString(70, QLatin1Char('a')));
        EXPECT_EQ(page.m_pLecsAddress->text().size(), 59);
        ClickCancel(dialog);
    });
}

TEST_F(Exchange, InsertPutsTheTemplateWholeWithTheCaretAtItsEnd) {
    const std::string longTemplate(70, '3');
    CScopedOptions options(m_userOptions, false, false, longTemplate);
    EditAdapter([&](QDialog& dialog, CDlgAdp& page) {
        Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
        TypeInto(page.m_pLecsAddress, "12 34");
        page.m_pLecsAddress->setSelection(0, 2);
        PressKey(page.m_pLecsAddress, Qt::Key_Insert);
        EXPECT_EQ(page.m_pLecsAddress->text(), QString::fromStdString(longTemplate));
        EXPECT_EQ(page.m_pLecsAddress->cursorPosition(), 70);
        EXPECT_FALSE(page.m_pLecsAddress->hasSelectedText());
        // Over the limit by the program's doing: shown whole, and still editable downwards.
        PressKey(page.m_pLecsAddress, Qt::Key_Backspace);
        EXPECT_EQ(page.m_pLecsAddress->text().size(), 69);
        QTest::keyClicks(page.m_pLecsAddress, "3");
        EXPECT_EQ(page.m_pLecsAddress->text().size(), 69);
        ClickOk(dialog);
        EXPECT_EQ(Messages(), QStringList{kAtmMessage});
        ClickCancel(dialog);
    });
}

TEST_F(Exchange, OnlyTheBareInsertKeyInsertsTheTemplate) {
    CScopedOptions options(m_userOptions, false, false);
    EditAdapter([&](QDialog& dialog, CDlgAdp& page) {
        Click(FindText<QCheckBox>(&dialog, "Wellknown address"));
        TypeInto(page.m_pLecsAddress, "12");
        PressKey(page.m_pLecsAddress, Qt::Key_Insert, Qt::ShiftModifier);
        PressKey(page.m_pLecsAddress, Qt::Key_Insert, Qt::ControlModifier);
        EXPECT_FALSE(page.m_pLecsAddress->text().startsWith("39"));
        PressKey(page.m_pLecsAddress, Qt::Key_Insert, Qt::KeypadModifier);
        EXPECT_EQ(page.m_pLecsAddress->text(), kDefaultAddressTemplate);
        ClickOk(dialog);
    });
    EXPECT_EQ(m_adapter.LecsAtmAddress, kDefaultAddressTemplate);
}

TEST_F(Exchange, TheFirstControlHasTheFocusAndTheKeyboardWorksTheSheet) {
    CScopedOptions options(m_userOptions, false, true);
    C_Doc_Elan elan(ELAN_LANE);
    EXPECT_TRUE(Run([&] { return elan.EditProperties(); },
                    [&](QDialog& dialog) {
                        CPropertySheet& sheet = Sheet(dialog);
                        auto* general = static_cast<CDlgElan*>(sheet.Page(0));
                        EXPECT_TRUE(HasFocus(general->m_pAtmAddress));
                        // A failing page keeps the front against Ctrl+Tab too.
                        TypeInto(general->m_pFrameSize, "20");
                        PressKey(Focus(), Qt::Key_Tab, Qt::ControlModifier);
                        EXPECT_EQ(sheet.ActiveIndex(), 0);
                        EXPECT_EQ(Messages(),
                                  QStringList{"Please enter an integer between 1516 and 9234."});
                        EXPECT_TRUE(HasFocus(general->m_pFrameSize));
                        TypeInto(general->m_pFrameSize, "4544");
                        PressKey(Focus(), Qt::Key_Tab, Qt::ControlModifier);
                        EXPECT_EQ(sheet.ActiveIndex(), 1);
                        // Enter confirms from any field.
                        auto* lane = static_cast<CDlgElanLane*>(sheet.Page(1));
                        TypeInto(lane->m_pLanName, "engineering");
                        PressKey(lane->m_pLanName, Qt::Key_Return);
                        EXPECT_FALSE(dialog.isVisible());
                    }));
    EXPECT_EQ(elan.MaxDataFrameSize, 4544);
    EXPECT_EQ(elan.LanName, "engineering");

    // Enter in the frame-size list confirms as well; Escape cancels.
    EXPECT_TRUE(Run([&] { return elan.EditProperties(); },
                    [&](QDialog& dialog) {
                        auto* general = static_cast<CDlgElan*>(Sheet(dialog).Page(0));
                        TypeInto(general->m_pFrameSize, "9234");
                        PressKey(general->m_pFrameSize, Qt::Key_Return);
                    }));
    EXPECT_EQ(elan.MaxDataFrameSize, 9234);
    EXPECT_FALSE(Run([&] { return elan.EditProperties(); },
                     [&](QDialog&) { PressKey(Focus(), Qt::Key_Escape); }));
}

// However the user asks for another tab, a page that fails its check keeps the front and hands
// the keyboard back to the failing field with its text selected: the next key typed replaces
// it, and nothing asks for another tab change behind the user's back.
TEST_F(Exchange, EveryWayOfTurningThePageEndsInTheFailingField) {
    CScopedOptions options(m_userOptions, true, true);
    C_Doc_Elan elan(ELAN_LANE);
    elan.Adapter = &m_adapter;
    struct Failure {
        std::function<bool()> open;
        QString tab;
        std::function<QWidget*(CPropertySheet&)> field;
        QString text;
        QString message;
    };
    const std::vector<Failure> failures = {
        {[&] { return m_adapter.EditProperties(); }, "Traffic Control",
         [](CPropertySheet& sheet) { return static_cast<CDlgAdpTraffic*>(sheet.Page(2))->m_pRate; },
         "0", "Please enter an integer between 1 and 353208."},
        {[&] { return elan.EditProperties(); }, "General",
         [](CPropertySheet& sheet) { return static_cast<CDlgElan*>(sheet.Page(0))->m_pFrameSize; },
         "20", "Please enter an integer between 1516 and 9234."},
    };
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return [=](CPropertySheet&) { PressKey(Focus(), key, modifiers); };
    };
    const std::vector<std::pair<const char*, std::function<void(CPropertySheet&)>>> turns = {
        {"click on a tab",
         [](CPropertySheet& sheet) {
             ClickTab(sheet, sheet.Tabs()->tabText((sheet.ActiveIndex() + 1) % sheet.PageCount()));
         }},
        {"Ctrl+Tab", press(Qt::Key_Tab, Qt::ControlModifier)},
        {"Ctrl+Shift+Tab", press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier)},
        {"Ctrl+PageDown", press(Qt::Key_PageDown, Qt::ControlModifier)},
        {"Ctrl+PageUp", press(Qt::Key_PageUp, Qt::ControlModifier)},
        {"arrow on the tab row",
         [](CPropertySheet& sheet) {
             for (int i = 0; i < 10 && Focus() != sheet.Tabs()->tabBar(); ++i)
                 PressTab();
             const bool last = sheet.ActiveIndex() + 1 == sheet.PageCount();
             PressKey(Focus(), last ? Qt::Key_Left : Qt::Key_Right);
         }},
    };
    for (const Failure& failure : failures) {
        for (const auto& [how, turn] : turns) {
            SCOPED_TRACE(failure.tab.toStdString() + ", " + how);
            m_messages->Clear();
            Run(failure.open, [&](QDialog& dialog) {
                CPropertySheet& sheet = Sheet(dialog);
                ClickTab(sheet, failure.tab);
                const int index = sheet.ActiveIndex();
                QWidget* field = failure.field(sheet);
                TypeInto(field, failure.text);
                turn(sheet);
                EXPECT_EQ(sheet.ActiveIndex(), index);
                EXPECT_EQ(Messages(), QStringList{failure.message});
                EXPECT_TRUE(HasFocus(field))
                    << (Focus() ? Focus()->metaObject()->className() : "no focus");
                EXPECT_EQ(SelectedText(field), failure.text);
                QTest::keyClick(Focus(), Qt::Key_7);
                EXPECT_EQ(TextOf(field), "7");
                ClickCancel(dialog);
            });
        }
    }
}

TEST_F(Exchange, CheckBoxesAndRadioGroupsFedWithOddValues) {
    CScopedOptions options(m_userOptions, false, true);
    m_adapter.EnableSvcSupport = 2;       // the third state
    m_adapter.IlmiRegisterAddresses = 7;  // no state at all: shown clear
    m_adapter.FramingMode = 5;            // no button
    m_adapter.EmptyCells = 1;
    EXPECT_TRUE(Run([&] { return m_adapter.EditProperties(); },
                    [&](QDialog& dialog) {
                        auto* signalling = FindText<QCheckBox>(&dialog, "Enable Signalling");
                        EXPECT_EQ(signalling->checkState(), Qt::PartiallyChecked);
                        EXPECT_EQ(FindText<QCheckBox>(&dialog, "Enable ILMI")->checkState(),
                                  Qt::Unchecked);
                        Click(signalling);
                        EXPECT_EQ(signalling->checkState(), Qt::Checked);
                        Click(signalling);
                        EXPECT_EQ(signalling->checkState(), Qt::Unchecked);
                        ClickTab(Sheet(dialog), "Advanced");
                        EXPECT_FALSE(FindText<QRadioButton>(&dialog, "SONET")->isChecked());
                        EXPECT_FALSE(FindText<QRadioButton>(&dialog, "SDH")->isChecked());
                        EXPECT_TRUE(FindText<QRadioButton>(&dialog, "Unassigned")->isChecked());
                        ClickOk(dialog);
                    }));
    EXPECT_EQ(m_adapter.EnableSvcSupport, 0);
    EXPECT_EQ(m_adapter.IlmiRegisterAddresses, 0);
    EXPECT_EQ(m_adapter.FramingMode, 0);
    EXPECT_EQ(m_adapter.EmptyCells, 1);
}

// The keyboard walks a page's controls in the order they stand, then the tab row and the
// sheet's buttons.
TEST_F(Exchange, TabWalksThePageThenTheButtons) {
    CScopedOptions options(m_userOptions, false, false);
    Run([&] { return m_adapter.EditProperties(); },
        [&](QDialog& dialog) {
            QStringList order;
            for (int i = 0; i < 9; ++i) {
                QWidget* focus = Focus();
                QString name =
                    focus ? QString::fromLatin1(focus->metaObject()->className()) : "none";
                if (auto* button = qobject_cast<QAbstractButton*>(focus))
                    name = Plain(button->text());
                order << name;
                PressTab();
            }
            // The disabled address field is passed over.
            EXPECT_EQ(order, (QStringList{"Enable Signalling", "Enable ILMI", "QComboBox",
                                          "Wellknown address", "QTabBar", "OK", "Cancel",
                                          "Enable Signalling", "Enable ILMI"}));
            ClickCancel(dialog);
        });
}

// The width the style gives a drop-down list to show its longest entry whole, with its frame and
// arrow.
int WidthForLongestEntry(QComboBox* list) {
    const QFontMetrics metrics(list->font());
    int text = 0;
    for (int i = 0; i < list->count(); ++i)
        text = std::max(text, metrics.boundingRect(list->itemText(i)).width());
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    return list->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, metrics.height()), list)
        .width();
}

// The input controls of page that a screen reader could not name: without an accessible name of
// their own, a label that has them as its buddy, or a text (check boxes, radio buttons). What Qt
// would announce for them otherwise is the title of the group box around them, the same for
// every field in the group.
QStringList UnnamedControls(QWidget* page) {
    QList<QWidget*> labelled;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && !Plain(label->text()).trimmed().isEmpty())
            labelled.push_back(label->buddy());
    }
    QStringList unnamed;
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (!control->isVisible()) continue;
        QString name;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            name = Plain(button->text());
        } else if (qobject_cast<QLineEdit*>(control) != nullptr) {
            // The edit field inside a drop-down list or an up-down field is named with it.
            if (qobject_cast<QComboBox*>(control->parentWidget()) != nullptr ||
                qobject_cast<QAbstractSpinBox*>(control->parentWidget()) != nullptr)
                continue;
        } else if (qobject_cast<QComboBox*>(control) == nullptr &&
                   qobject_cast<QAbstractSpinBox*>(control) == nullptr) {
            continue;
        }
        if (name.trimmed().isEmpty() && control->accessibleName().trimmed().isEmpty() &&
            !labelled.contains(control)) {
            unnamed.push_back(QString::fromLatin1(control->metaObject()->className()) + " \"" +
                              TextOf(control) + '"');
        } else if (QAccessibleInterface* accessible =
                       QAccessible::queryAccessibleInterface(control);
                   accessible == nullptr || accessible->text(QAccessible::Name).isEmpty()) {
            unnamed.push_back(QString::fromLatin1(control->metaObject()->className()) +
                              " (named, but not to assistive technology)");
        }
    }
    return unnamed;
}

// Every object's sheet with all its optional pages, and every dialog: the size it opens with
// is the size of every tab, so that OK and Cancel stay under the pointer, no drop-down list
// cuts an entry short, and every input control has a name for screen readers.
TEST_F(Exchange, EverySheetKeepsOneSizeShowsEveryEntryWholeAndNamesEveryControl) {
    CScopedOptions options(m_userOptions, true, true);
    for (int32_t type = 0; type < 5; ++type) {
        m_adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
        m_adapter.TrafficProfiles.back()->m_nNumber = type;
        m_adapter.TrafficProfiles.back()->DescrType = type;
    }
    std::vector<std::pair<QString, std::function<bool()>>> opens = {
        {"adapter", [&] { return m_adapter.EditProperties(); }},
        {"traffic profile", [&] { return m_adapter.TrafficProfiles[3]->EditProperties(); }},
    };
    for (const auto& [type, kind] :
         {std::pair{ELAN_LANE, "LANE"}, std::pair{ELAN_CLASSICAL_IP, "Classical IP"},
          std::pair{ELAN_RFC1483, "RFC 1483"}}) {
        m_adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(type));
        C_Doc_Elan* elan = m_adapter.VirtualAdapters.back().get();
        elan->Adapter = &m_adapter;
        elan->Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
        elan->Mappings.back()->VirtualAdapter = elan;
        elan->Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
        elan->Pvcs.back()->VirtualAdapter = elan;
        opens.push_back(
            {QString("virtual adapter ") + kind, [elan] { return elan->EditProperties(); }});
        opens.push_back(
            {QString("mapping ") + kind, [elan] { return elan->Mappings[0]->EditProperties(); }});
        opens.push_back(
            {QString("PVC ") + kind, [elan] { return elan->Pvcs[0]->EditProperties(); }});
    }
    C_Doc_Cfgfile cfgfile;
    int elanType = 0;
    CUserOptions userOptions;
    CDlgOptions optionsDialog;
    opens.push_back({"adapter type", [&] { return cfgfile.EditProperties(); }});
    opens.push_back(
        {"virtual adapter type", [&] { return m_editor.ChooseVirtualAdapterType(elanType); }});
    opens.push_back({"options", [&] { return optionsDialog.Edit(userOptions); }});

    for (const auto& [name, open] : opens) {
        Run(open, [&, name = name](QDialog& dialog) {
            Settle();
            const QSize opened = dialog.size();
            auto* sheet = qobject_cast<CPropertySheet*>(&dialog);
            for (int i = 0; i < (sheet != nullptr ? sheet->PageCount() : 1); ++i) {
                QString where = name;
                if (sheet != nullptr) {
                    where += " / " + sheet->Tabs()->tabText(i);
                    ClickTab(*sheet, sheet->Tabs()->tabText(i));
                    Settle();
                }
                EXPECT_EQ(dialog.size(), opened) << where.toStdString();
                for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
                    if (!list->isVisible()) continue;
                    EXPECT_GE(list->width(), WidthForLongestEntry(list))
                        << where.toStdString() << ", list of " << list->itemText(0).toStdString();
                }
                EXPECT_EQ(UnnamedControls(&dialog), QStringList()) << where.toStdString();
            }
            ClickCancel(dialog);
        });
    }
    EXPECT_TRUE(Messages().isEmpty());
}

}  // namespace
}  // namespace netloom::test
