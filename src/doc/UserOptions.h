#pragma once
// The user options that decide what the tree and the property sheets show. The application
// object loads them from the settings at start-up and saves them at exit; everything else
// reads them through UserOptions().

#include <string>

namespace netloom {

constexpr const char* kDefaultAddressTemplate =
    "39 00 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 88 00";

struct CUserOptions {
    bool DisplayTrafficProfiles = false;
    bool ExpertMode = false;
    std::string AddressTemplate = kDefaultAddressTemplate;  // bytes, Latin-1 in the GUI
    // The reader's messages go to the Problems list instead of one message box each.
    bool ListFileProblems = false;
};

// The options of this process.
CUserOptions& UserOptions();

}  // namespace netloom
