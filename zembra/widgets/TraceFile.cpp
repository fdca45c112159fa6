// SPDX-License-Identifier: GPL-3.0-or-later
// The trace file of ZEMBRA_TRACE runs.
#include "zembra/widgets/TraceFile.h"

#include <chrono>

namespace zembra {

TraceFile::TraceFile(const std::string& file, bool append)
    : out_(std::fopen(file.c_str(), append ? "a" : "w")) {
    if (out_ == nullptr) {
        std::perror(("zembra: cannot write the trace " + file).c_str());
    }
}

TraceFile::~TraceFile() {
    if (out_ != nullptr) {
        std::fclose(out_);
    }
}

void TraceFile::writeLine(const std::string& text) {
    if (out_ == nullptr) {
        return;
    }
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

long long TraceFile::now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace zembra
