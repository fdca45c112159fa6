// SPDX-License-Identifier: GPL-3.0-or-later
// The sequential write rule: the matching writer of ItemReader.
#pragma once

#include <string>
#include <string_view>

namespace common {

/// Builds text record by record: values separated by commas, strings in double quotes
/// (nothing inside can be escaped, so a double quote in a string is written as a single
/// quote), numbers in their shortest exact form (numberText), true and false as
/// #TRUE# and #FALSE#, CR LF after each record.
class RecordWriter {
public:
    RecordWriter& text(std::string_view value);
    RecordWriter& number(double value);
    RecordWriter& number(float value);
    RecordWriter& flag(bool value);
    /// An empty field: two commas in a row, or nothing before the record's end.
    RecordWriter& empty();
    RecordWriter& endRecord();

    const std::string& str() const { return out_; }

private:
    void separate();

    std::string out_;
    bool recordStarted_ = false;
};

} // namespace common
