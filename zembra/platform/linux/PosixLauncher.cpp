// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher on Linux: posix_spawn with an argument vector, so a game name holding ";",
// "$(...)", quotes or blanks reaches the emulator as data.
#include "common/text/NativePath.h"
#include "zembra/platform/Launcher.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zembra {
namespace {

bool endsWithExe(const std::string& program) {
    if (program.size() < 4) {
        return false;
    }
    std::string tail = program.substr(program.size() - 4);
    for (char& c : tail) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return tail == ".exe";
}

bool isFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
}

/// What a start is for, so that a failure can say what to do about it.
enum class Role { Emulator, Opener };

/// Why `args` could not be started, naming the program that is missing rather than the folder
/// it was to start in, and what the owner can do about it.
std::string failureText(int error, const std::vector<std::string>& args, bool throughWine,
                        Role role) {
    const std::string& program = args.front();
    if (error == ENOENT) {
        if (throughWine) {
            return "cannot find wine, which runs the Windows program " + args[1] + ": install wine";
        }
        if (role == Role::Opener) {
            return "cannot find the program " + program +
                   ", which opens the tables: install it, or set ZEMBRA_OPENER to the program "
                   "that plays them";
        }
        if (program.find('/') == std::string::npos) {
            return "cannot find the program " + program +
                   " on the PATH: install it, or give its folder in quarn.ini or extra.lst";
        }
        if (::access(program.c_str(), F_OK) == 0) {
            return "cannot start " + program +
                   ": the interpreter its first line names cannot be found";
        }
        return "cannot find the program " + program +
               ": install it there, or correct its folder and name in quarn.ini or extra.lst";
    }
    if (error == EACCES) {
        return "cannot start " + program + ": it is not executable (permission denied)";
    }
    return "cannot start " + program + ": " + std::strerror(error);
}

class PosixLauncher final : public Launcher {
public:
    PosixLauncher(std::string wine, std::string opener)
        : wine_(std::move(wine)), opener_(std::move(opener)) {}

    ~PosixLauncher() override { reap(); }

    Result start(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& workingFolder, bool wait) override {
        const std::vector<std::string> args = launchArguments(program, arguments, wine_);
        const bool throughWine = args.size() > arguments.size() + 1;
        return spawn(args, workingFolder, wait, throughWine, Role::Emulator);
    }

    Result open(const std::string& file, const std::string& folder) override {
        const std::string native = common::nativePathText(file);
        Result result = spawn({opener_, native}, folder, false, false, Role::Opener);
        if (result.started) {
            opened_ = native;
        }
        return result;
    }

    bool running() override {
        reap();
        return std::find(children_.begin(), children_.end(), watched_) != children_.end();
    }

    std::string openFailure() override {
        if (opened_.empty() || running() || watchedStatus_ == 0) {
            return {};
        }
        return "the program " + opener_ + " could not open " + opened_ + " (exit status " +
               std::to_string(watchedStatus_) +
               "): make a table player the desktop's choice for such files, or set ZEMBRA_OPENER "
               "to the program that plays them";
    }

private:
    Result spawn(const std::vector<std::string>& args, const std::string& folder, bool wait,
                 bool throughWine, Role role) {
        reap();
        watched_ = 0;
        watchedStatus_ = 0;
        opened_.clear();
        if (args.empty() || args.front().empty()) {
            return {false, "there is no program to start"};
        }
        const std::string native = common::nativePathText(folder);
        // Told apart before the start: a child that cannot enter its folder reports the same
        // "no such file" as a program that is missing.
        if (!native.empty() && !isFolder(native)) {
            const std::string& what = role == Role::Opener || throughWine ? args[1] : args[0];
            return {false, (role == Role::Opener ? "cannot open " : "cannot start ") + what +
                               ": its folder " + native + " does not exist"};
        }
        std::vector<char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!native.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions, native.c_str());
        }
        pid_t pid = 0;
        const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            return {false, failureText(error, args, throughWine, role)};
        }
        if (wait) {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        } else {
            children_.push_back(pid);
            watched_ = pid;
        }
        return {true, {}};
    }

    /// Programs left running are collected once they end, so none lingers as a zombie.
    void reap() {
        std::erase_if(children_, [this](pid_t child) {
            int status = 0;
            if (::waitpid(child, &status, WNOHANG) == 0) {
                return false;
            }
            if (child == watched_) {
                watchedStatus_ = WIFEXITED(status)     ? WEXITSTATUS(status)
                                 : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                                       : 0;
            }
            return true;
        });
    }

    std::string wine_;
    std::string opener_;
    std::vector<pid_t> children_;
    pid_t watched_ = 0;     ///< the program last started without waiting, 0 for none
    int watchedStatus_ = 0; ///< its exit status once it has ended
    std::string opened_;    ///< the file of the last open() that started
};

} // namespace

std::vector<std::string> launchArguments(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         const std::string& wine) {
    if (program.empty()) {
        return {};
    }
    std::vector<std::string> args{common::nativePathText(program)};
    std::string& file = args.front();
    if (file.find('/') != std::string::npos && file.front() != '/') {
        std::error_code ignored;
        file = std::filesystem::absolute(file, ignored).string();
    }
    // A Windows emulator on a Linux cabinet: wine runs what cannot run by itself.
    if (endsWithExe(file) && ::access(file.c_str(), X_OK) != 0) {
        args.insert(args.begin(), wine);
    }
    args.insert(args.end(), arguments.begin(), arguments.end());
    return args;
}

std::unique_ptr<Launcher> makeLauncher(std::string wine, std::string opener) {
    return std::make_unique<PosixLauncher>(std::move(wine), std::move(opener));
}

} // namespace zembra
