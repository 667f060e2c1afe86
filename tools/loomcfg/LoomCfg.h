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

// The absolute, lexically cleaned form of path ("." and ".." resolved, no symlinks followed).
std::string AbsolutePath(const std::string& path);

}  // namespace netloom
