// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/text/ItemWriter.h"

#include "common/text/Numbers.h"

namespace common {

void RecordWriter::separate() {
    if (recordStarted_) {
        out_ += ',';
    }
    recordStarted_ = true;
}

RecordWriter& RecordWriter::text(std::string_view value) {
    separate();
    out_ += '"';
    // Nothing inside quotes can be escaped: a double quote would end the string early and cut
    // the value (and shift every value after it) when read back. It is written as a single
    // quote, the nearest the format can hold.
    // Copied a stretch at a time: a list file is thousands of records.
    std::size_t start = 0;
    for (std::size_t quote = value.find('"'); quote != std::string_view::npos;
         quote = value.find('"', start)) {
        out_.append(value.substr(start, quote - start));
        out_ += '\'';
        start = quote + 1;
    }
    out_.append(value.substr(start));
    out_ += '"';
    return *this;
}

RecordWriter& RecordWriter::number(double value) {
    separate();
    out_ += numberText(value);
    return *this;
}

RecordWriter& RecordWriter::number(float value) {
    separate();
    out_ += numberText(value);
    return *this;
}

RecordWriter& RecordWriter::flag(bool value) {
    separate();
    out_ += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

RecordWriter& RecordWriter::empty() {
    separate();
    return *this;
}

RecordWriter& RecordWriter::endRecord() {
    out_ += "\r\n";
    recordStarted_ = false;
    return *this;
}

} // namespace common
