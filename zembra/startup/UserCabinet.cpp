// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the starter cabinet into the user's data folder.
#include "zembra/startup/UserCabinet.h"

#include "common/text/AtomicFile.h"
#include "common/text/NativePath.h"
#include "common/text/TextFile.h"

#include <filesystem>
#include <optional>

namespace zembra {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemplateSuffix = ".in";
constexpr std::string_view kCabinetMark = "@CABINET@";

std::string replacedAll(std::string text, std::string_view mark, const std::string& value) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
        text.replace(at, mark.size(), value);
        at += value.size();
    }
    return text;
}

bool needsCreating(const fs::path& folder) {
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        return true;
    }
    return fs::is_directory(folder, ec) && !fs::exists(folder / "quarn.ini", ec) &&
           !fs::exists(folder / "gamelist.lst", ec);
}

/// Copies one starter file to `target`, filled in when it is a template; the error otherwise.
std::optional<std::string> copyStarterFile(const fs::path& from, fs::path target,
                                           const std::string& cabinetText) {
    std::string why;
    auto bytes = common::loadFileBytes(from, &why);
    if (!bytes) {
        return from.string() + " " + why;
    }
    const std::string name = target.filename().string();
    if (name.ends_with(kTemplateSuffix)) {
        target.replace_filename(name.substr(0, name.size() - kTemplateSuffix.size()));
        bytes = replacedAll(std::move(*bytes), kCabinetMark, cabinetText);
    }
    std::error_code ec;
    if (fs::exists(target, ec)) {
        return std::nullopt;
    }
    std::string reason;
    if (!common::writeFileAtomically(target, *bytes, &reason)) {
        return "cannot write " + target.string() + ": " + reason;
    }
    return std::nullopt;
}

} // namespace

NewCabinet createUserCabinet(const std::string& folder, const std::string& starter) {
    NewCabinet result;
    // The folder comes as a program path (a backslash of a name stands in as kNativeBackslash);
    // the files are made in the native folder it names, and the filled-in quarn.ini keeps the
    // program path, which reads back as the same folder.
    const fs::path cabinet = common::nativePath(folder);
    const std::string shown = common::nativePathText(folder);
    if (!needsCreating(cabinet)) {
        return result;
    }
    std::error_code ec;
    if (!fs::is_directory(starter, ec)) {
        result.error = "cannot create the cabinet " + shown + ": the starter cabinet " + starter +
                       " is missing (is zembra installed completely?)";
        return result;
    }
    fs::create_directories(cabinet, ec);
    if (ec) {
        result.error = "cannot create the cabinet " + shown + ": " + ec.message();
        return result;
    }
    const std::string cabinetText = folder.ends_with('/') ? folder : folder + "/";
    for (auto it = fs::recursive_directory_iterator(starter, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path target = cabinet / fs::relative(it->path(), starter);
        std::error_code entryError;
        if (it->is_directory(entryError)) {
            fs::create_directories(target, entryError);
            if (entryError) {
                result.error = "cannot create " + target.string() + ": " + entryError.message();
                return result;
            }
        } else if (auto error = copyStarterFile(it->path(), target, cabinetText)) {
            result.error = "cannot create the cabinet " + shown + ": " + *error;
            return result;
        }
    }
    if (ec) {
        result.error = "cannot read the starter cabinet " + starter + ": " + ec.message();
        return result;
    }
    result.notes.push_back(
        "made a new cabinet in " + common::nativePathText(cabinetText) +
        ": put your ROM sets in its roms folder (or name your ROM folders in its "
        "quarn.ini) and add the games its gamelist.lst lacks");
    return result;
}

} // namespace zembra
