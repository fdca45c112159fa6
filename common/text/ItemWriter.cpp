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
    out_ += value;
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
