// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own cabinet of an installed program, made from the starter on first start.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zembra {

/// What `createUserCabinet` did: sentences for standard error, or why it could not.
struct NewCabinet {
    std::vector<std::string> notes;
    std::optional<std::string> error;
};

/// Makes `folder` (a program path; `starter` a native one) a cabinet from the starter folder
/// when it is not one yet: when `folder` does not exist, or exists holding neither quarn.ini
/// nor gamelist.lst. Every file and folder of the starter is copied in; in a file whose name ends
/// in ".in" every @CABINET@ becomes `folder` with a trailing "/" and the suffix is dropped. Nothing
/// already there is replaced. A folder that already is a cabinet (even a broken one) is left alone,
/// so its own problems are said as usual.
NewCabinet createUserCabinet(const std::string& folder, const std::string& starter);

} // namespace zembra
