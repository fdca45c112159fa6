// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin/SchemeFile.h"

#include "common/text/AtomicFile.h"
#include "common/text/FieldReader.h"
#include "common/text/ItemWriter.h"
#include "common/text/TextFile.h"

#include <utility>

namespace common {

bool readScheme(std::string_view text, Scheme& scheme) {
    FieldReader in(text);
    Scheme s = scheme;
    // One record: a short or bad one keeps the whole scheme before it, never a new font with
    // the old colours.
    if (!(in.read(s.fontName) && in.read(s.fontSize) && in.read(s.bgColour) &&
          in.read(s.fontColour) && in.read(s.highColour))) {
        return false;
    }
    scheme = std::move(s);
    return true;
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
