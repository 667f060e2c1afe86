#pragma once
// The applet's own resources: its string table and its icon table. Both are found through the
// module instance; a null instance finds nothing, and the caller's field then stays empty.

#include <cstdint>

#include "applet/Cpl.h"

namespace netloom {

enum AppletStringId : uint32_t {
    IDS_APPLET_NAME = 1,         // shown under the icon
    IDS_APPLET_INFO = 2,         // the one-line description
    IDS_NETLOOM_PARAMETERS = 3,  // what Netloom is started with
};

enum AppletIconId : uint32_t {
    IDI_ADAPTER = 101,
    IDI_DOCUMENT = 102,
    IDI_NETWORK = 104,
    IDI_APPLET = 105,  // the item's icon
};

// Copies string id into buffer, cut to limit - 1 characters and always terminated; returns the
// number of characters copied. A missing string leaves the empty text and returns 0; a buffer
// of no characters is not touched.
int32_t LoadString(const void* instance, uint32_t id, char* buffer, int32_t limit);

// The handle of icon id; 0 when there is no such icon.
HICON LoadIcon(const void* instance, uint32_t id);

struct CAppletIcon {
    uint32_t id;
    const char* const* image;  // XPM lines
};

// The icon a handle stands for; null for 0 and for a handle the table does not hold.
const CAppletIcon* IconFromHandle(HICON icon);

}  // namespace netloom
