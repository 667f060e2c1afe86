#pragma once
// The user options that decide what the tree and the property sheets show. The application
// object owns them: it loads them from the settings at start-up, saves them at exit, and hands
// them by reference to whatever reads or changes them (the tree view, the property editor, the
// document manager). Nothing else keeps a copy, so a change shows everywhere at once.

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

// Whether going from before to after changes which nodes the tree has, so that it must be
// built again: only the traffic profiles' groups depend on an option.
bool NeedsTreeRebuild(const CUserOptions& before, const CUserOptions& after);

}  // namespace netloom
