#pragma once
// The operating-system services Netloom and Loomctl rely on, behind one small interface so that
// tests can stand in for the machine (a non-NT version record, a system directory elsewhere).

#include <cstdint>
#include <string>

namespace netloom {

// The platform identifier of the NT family in the version record.
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;

// The version record as the program asks for it; its size field must hold 148.
struct OsVersionInfo {
    uint32_t dwOSVersionInfoSize = sizeof(OsVersionInfo);
    uint32_t dwMajorVersion = 0;
    uint32_t dwMinorVersion = 0;
    uint32_t dwBuildNumber = 0;
    uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};
static_assert(sizeof(OsVersionInfo) == 148, "the version record has a fixed size");

class CSystemServices {
  public:
    virtual ~CSystemServices() = default;
    // $NETLOOM_SYSTEM_DIR when set and not empty, else /etc/netloom.
    virtual std::string GetSystemDirectory() = 0;
    // False when the record's size field is not the expected one.
    virtual bool GetVersionEx(OsVersionInfo& info) = 0;
    virtual bool SetCurrentDirectory(const std::string& path) = 0;
    // The empty text when the current directory cannot be named (removed, too deep).
    virtual std::string GetCurrentDirectory() = 0;
};

// The services of this machine, unless a test installed others.
CSystemServices& SystemServices();
// Installs services (null restores this machine's); returns the ones installed before.
CSystemServices* SetSystemServices(CSystemServices* services);

// The directory that holds the driver's configuration: the system directory, with "/drivers"
// appended on the NT platform.
std::string DriverDirectory(CSystemServices& system);

// Makes DriverDirectory the current directory; false (and the current directory unchanged)
// when it cannot be entered.
bool EnterDriverDirectory(CSystemServices& system);

}  // namespace netloom
