#include "platform/StartProgram.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace netloom {

std::vector<std::string> SplitCommandLine(const std::string& parameters) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '\\' && i + 1 < parameters.size() &&
            (parameters[i + 1] == '"' || parameters[i + 1] == '\\')) {
            word += parameters[++i];
            inWord = true;
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

bool StartProgram(const std::string& program, const std::string& parameters,
                  const std::string& workingDirectory, int* error) {
    return StartProgramWithArguments(program, SplitCommandLine(parameters), workingDirectory,
                                     error);
}

bool StartProgramWithArguments(const std::string& program, std::vector<std::string> arguments,
                               const std::string& workingDirectory, int* error) {
    auto fail = [error](int code) {
        if (error) *error = code;
        return false;
    };
    if (program.empty()) return fail(ENOENT);

    // Everything is prepared before fork: the intermediate child only calls chdir,
    // posix_spawnp and _exit, so it never touches locks another thread of ours may hold.
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (auto& word : arguments)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const char* dir = workingDirectory.empty() ? nullptr : workingDirectory.c_str();

    // The program is started by an intermediate child that exits at once, so the program is
    // re-parented to init and nobody has to wait for it.
    const pid_t middle = fork();
    if (middle < 0) return fail(errno);
    if (middle == 0) {
        if (dir != nullptr && chdir(dir) != 0) _exit(errno & 0xff);
        pid_t pid = 0;
        const int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
        _exit(rc & 0xff);
    }
    int status = 0;
    while (waitpid(middle, &status, 0) < 0) {
        if (errno != EINTR) return fail(errno);
    }
    if (!WIFEXITED(status)) return fail(ECHILD);
    if (WEXITSTATUS(status) != 0) return fail(WEXITSTATUS(status));
    return true;
}

}  // namespace netloom
