// SPDX-License-Identifier: GPL-3.0-or-later
// The running executable and its replacement on Linux: /proc/self/exe, stat, access, execv.
#include "zembra/platform/ProcessImage.h"

#include <cerrno>
#include <filesystem>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zembra {
namespace {

std::string systemWords(int error) {
    return std::generic_category().message(error);
}

class LinuxProcessImage final : public ProcessImage {
public:
    std::string executable() override {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? std::string() : exe.string();
    }

    std::optional<std::string> cannotRun(const std::string& program) override {
        struct stat status {};
        if (::stat(program.c_str(), &status) != 0) {
            return systemWords(errno);
        }
        if (!S_ISREG(status.st_mode)) {
            return "not a file";
        }
        if (::access(program.c_str(), X_OK) != 0) {
            return systemWords(errno);
        }
        return std::nullopt;
    }

    std::string replaceWith(const std::string& program,
                            const std::vector<std::string>& arguments) override {
        std::vector<char*> argv;
        argv.reserve(arguments.size() + 1);
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        return systemWords(errno);
    }

    void takeName(const std::string& name) override {
        // The kernel keeps 15 bytes of it; failing leaves the executable's name, harmless.
        ::prctl(PR_SET_NAME, name.c_str(), 0, 0, 0);
    }
};

} // namespace

std::unique_ptr<ProcessImage> makeProcessImage() {
    return std::make_unique<LinuxProcessImage>();
}

} // namespace zembra
