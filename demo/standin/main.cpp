// SPDX-License-Identifier: GPL-3.0-or-later
// zembra_standin: a pretend emulator that records how it was started and the keys it receives.
//
//   zembra_standin [ANYTHING ...]
//
// Every argument is data: none is an option of the stand-in, and none reaches Qt. The record
// goes to the file named by ZEMBRA_STANDIN_RECORD, opened for appending so that several launches
// add to one file, or to standard error when the variable is unset or empty (or the file cannot
// be opened). Each entry is one line, written whole and at once, so that the record can be read
// while the stand-in runs:
//
//   program <argv[0]>
//   arg <argument>              one for each argument, in order; `arg ` for an empty one
//   folder <working folder>     empty when the working folder cannot be found out
//   focus                       each time the window gains the keyboard
//   down <key> / up <key>       each key press and release, auto-repeats left out
//   end escape                  Escape was pressed: the stand-in ends with status 0
//   end visual-pinball          Q, then Alt+F, then X was pressed: it ends with status 0
//   end closed                  the window was closed some other way
//
// Arguments, the folder and key names are written as their bytes, except that a backslash is
// written as `\\`, a line feed as `\n` and a carriage return as `\r`, so that no entry can
// spread over two lines. Reading a line back means undoing exactly these three.
#include "StandInWindow.h"
#include "common/text/AtomicFile.h"

#include <QApplication>
#include <QScreen>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

/// The text as the record writes it: see the file's top comment.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

/// Where the record goes. Each entry is one write() of a whole line, so lines from stand-ins
/// appending to the same file never interleave and a reader never sees half a line.
class Record {
public:
    Record() {
        const char* path = std::getenv("ZEMBRA_STANDIN_RECORD");
        if (path == nullptr || *path == '\0') {
            return;
        }
        fd_ = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            const int error = errno;
            fd_ = STDERR_FILENO;
            std::fprintf(stderr,
                         "zembra_standin: cannot open the record file %s (%s); "
                         "writing the record to standard error\n",
                         escaped(path).c_str(), std::strerror(error));
        }
    }
    ~Record() {
        if (fd_ != STDERR_FILENO) {
            ::close(fd_);
        }
    }
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    void entry(std::string_view text) {
        const std::string line = escaped(text) + '\n';
        if (!common::writeAll(fd_, line) && fd_ != STDERR_FILENO) {
            const int error = errno;
            std::fprintf(stderr,
                         "zembra_standin: cannot write to the record file (%s); "
                         "writing the record to standard error\n",
                         std::strerror(error));
            ::close(fd_);
            fd_ = STDERR_FILENO;
            common::writeAll(fd_, line);
        }
    }

private:
    int fd_ = STDERR_FILENO;
};

QString shown(std::string_view bytes) {
    const std::string text = escaped(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int main(int argc, char** argv) {
    Record record;

    // A program can be started with no argv[0] at all.
    const std::string program = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    const std::vector<std::string> arguments(argc > 1 ? argv + 1 : argv,
                                             argc > 1 ? argv + argc : argv);
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        std::fprintf(stderr, "zembra_standin: cannot find out the working folder (%s)\n",
                     error.message().c_str());
    }

    // Written before any window exists, so that a launch is on record even when no display is.
    record.entry("program " + program);
    for (const std::string& argument : arguments) {
        record.entry("arg " + argument);
    }
    record.entry("folder " + folder.native());

    // Qt takes arguments such as -style or -platform as its own and removes them; the
    // stand-in's arguments are the launcher's to choose, so Qt sees none of them.
    char qtProgramName[] = "zembra_standin";
    char* qtArguments[] = {qtProgramName, nullptr};
    int qtArgumentCount = 1;
    QApplication app(qtArgumentCount, qtArguments);

    standin::Launch launch;
    launch.program = shown(std::filesystem::path(program).filename().native());
    for (const std::string& argument : arguments) {
        launch.arguments.append(shown(argument));
    }
    launch.folder = shown(folder.native());

    standin::StandInWindow window(std::move(launch),
                                  [&record](std::string_view text) { record.entry(text); });
    // Without a window manager nobody acts on the full-screen request, so the window is given
    // the screen's size itself as well.
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
    window.raise();
    window.activateWindow();
    return app.exec();
}
