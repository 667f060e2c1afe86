#pragma once
// loomcfg: checks, reformats and lists configuration files from the command line, reading and
// writing them exactly as Netloom does.

#include <iosfwd>
#include <string>
#include <vector>

namespace netloom {

// Runs loomcfg with args (without the program name); returns the exit status:
// 0 no reader messages, 1 some file produced messages, 2 a file could not be read or written,
// or the command line was wrong.
int RunLoomCfg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads a whole file into bytes; false with the system's reason on failure.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// Writes bytes to path through a temporary file in the same folder that is renamed over it,
// so the old file stays intact on any failure. Follows a symbolic link to the file it names and
// keeps the old file's mode bits.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason);

// The absolute, lexically cleaned form of path ("." and ".." resolved, no symlinks followed).
std::string AbsolutePath(const std::string& path);

}  // namespace netloom
