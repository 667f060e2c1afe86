// Loomctl: the control-panel item that starts Netloom on the driver's configuration file.

#include <cstring>
#include <string>

#include "applet/AppletResources.h"
#include "applet/Cpl.h"
#include "platform/StartProgram.h"
#include "platform/SystemServices.h"

#define LOOMCTL_EXPORT __attribute__((visibility("default")))

namespace netloom {

namespace {

constexpr const char* kOpenVerb = "open";
// A bare name: the program search on PATH finds it wherever it is installed.
constexpr const char* kNetloomProgram = "Netloom";
constexpr int32_t SW_SHOWNORMAL = 1;

// Written by DllMain, read by every call that loads a resource.
const void* g_instance = nullptr;
// Netloom's parameters, loaded again on each open.
char g_parameters[260];

// The shell's "open" of a program. The show state belongs to the started program's own
// windows here, so it is not passed on. Nobody waits for the program.
bool ShellExecute(const char* verb, const char* file, const char* parameters,
                  const std::string& directory, int32_t /*showCommand*/) {
    if (std::strcmp(verb, kOpenVerb) != 0) return false;
    return StartProgram(file, parameters, directory);
}

void FillItemRecord(NEWCPLINFO& info) {
    info.dwSize = sizeof(NEWCPLINFO);
    info.dwFlags = 0;
    info.dwHelpContext = 0;
    info.lData = 0;
    info.hIcon = LoadIcon(g_instance, IDI_APPLET);
    info.szHelpFile[0] = '\0';
    LoadString(g_instance, IDS_APPLET_NAME, info.szName, sizeof(info.szName));
    LoadString(g_instance, IDS_APPLET_INFO, info.szInfo, sizeof(info.szInfo));
}

void OpenNetloom() {
    // The same directory Netloom's "driverdir" flag enters, so the file name is found there.
    const std::string directory = DriverDirectory(SystemServices());
    LoadString(g_instance, IDS_NETLOOM_PARAMETERS, g_parameters, sizeof(g_parameters));
    // Whether Netloom started is not reported: the control panel has nowhere to show it.
    ShellExecute(kOpenVerb, kNetloomProgram, g_parameters, directory, SW_SHOWNORMAL);
}

}  // namespace

}  // namespace netloom

extern "C" LOOMCTL_EXPORT int32_t DllMain(void* instance, uint32_t /*reason*/, void* /*reserved*/) {
    netloom::g_instance = instance;
    return 1;
}

extern "C" LOOMCTL_EXPORT int32_t CPlApplet(void* /*window*/, uint32_t message,
                                            intptr_t /*lParam1*/, intptr_t lParam2) {
    using namespace netloom;
    switch (message) {
        case CPL_INIT:
        case CPL_GETCOUNT:
            return 1;  // initialised; one item
        case CPL_DBLCLK:
            OpenNetloom();
            return 0;
        case CPL_NEWINQUIRE:
            // A host that passes no record gets nothing written.
            if (lParam2 != 0) FillItemRecord(*reinterpret_cast<NEWCPLINFO*>(lParam2));
            return 0;
        default:
            // CPL_INQUIRE is not answered: only the newer record describes the item.
            return 0;
    }
}
