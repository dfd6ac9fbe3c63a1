#include "Process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Codepage.h"

#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

namespace verbal {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word, not nothing
        } else if (!quoted && (c == ' ' || c == '\t')) {
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

static bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string FindProgramInPath(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return std::string();
    const char* path = std::getenv("PATH");
    const std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        start = end + 1;
        if (dir.empty()) dir = ".";  // an empty entry is the current directory
        const std::string candidate = dir + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
    }
    return std::string();
}

static int ResultOfErrno(int error) {
    switch (error) {
        case ENOENT: return kStartFileNotFound;
        case ENOTDIR: return kStartPathNotFound;
        case EACCES:
        case EPERM:
        case EISDIR: return kStartAccessDenied;
        case ENOEXEC: return kStartBadFormat;
        default: return kStartFailed;
    }
}

// Tells why |program| (a path with a slash) cannot be started, before any
// process is made: which of the file or its directory is missing.
static int CheckProgramPath(const std::string& program) {
    const std::size_t slash = program.rfind('/');
    const std::string dir = slash == 0 ? std::string("/") : program.substr(0, slash);
    struct stat info {};
    if (stat(dir.c_str(), &info) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? kStartPathNotFound : ResultOfErrno(errno);
    }
    if (!S_ISDIR(info.st_mode)) return kStartPathNotFound;
    if (stat(program.c_str(), &info) != 0) return ResultOfErrno(errno);
    if (S_ISDIR(info.st_mode)) return kStartAccessDenied;
    return kStartOk;
}

int StartProcess(const std::string& commandLine) {
    return StartProgram(SplitCommandLine(commandLine));
}

int StartProgram(const std::vector<std::string>& words) {
    if (words.empty() || words[0].empty()) return kStartFileNotFound;

    std::vector<std::string> args;
    for (const auto& word : words) args.push_back(Cp1252ToUtf8(word));
    std::string program = args[0];
    if (program.find('/') == std::string::npos) {
        program = FindProgramInPath(program);
        if (program.empty()) return kStartFileNotFound;
    } else if (const int problem = CheckProgramPath(program); problem != kStartOk) {
        return problem;
    }

    // Everything the child needs is ready before fork(): between fork() and
    // exec() only async-signal-safe calls are allowed.
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    // The grandchild reports a failed exec() through this pipe; a successful
    // exec() closes it, and the reader sees the end of the file.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return kStartFailed;

    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return kStartFailed;
    }
    if (child == 0) {
        // The middle process exits at once, so the program is adopted by the
        // system and never stays a zombie of ours.
        close(report[0]);
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            if (grandchild < 0) {
                const int error = errno;
                (void)!write(report[1], &error, sizeof error);
            }
            _exit(0);
        }
        setsid();
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        // Ignored signals stay ignored across exec(); the browser gets the defaults.
        signal(SIGPIPE, SIG_DFL);
        signal(SIGCHLD, SIG_DFL);
        // Descriptors of this program (sockets, files) are not the browser's.
        syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC);
        execv(program.c_str(), argv.data());
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) return ResultOfErrno(error);
    return kStartOk;
}

}  // namespace verbal
