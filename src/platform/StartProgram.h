#pragma once
// Starting another program the way a shell's "open" verb would, but without a shell: the
// program is looked up on PATH, gets its own working directory and runs on by itself.

#include <string>
#include <vector>

namespace netloom {

// Splits a command-line parameter text into words: blanks and tabs separate words, double
// quotes group blanks into a word (the quotes themselves are dropped), and a backslash before
// a double quote or another backslash stands for that character.
std::vector<std::string> SplitCommandLine(const std::string& parameters);

// Starts program (searched on PATH when it holds no "/") with the words of parameters as its
// arguments, in workingDirectory when that is not empty. The program is not waited for and
// leaves no zombie behind. On failure returns false and sets *error (when given) to the errno
// value: ENOENT for a program that is not found, the chdir error for a bad directory.
bool StartProgram(const std::string& program, const std::string& parameters,
                  const std::string& workingDirectory, int* error = nullptr);

// The same with the arguments already split into words.
bool StartProgramWithArguments(const std::string& program, std::vector<std::string> arguments,
                               const std::string& workingDirectory, int* error = nullptr);

}  // namespace netloom
