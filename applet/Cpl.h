#pragma once
// The control-panel interface between Loomctl's library and the program that hosts it: the
// loader's reasons, the message numbers, the item records and the two exported functions.

#include <cstdint>

namespace netloom {

// Why DllMain is called.
constexpr uint32_t DLL_PROCESS_DETACH = 0;
constexpr uint32_t DLL_PROCESS_ATTACH = 1;

// The messages a host sends to CPlApplet.
constexpr uint32_t CPL_INIT = 1;
constexpr uint32_t CPL_GETCOUNT = 2;
constexpr uint32_t CPL_INQUIRE = 3;
constexpr uint32_t CPL_SELECT = 4;
constexpr uint32_t CPL_DBLCLK = 5;
constexpr uint32_t CPL_STOP = 6;
constexpr uint32_t CPL_EXIT = 7;
constexpr uint32_t CPL_NEWINQUIRE = 8;

// An icon is a handle into the applet library's own icon table; 0 stands for no icon.
using HICON = uint32_t;

// The older item record, which Loomctl leaves unanswered.
struct CPLINFO {
    int32_t idIcon;
    int32_t idName;
    int32_t idInfo;
    int32_t lData;
};

// The item record a host asks for with CPL_NEWINQUIRE. Every field is 32 bits wide, so the
// record has the same 244 bytes on every machine and a host can check dwSize before it reads.
struct NEWCPLINFO {
    uint32_t dwSize;
    uint32_t dwFlags;
    uint32_t dwHelpContext;
    int32_t lData;
    HICON hIcon;
    char szName[32];
    char szInfo[64];
    char szHelpFile[128];
};
static_assert(sizeof(NEWCPLINFO) == 244, "the item record has a fixed size");

// The two exports, as a host finds them with dlsym.
using DllMainProc = int32_t (*)(void* instance, uint32_t reason, void* reserved);
using CPlAppletProc = int32_t (*)(void* window, uint32_t message, intptr_t lParam1,
                                  intptr_t lParam2);

}  // namespace netloom

extern "C" {
int32_t DllMain(void* instance, uint32_t reason, void* reserved);
int32_t CPlApplet(void* window, uint32_t message, intptr_t lParam1, intptr_t lParam2);
}
