#include "fields/ProfileList.h"

#include <limits>
#include <set>

#include "cfgfile/ValueForms.h"

namespace netloom {

// The decimal number at the start of token (optional sign, then digits), as "%d" would read
// it, but without its wrap-around: values far outside 32 bits stay outside.
bool ReadProfileToken(std::string_view token, int64_t& out) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    constexpr int64_t kCap = int64_t{1} << 40;
    int64_t magnitude = 0;
    const size_t firstDigit = i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9') {
        if (magnitude < kCap) magnitude = magnitude * 10 + (token[i] - '0');
        ++i;
    }
    if (i == firstDigit) return false;
    out = negative ? -magnitude : magnitude;
    return true;
}

std::vector<std::string_view> ProfileListTokens(std::string_view list) {
    std::vector<std::string_view> tokens;
    std::string_view rest = list;
    for (;;) {
        size_t start = 0;
        while (start < rest.size() && IsCSpace(static_cast<unsigned char>(rest[start])))
            ++start;
        rest.remove_prefix(start);
        if (rest.empty()) break;
        const size_t end = rest.find_first_of(" \t");
        tokens.push_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
    return tokens;
}

std::vector<int32_t> ReadTrafficProfileNumbers(std::string_view list) {
    std::vector<int32_t> numbers;
    for (const std::string_view token : ProfileListTokens(list)) {
        int64_t n = 0;
        const bool read = ReadProfileToken(token, n);
        if (EndsProfileList(read, n)) break;
        // A number no 32-bit value can hold names no profile; it must not be cut down into
        // one that does.
        if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
            numbers.push_back(static_cast<int32_t>(n));
    }
    return numbers;
}

std::string WriteTrafficProfileList(const std::vector<int32_t>& numbers) {
    std::string out;
    for (const int32_t n : numbers) {
        out += std::to_string(n);
        out += ' ';
    }
    return out;
}

ProfileLists BuildProfileLists(std::string_view list, const ProfileNameFn& nameOf) {
    ProfileLists lists;
    std::set<int32_t> taken;
    std::string name;
    for (const int32_t n : ReadTrafficProfileNumbers(list)) {
        if (n < 0 || taken.count(n) != 0 || !nameOf(n, name)) continue;
        lists.prioritized.push_back(ProfileEntry{n, name});
        taken.insert(n);
    }
    for (int32_t n = 0; n < kMaxOfferedProfiles && nameOf(n, name); ++n) {
        if (taken.count(n) == 0) lists.available.push_back(ProfileEntry{n, name});
    }
    return lists;
}

std::string PageTrafficProfileList(std::string_view list, const ProfileNameFn& nameOf) {
    std::vector<int32_t> numbers;
    for (const ProfileEntry& entry : BuildProfileLists(list, nameOf).prioritized)
        numbers.push_back(entry.number);
    return WriteTrafficProfileList(numbers);
}

}  // namespace netloom
