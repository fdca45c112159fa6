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

bool readSkinLayout(std::string_view text, SkinLayout& l) {
    FieldReader in(text);
    return readRect(in, l.snap) && in.read(l.showSnap) &&                      //
           readRect(in, l.cabinet) && in.read(l.showCabinet) &&                //
           readRect(in, l.flyer) && in.read(l.showFlyer) &&                    //
           readRect(in, l.marquee) && in.read(l.showMarquee) &&                //
           readRect(in, l.listArea) &&                                         //
           in.read(l.listColumns) && in.read(l.listType) &&                    //
           in.read(l.cellWidth) && in.read(l.cellHeight) &&                    //
           in.read(l.pathTop) && in.read(l.pathLeft) && in.read(l.showPath) && //
           in.read(l.navTop) && in.read(l.navLeft) && in.read(l.showNav) &&    //
           in.read(l.imageSpacing) && in.read(l.listAlignment) &&              //
           in.read(l.logoTop) && in.read(l.logoLeft) && in.read(l.logoHeight) &&
           in.read(l.logoWidth) && in.read(l.showLogo);
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
