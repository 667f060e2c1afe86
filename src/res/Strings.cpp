#include "res/Strings.h"

#include <algorithm>
#include <iterator>

namespace netloom {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id so that lookup can bisect.
constexpr StringEntry kStrings[] = {
    {102, "%1 KB"},
    {103, "%1 KB Free on %2"},
    {104, "Unavailable"},
    {129,
     "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
     "separated by blanks."},
    {130,
     "Invalid MAC Address. Enter as 12 hexadecimal digits (0-9, a-f), every two possibly "
     "separated by blanks."},
    {131, "Failed to open Clipboard!"},
    {132, "Failed to get Clipboard data!"},
    {133, "Illegal Value \"%1\" for keyword \"%2\" ignored."},
    {134, "In \"%1\" definition: Illegal keyword \"%2\" ignored."},
    {135, "Illegal Virtual Adapter type \"%2\" ignored, LAN Emulation assumed."},
    {136, "Illegal traffic rate unit \"%1\" ignored, \"Cells\" assumed."},
    {137, "Pvc Userinstance %1!d! refers to undefined Virtual Adapter. Pvc definition ignored."},
    {57344, "Netloom"},
};

}  // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    if (it != std::end(kStrings) && it->id == id) return it->text;
    return {};
}

std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> inserts) {
    std::string out;
    out.reserve(pattern.size() + 32);
    const size_t n = pattern.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 >= n) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
            continue;
        }
        if (next < '1' || next > '9') {
            out += c;
            continue;
        }
        const size_t index = static_cast<size_t>(next - '1');
        i += 1;
        // Skip a "!fmt!" type spec; the caller has already rendered the insert as text.
        if (i + 1 < n && pattern[i + 1] == '!') {
            const size_t close = pattern.find('!', i + 2);
            if (close != std::string_view::npos) i = close;
        }
        if (index < inserts.size()) out.append(*(inserts.begin() + index));
    }
    return out;
}

std::string FormatString(int id, std::initializer_list<std::string_view> inserts) {
    return FormatMessageText(LoadString(id), inserts);
}

}  // namespace netloom
