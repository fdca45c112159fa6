// SPDX-License-Identifier: GPL-3.0-or-later
// A process image that says where it runs, which programs can run, and records the hand-over.
#pragma once

#include "zembra/platform/ProcessImage.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_fakes {

class FakeProcessImage : public zembra::ProcessImage {
public:
    std::string ownPath;  ///< what executable() answers
    std::string runnable; ///< the one program that can run ("": none)

    std::string replacedBy; ///< the program replaceWith() was asked for
    std::vector<std::string> arguments;

    std::string executable() override { return ownPath; }
    std::optional<std::string> cannotRun(const std::string& program) override {
        return program == runnable ? std::nullopt
                                   : std::optional<std::string>("No such file or directory");
    }
    std::string replaceWith(const std::string& program,
                            const std::vector<std::string>& given) override {
        replacedBy = program;
        arguments = given;
        return "Exec format error";
    }
    void takeName(const std::string&) override {}
};

} // namespace testing_fakes
