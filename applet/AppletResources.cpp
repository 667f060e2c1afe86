#include "applet/AppletResources.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "applet/res/Icon101.xpm"
#include "applet/res/Icon102.xpm"
#include "applet/res/Icon104.xpm"
#include "applet/res/Icon105.xpm"

namespace netloom {

namespace {

struct CAppletString {
    uint32_t id;
    const char* text;
};

constexpr CAppletString kStrings[] = {
    {IDS_APPLET_NAME, "KA-210x ATM Configuration"},
    {IDS_APPLET_INFO, "Configure Brindle 155 Mbps ATM Network software"},
    {IDS_NETLOOM_PARAMETERS, "/driverdir ka-210x.cfg"},
};

// A handle is the position in this table plus one, so that 0 stays "no icon".
constexpr CAppletIcon kIcons[] = {
    {IDI_ADAPTER, kIcon101Xpm},
    {IDI_DOCUMENT, kIcon102Xpm},
    {IDI_NETWORK, kIcon104Xpm},
    {IDI_APPLET, kIcon105Xpm},
};

}  // namespace

int32_t LoadString(const void* instance, uint32_t id, char* buffer, int32_t limit) {
    if (buffer == nullptr || limit <= 0) return 0;
    buffer[0] = '\0';
    if (instance == nullptr) return 0;
    for (const CAppletString& entry : kStrings) {
        if (entry.id != id) continue;
        const size_t length = std::min(std::strlen(entry.text), static_cast<size_t>(limit) - 1);
        std::memcpy(buffer, entry.text, length);
        buffer[length] = '\0';
        return static_cast<int32_t>(length);
    }
    return 0;
}

HICON LoadIcon(const void* instance, uint32_t id) {
    if (instance == nullptr) return 0;
    for (size_t i = 0; i < std::size(kIcons); ++i) {
        if (kIcons[i].id == id) return static_cast<HICON>(i + 1);
    }
    return 0;
}

const CAppletIcon* IconFromHandle(HICON icon) {
    if (icon == 0 || icon > std::size(kIcons)) return nullptr;
    return &kIcons[icon - 1];
}

}  // namespace netloom
