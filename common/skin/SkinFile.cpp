// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin/SkinFile.h"

#include "common/text/AtomicFile.h"
#include "common/text/FieldReader.h"
#include "common/text/ItemWriter.h"
#include "common/text/TextFile.h"

namespace common {
namespace {

bool readRect(FieldReader& in, ElementRect& rect) {
    return in.read(rect.top) && in.read(rect.left) && in.read(rect.width) && in.read(rect.height);
}

void writeRect(RecordWriter& out, const ElementRect& rect) {
    out.number(rect.top)
        .number(rect.left)
        .number(rect.width)
        .number(double(rect.height))
        .endRecord();
}

} // namespace

bool readSkinLayout(std::string_view text, SkinLayout& layout) {
    FieldReader in(text);
    SkinLayout l = layout;
    // An element moves only once its whole record, and the flag that follows a position, has
    // been read: a file cut short or a bad value leaves the element where it was, never with a
    // new top and an old width.
    auto record = [&](bool complete) {
        if (complete) {
            layout = l;
        }
        return complete;
    };
    return record(readRect(in, l.snap) && in.read(l.showSnap)) &&
           record(readRect(in, l.cabinet) && in.read(l.showCabinet)) &&
           record(readRect(in, l.flyer) && in.read(l.showFlyer)) &&
           record(readRect(in, l.marquee) && in.read(l.showMarquee)) &&
           record(readRect(in, l.listArea)) && record(in.read(l.listColumns)) &&
           record(in.read(l.listType)) && record(in.read(l.cellWidth) && in.read(l.cellHeight)) &&
           record(in.read(l.pathTop) && in.read(l.pathLeft) && in.read(l.showPath)) &&
           record(in.read(l.navTop) && in.read(l.navLeft) && in.read(l.showNav)) &&
           record(in.read(l.imageSpacing)) && record(in.read(l.listAlignment)) &&
           record(in.read(l.logoTop) && in.read(l.logoLeft) && in.read(l.logoHeight) &&
                  in.read(l.logoWidth) && in.read(l.showLogo));
}

std::string writeSkinLayout(const SkinLayout& l) {
    RecordWriter out;
    writeRect(out, l.snap);
    out.flag(l.showSnap).endRecord();
    writeRect(out, l.cabinet);
    out.flag(l.showCabinet).endRecord();
    writeRect(out, l.flyer);
    out.flag(l.showFlyer).endRecord();
    writeRect(out, l.marquee);
    out.flag(l.showMarquee).endRecord();
    writeRect(out, l.listArea);
    out.number(l.listColumns).endRecord();
    out.text(l.listType).endRecord();
    out.number(l.cellWidth).number(double(l.cellHeight)).endRecord();
    out.number(l.pathTop).number(double(l.pathLeft)).endRecord();
    out.flag(l.showPath).endRecord();
    out.number(l.navTop).number(double(l.navLeft)).endRecord();
    out.flag(l.showNav).endRecord();
    out.number(double(l.imageSpacing)).endRecord();
    out.number(double(l.listAlignment)).endRecord();
    out.number(l.logoTop).number(l.logoLeft).number(l.logoHeight).number(double(l.logoWidth));
    out.endRecord();
    out.flag(l.showLogo).endRecord();
    return out.str();
}

bool loadSkinLayout(const std::filesystem::path& file, SkinLayout& layout) {
    const auto text = loadTextFile(file);
    return text && readSkinLayout(*text, layout);
}

bool saveSkinLayout(const std::filesystem::path& file, const SkinLayout& layout,
                    std::string* error) {
    return writeFileAtomically(file, writeSkinLayout(layout), error);
}

} // namespace common
