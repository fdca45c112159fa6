// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin/SchemeFile.h"

#include "common/text/AtomicFile.h"
#include "common/text/FieldReader.h"
#include "common/text/ItemWriter.h"
#include "common/text/TextFile.h"

namespace common {

bool readScheme(std::string_view text, Scheme& s) {
    FieldReader in(text);
    return in.read(s.fontName) && in.read(s.fontSize) && in.read(s.bgColour) &&
           in.read(s.fontColour) && in.read(s.highColour);
}

std::string writeScheme(const Scheme& s) {
    RecordWriter out;
    out.text(s.fontName)
        .number(s.fontSize)
        .number(double(s.bgColour))
        .number(double(s.fontColour))
        .number(double(s.highColour))
        .endRecord();
    return out.str();
}

bool loadScheme(const std::filesystem::path& file, Scheme& scheme) {
    const auto text = loadTextFile(file);
    return text && readScheme(*text, scheme);
}

bool saveScheme(const std::filesystem::path& file, const Scheme& scheme, std::string* error) {
    return writeFileAtomically(file, writeScheme(scheme), error);
}

} // namespace common
