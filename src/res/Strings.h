#pragma once
// The program's string table and the message formatter used for every text with inserts.

#include <initializer_list>
#include <string>
#include <string_view>

namespace netloom {

// String ids shared by the core and the GUI.
enum StringId : int {
    IDS_ADDRESS_INVALID_ATM = 129,
    IDS_ADDRESS_INVALID_MAC = 130,
    IDS_CLIPBOARD_OPEN_FAILED = 131,
    IDS_CLIPBOARD_GET_FAILED = 132,
    IDS_ILLEGAL_VALUE = 133,
    IDS_ILLEGAL_KEYWORD = 134,
    IDS_ILLEGAL_ELAN_TYPE = 135,
    IDS_ILLEGAL_RATE_UNIT = 136,
    IDS_PVC_UNDEFINED_ELAN = 137,
    IDS_WEB_OPEN_FAILED = 48000,
};

// The text of a string-table entry; the empty text for an id the table does not hold.
std::string_view LoadString(int id);

// Fills "%1".."%9" (optionally followed by a "!fmt!" type spec, such as "%1!d!") with the
// given inserts, and "%%" with "%". The inserts are copied as they are: data never reaches a
// printf-style formatter. A reference to a missing insert becomes the empty text.
std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> inserts);

// Loads a string and fills its inserts.
std::string FormatString(int id, std::initializer_list<std::string_view> inserts);

}  // namespace netloom
