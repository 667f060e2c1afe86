// Renders every property sheet and dialog, each tab on its own, and the toolbar and tree images
// into PNG files, so that their layout can be looked at without a display. Run it on the
// offscreen platform (or under Xvfb); the files go to the directory given as the argument, or
// to the build's screenshots directory.
//
//   pages_screenshots [--dark] [DIRECTORY]
//
// --dark renders with the Fusion style and a dark palette, for the images' edges on a dark
// background. With QT_SCALE_FACTOR=2 in the environment the pictures are taken at 200%, where
// the images' 2x versions are used.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
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
#include "view/TreeImages.h"

#include "app/res/Toolbar.xpm"
#include "app/res/Toolbar@2x.xpm"

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

// The toolbar's buttons and the tree's ten node images as the main window shows them.
void ShootImages() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* toolBar = new QToolBar(&window);
    const QSize buttonSize(16, 15);
    const int buttonCount = 16;
    toolBar->setIconSize(buttonSize);
    for (const QIcon& icon : CutImageStrip(kToolbarXpm, buttonSize, buttonCount, kToolbar2xXpm))
        toolBar->addAction(icon, QString());
    layout->addWidget(toolBar);

    auto* tree = new QTreeWidget(&window);
    tree->setHeaderHidden(true);
    tree->setIconSize(kTreeImageSize);
    QTreeWidgetItem* parent = nullptr;
    for (int i = 0; i < kTreeImageCount; ++i) {
        auto* item = parent == nullptr ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(parent);
        item->setText(0, QStringLiteral("Node image %1").arg(i));
        item->setIcon(0, TreeImages().value(i));
        if (i % 3 == 0) parent = item;  // a few levels, for the tree lines
    }
    tree->expandAll();
    layout->addWidget(tree);
    window.resize(320, 260);
    window.show();
    QApplication::processEvents();
    Save(window, QStringLiteral("images"));
}

// Fusion's colours turned dark, as a desktop's dark theme gives them.
void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    QApplication::setPalette(dark);
}

void ShootAll() {
    ShootImages();

    // Nothing here may wait for a person: a message would only be recorded.
    CScopedRecordingMessages messages;
    CUserOptions shown;
    shown.DisplayTrafficProfiles = true;
    shown.ExpertMode = true;
    CPropertyEditor editor(shown);
    SetObjectEditor(&editor);

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
    int arg = 1;
    if (arg < argc && std::strcmp(argv[arg], "--dark") == 0) {
        netloom::UseDarkPalette();
        ++arg;
    }
    netloom::g_directory =
        arg < argc ? QString::fromLocal8Bit(argv[arg]) : QStringLiteral(NETLOOM_SCREENSHOT_DIR);
    if (!QDir().mkpath(netloom::g_directory)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(netloom::g_directory));
        return 1;
    }
    netloom::ShootAll();
    std::printf("%d pictures in %s\n", netloom::g_written, qPrintable(netloom::g_directory));
    return netloom::g_written > 0 ? 0 : 1;
}
