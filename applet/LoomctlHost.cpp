// loomctl: stands in for the control panel. It loads the applet library the way the control
// panel would, describes its item (--list) or opens it, and closes the library again.

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "applet/Cpl.h"

namespace netloom {

namespace {

constexpr const char* kLibrary = "libloomctl.so";
// More items than any applet describes; a larger count is taken as a broken library.
constexpr int32_t kMaxItems = 64;

constexpr const char* kUsage =
    "Usage: loomctl [--list]\n"
    "Open the ATM configuration item of the control panel: starts Netloom on the driver's\n"
    "configuration file in $NETLOOM_SYSTEM_DIR/drivers (or /etc/netloom/drivers).\n"
    "\n"
    "  --list      show the item's name and description instead of opening it\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n";

// The library sits at a fixed place relative to loomctl, in the build tree as once installed.
std::string LibraryPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return kLibrary;  // left to the library search
    return (self.parent_path() / LOOMCTL_LIBRARY_FROM_BIN / kLibrary).string();
}

// A text field of the item record, which the library may have left unterminated.
std::string_view Field(const char* text, size_t size) {
    return std::string_view(text, strnlen(text, size));
}

class CLoadedApplet {
  public:
    ~CLoadedApplet() {
        if (m_module == nullptr) return;
        // Closing the control panel: every item is stopped, then the applet as a whole.
        for (const CItem& item : m_items)
            m_applet(nullptr, CPL_STOP, item.index, item.info.lData);
        if (m_initialised) m_applet(nullptr, CPL_EXIT, 0, 0);
        m_dllMain(m_module, DLL_PROCESS_DETACH, nullptr);
        dlclose(m_module);
    }

    bool Load() {
        m_path = LibraryPath();
        m_module = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (m_module == nullptr) return Fail(dlerror());
        m_dllMain = reinterpret_cast<DllMainProc>(dlsym(m_module, "DllMain"));
        m_applet = reinterpret_cast<CPlAppletProc>(dlsym(m_module, "CPlApplet"));
        if (m_dllMain == nullptr || m_applet == nullptr) {
            const char* why = dlerror();
            dlclose(m_module);
            m_module = nullptr;
            return Fail(why);
        }
        if (m_dllMain(m_module, DLL_PROCESS_ATTACH, nullptr) == 0)
            return Fail("the library refused to be loaded");
        if (m_applet(nullptr, CPL_INIT, 0, 0) == 0) return Fail("the applet refused to start");
        m_initialised = true;
        return true;
    }

    // The items that describe themselves with a record of the right size.
    void Inquire() {
        const int32_t count = m_applet(nullptr, CPL_GETCOUNT, 0, 0);
        for (int32_t i = 0; i < count && i < kMaxItems; ++i) {
            NEWCPLINFO info{};
            m_applet(nullptr, CPL_NEWINQUIRE, i, reinterpret_cast<intptr_t>(&info));
            if (info.dwSize == sizeof(NEWCPLINFO)) m_items.push_back({i, info});
        }
    }

    void List() const {
        for (const CItem& item : m_items) {
            std::cout << Field(item.info.szName, sizeof(item.info.szName)) << "\n    "
                      << Field(item.info.szInfo, sizeof(item.info.szInfo)) << "\n";
        }
    }

    // Opens the first item, as a double click on it would.
    bool Open() {
        if (m_items.empty()) return Fail("the applet has no item to open");
        m_applet(nullptr, CPL_DBLCLK, m_items.front().index, m_items.front().info.lData);
        return true;
    }

  private:
    struct CItem {
        int32_t index;
        NEWCPLINFO info;
    };

    bool Fail(const char* why) const {
        std::cerr << "loomctl: " << m_path << ": " << (why ? why : "cannot be used") << "\n";
        return false;
    }

    std::string m_path;
    void* m_module = nullptr;
    DllMainProc m_dllMain = nullptr;
    CPlAppletProc m_applet = nullptr;
    bool m_initialised = false;
    std::vector<CItem> m_items;
};

}  // namespace

}  // namespace netloom

int main(int argc, char** argv) {
    using namespace netloom;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--list") {
            list = true;
        } else if (word == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (word == "--version") {
            std::cout << "loomctl " << NETLOOM_VERSION << "\n";
            return 0;
        } else {
            std::cerr << "loomctl: unknown option " << word << "\n" << kUsage;
            return 2;
        }
    }
    CLoadedApplet applet;
    if (!applet.Load()) return 1;
    applet.Inquire();
    if (list) {
        applet.List();
        return 0;
    }
    return applet.Open() ? 0 : 1;
}
