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
    {128, "Netloom\n\n\nNetloom Files (*.cfg)\n.cfg\nNetloom.Document\nNetloom Document"},
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
    {32771, "Show or hide the traffic profiles\nToggle traffic profiles"},
    {32772, "Edits the current selection's properties\nProperties"},
    {32773, "Insert (physical) ATM Adapter\nNew Adapter"},
    {32774, "Insert Virtual  Adapter (Elan)\nNew Virtual Adapter"},
    {32775, "Insert Traffic Profile\nNew Traffic Profile"},
    {32776, "Insert Permanent Virtual Circuit\nNew PVC"},
    {32777, "Insert Traffic Profile Mapping\nNew Traffic Profile Mapping"},
    {32784, "View extra options for advanced settings\nExpert Mode"},
    {32785, "Sets Options\nOptions"},
    {32797, "Deletes the selection\nDelete"},
    {32800, "Show or hide the list of problems\nProblems"},
    {48000, "Unable to open Internet URL. You may need to install an Internet Browser."},
    {48200, "www.varnel.example"},
    {48201, "de.varnel.example"},
    {48300, "http://%s/"},
    {48301, "http://%s/cgi-bin/driver-search?ATM"},
    {48302, "http://%s/products/index-atm.html"},
    {48400, "Varnel Homepage"},
    {48401, "ATM software"},
    {48402, "ATM products"},
    {57344, "Netloom"},
    {57345, "For Help, press F1"},
    {57600, "Create a new document\nNew"},
    {57601, "Open an existing document\nOpen"},
    {57603, "Save the active document\nSave"},
    {57604, "Save the active document with a new name\nSave As"},
    {57606, "Change the printer and printing options\nPrint Setup"},
    {57607, "Print the active document\nPrint"},
    {57609, "Display full pages\nPrint Preview"},
    {57612, "Send the active document through electronic mail\nSend Mail"},
    {57616, "Open this document"},
    {57634, "Copy the selection and put it on the Clipboard\nCopy"},
    {57635, "Cut the selection and put it on the Clipboard\nCut"},
    {57636, "Find the specified text\nFind"},
    {57637, "Insert Clipboard contents\nPaste"},
    {57643, "Undo the last action\nUndo"},
    {57644, "Redo the previously undone action\nRedo"},
    {57664, "Display program information and version\nAbout"},
    {57665, "Quit the application; prompts to save documents\nExit"},
    {57667, "List Help topics\nHelp Topics"},
    {57669, "Display help for clicked on buttons, menus and windows\nHelp"},
    {57670, "Display help for the current task or command\nHelp"},
    {57680, "Switch to the next window pane\nNext Pane"},
    {57681, "Switch back to the previous window pane\nPrevious Pane"},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
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
    size_t i = 0;
    while (i < n) {
        // The text up to the next '%' goes in whole.
        const size_t percent = std::min(pattern.find('%', i), n);
        out.append(pattern.substr(i, percent - i));
        i = percent;
        if (i >= n) break;
        if (i + 1 >= n) {
            out += '%';
            break;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            i += 2;
            continue;
        }
        if (next < '1' || next > '9') {
            out += '%';
            ++i;
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
        ++i;
    }
    return out;
}

std::string FormatString(int id, std::initializer_list<std::string_view> inserts) {
    return FormatMessageText(LoadString(id), inserts);
}

}  // namespace netloom
