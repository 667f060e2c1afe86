#pragma once
// A traffic profile mapping's TrafficProfileList: the adapter's profile numbers in priority
// order, as decimal numbers each followed by a blank.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace netloom {

// The mapping page offers the adapter's profiles 0..31 at most.
constexpr int32_t kMaxOfferedProfiles = 32;

// The list's tokens: runs of bytes after white space, each ending before a blank or a tab.
std::vector<std::string_view> ProfileListTokens(std::string_view list);

// The number at the start of one token (optional sign, then digits), without wrap-around;
// false when the token does not begin with one.
bool ReadProfileToken(std::string_view token, int64_t& out);
// Whether reading a list stops at a token that holds n (ReadProfileToken) or none.
constexpr bool EndsProfileList(bool read, int64_t n) {
    return !read || n == -1;
}

// The numbers at the start of the list's tokens, in order. Reading stops at the first token
// that does not begin with a number and at the number -1 (neither is returned).
std::vector<int32_t> ReadTrafficProfileNumbers(std::string_view list);

// The stored form: every number in decimal followed by one blank; empty for no numbers.
std::string WriteTrafficProfileList(const std::vector<int32_t>& numbers);

// Supplies the name of profile n; false when the adapter has no profile n.
using ProfileNameFn = std::function<bool(int32_t, std::string&)>;

struct ProfileEntry {
    int32_t number;
    std::string name;
};

struct ProfileLists {
    std::vector<ProfileEntry> prioritized;  // in the stored order
    std::vector<ProfileEntry> available;    // by number; the page sorts them by name
};

// Splits the adapter's profiles between the priority list (the stored numbers that name a
// profile, each once) and the available list (the profiles 0..31 not already prioritized,
// stopping at the first number without a profile). Numbers that name no profile (negative
// ones, ones past the adapter's profiles) are dropped and take nothing from the available
// list; a number of 32 or more that does name a profile keeps its place in the priority list.
ProfileLists BuildProfileLists(std::string_view list, const ProfileNameFn& nameOf);

// The list as the "Mapping" page stores it when it is confirmed untouched: the prioritized
// numbers of BuildProfileLists.
std::string PageTrafficProfileList(std::string_view list, const ProfileNameFn& nameOf);

}  // namespace netloom
