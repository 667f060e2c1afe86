#include "platform/SystemServices.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace netloom {

namespace {

constexpr const char* kDefaultSystemDirectory = "/etc/netloom";

class CMachineServices : public CSystemServices {
  public:
    std::string GetSystemDirectory() override {
        const char* dir = std::getenv("NETLOOM_SYSTEM_DIR");
        if (dir != nullptr && *dir != '\0') return dir;
        return kDefaultSystemDirectory;
    }

    bool GetVersionEx(OsVersionInfo& info) override {
        if (info.dwOSVersionInfoSize != sizeof(OsVersionInfo)) return false;
        // The drivers directory layout of the NT family is the one this port keeps.
        info.dwMajorVersion = 4;
        info.dwMinorVersion = 0;
        info.dwBuildNumber = 0;
        info.dwPlatformId = VER_PLATFORM_WIN32_NT;
        info.szCSDVersion[0] = '\0';
        return true;
    }

    bool SetCurrentDirectory(const std::string& path) override {
        return !path.empty() && chdir(path.c_str()) == 0;
    }

    std::string GetCurrentDirectory() override {
        std::vector<char> buffer(256);
        for (;;) {
            if (getcwd(buffer.data(), buffer.size()) != nullptr) return buffer.data();
            if (errno != ERANGE || buffer.size() >= (1u << 20)) return std::string();
            buffer.resize(buffer.size() * 2);
        }
    }
};

CMachineServices g_machine;
CSystemServices* g_installed = nullptr;

}  // namespace

CSystemServices& SystemServices() {
    return g_installed ? *g_installed : g_machine;
}

CSystemServices* SetSystemServices(CSystemServices* services) {
    CSystemServices* previous = g_installed;
    g_installed = services;
    return previous;
}

std::string DriverDirectory(CSystemServices& system) {
    std::string dir = system.GetSystemDirectory();
    OsVersionInfo version;
    if (system.GetVersionEx(version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        dir += "/drivers";
    }
    return dir;
}

bool EnterDriverDirectory(CSystemServices& system) {
    return system.SetCurrentDirectory(DriverDirectory(system));
}

}  // namespace netloom
