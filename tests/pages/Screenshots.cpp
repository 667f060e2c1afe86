// Renders every property sheet and dialog, each tab on its own, into PNG files, so that their
// layout can be looked at without a display. Run it on the offscreen platform (or under Xvfb);
// the files go to the directory given as the first argument, or to the build's screenshots
// directory.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/UserOptions.h"
#include "pages/DlgOptions.h"
#include "pages/PropertyEditor.h"
#include "pages/PropertySheet.h"
#include "ui/MessageService.h"

namespace netloom {
namespace {

QString g_directory;
int g_written = 0;

void Save(QWidget& widget, const QString& name) {
    const QString path = g_directory + QLatin1Char('/') + name + QStringLiteral(".png");
    if (widget.grab().save(path)) {
        ++g_written;
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

// Runs open (which shows a modal sheet or dialog) and saves a picture of every tab.
void Shoot(const QString& name, const std::function<bool()>& open) {
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        if (auto* sheet = qobject_cast<CPropertySheet*>(dialog)) {
            for (int i = 0; i < sheet->PageCount(); ++i) {
                sheet->SetActivePage(i);
                QString tab = sheet->Tabs()->tabText(i);
                tab.replace(QLatin1Char('/'), QLatin1Char('-'))
                    .replace(QLatin1Char(' '), QLatin1Char('_'));
                Save(*dialog,
                     name + QLatin1Char('-') + QString::number(i + 1) + QLatin1Char('-') + tab);
            }
        } else {
            Save(*dialog, name);
        }
        dialog->reject();
    });
    open();
}

void ShootAll() {
    // Nothing here may wait for a person: a message would only be recorded.
    CScopedRecordingMessages messages;
    CPropertyEditor editor;
    SetObjectEditor(&editor);
    UserOptions().DisplayTrafficProfiles = true;
    UserOptions().ExpertMode = true;

    C_Doc_Adapter adapter;
    for (int i = 0; i < 3; ++i) {
        adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
        adapter.TrafficProfiles.back()->m_nNumber = i;
        adapter.TrafficProfiles.back()->DescrType = i;
    }
    adapter.MaxVpiBits = 2;
    adapter.MaxVciBits = 8;
    Shoot(QStringLiteral("adapter"), [&] { return adapter.EditProperties(); });
    Shoot(QStringLiteral("traffic-profile"),
          [&] { return adapter.TrafficProfiles[2]->EditProperties(); });

    for (int32_t type : {ELAN_LANE, ELAN_CLASSICAL_IP, ELAN_RFC1483}) {
        adapter.VirtualAdapters.push_back(std::make_unique<C_Doc_Elan>(type));
        C_Doc_Elan& elan = *adapter.VirtualAdapters.back();
        elan.Adapter = &adapter;
        elan.Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
        elan.Mappings.back()->VirtualAdapter = &elan;
        elan.Mappings.back()->TrafficProfileList = "2 ";
        elan.Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
        elan.Pvcs.back()->VirtualAdapter = &elan;
        const QString kind = QString::fromLatin1(type == ELAN_LANE           ? "lane"
                                                 : type == ELAN_CLASSICAL_IP ? "clip"
                                                                             : "rfc1483");
        Shoot(QStringLiteral("elan-") + kind, [&] { return elan.EditProperties(); });
        Shoot(QStringLiteral("mapping-") + kind,
              [&] { return elan.Mappings.back()->EditProperties(); });
        Shoot(QStringLiteral("pvc-") + kind, [&] { return elan.Pvcs.back()->EditProperties(); });
    }

    C_Doc_Cfgfile cfgfile;
    Shoot(QStringLiteral("select-adapter-type"), [&] { return cfgfile.EditProperties(); });
    int type = 0;
    Shoot(QStringLiteral("select-virtual-adapter-type"),
          [&] { return editor.ChooseVirtualAdapterType(type); });
    CUserOptions options;
    CDlgOptions dialog;
    Shoot(QStringLiteral("options"), [&] { return dialog.Edit(options); });
    SetObjectEditor(nullptr);
}

}  // namespace
}  // namespace netloom

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    netloom::g_directory =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(NETLOOM_SCREENSHOT_DIR);
    if (!QDir().mkpath(netloom::g_directory)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(netloom::g_directory));
        return 1;
    }
    netloom::ShootAll();
    std::printf("%d pictures in %s\n", netloom::g_written, qPrintable(netloom::g_directory));
    return netloom::g_written > 0 ? 0 : 1;
}
