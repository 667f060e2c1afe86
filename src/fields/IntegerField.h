#pragma once
// The integer fields of the property pages. Both kinds accept blanks and tabs around one
// decimal number with an optional sign. The values end up in 32-bit signed members, so a
// number those cannot hold is refused like any other bad text rather than wrapped: an
// unsigned field takes 0..2147483647, a signed one the whole 32-bit range.

#include <cstdint>
#include <string_view>

namespace netloom {

// An unsigned field: a leading "-" makes the text invalid.
bool ParseUnsignedField(std::string_view text, int32_t& out);
// A signed field.
bool ParseSignedField(std::string_view text, int32_t& out);

}  // namespace netloom
