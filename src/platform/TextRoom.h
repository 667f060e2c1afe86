#pragma once
// Room for a text of a whole configuration, made at once.

#include <cstddef>
#include <string>

namespace netloom {

// Gives text (emptied) room for at least room bytes. A block this large comes fresh from the
// system each time, and the first touch of each of its pages is a fault: for a file of tens of
// megabytes, thousands of them, which on a virtual machine cost more than writing the text.
// Where the system can back the block with large pages, it is asked to, so that the faults
// are a few dozen.
void MakeTextRoom(std::string& text, size_t room);

}  // namespace netloom
