// SPDX-License-Identifier: GPL-3.0-or-later
// The file a ZEMBRA_TRACE run writes its timings to, and the clock they are taken on.
#pragma once

#include <cstdio>
#include <string>

namespace zembra {

/// Opened anew or for appending, closed with the object. A file that cannot be written is
/// said once on standard error, and the trace then writes nothing.
class TraceFile {
public:
    TraceFile(const std::string& file, bool append);
    ~TraceFile();

    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    bool isOpen() const { return out_ != nullptr; }
    /// Writes `text` and a line end, and hands it to the system at once, so a program that is
    /// killed leaves a whole trace.
    void writeLine(const std::string& text);

    /// Nanoseconds of the monotonic clock: the clock a benchmark reads before it starts the
    /// program, and the unit of every trace line.
    static long long now();

private:
    std::FILE* out_;
};

} // namespace zembra
