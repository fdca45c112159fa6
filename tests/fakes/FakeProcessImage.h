// SPDX-License-Identifier: GPL-3.0-or-later
// A process image that says where it runs, which programs can run, and records the hand-over.
#pragma once

#include "zembra/platform/ProcessImage.h"

#include <map>

namespace testing_fakes {

class FakeProcessImage : public zembra::ProcessImage {
public:
    std::string ownPath;                        ///< what executable() answers
    std::map<std::string, std::string> refused; ///< program -> why it cannot run
    std::string runnable;                       ///< the one program that can run ("": none)
    std::string failure = "Exec format error";  ///< what replaceWith() answers

    std::string replacedBy; ///< the program replaceWith() was asked for
    std::vector<std::string> arguments;

    std::string executable() override { return ownPath; }
    std::optional<std::string> cannotRun(const std::string& program) override {
        if (program == runnable) {
            return std::nullopt;
        }
        const auto reason = refused.find(program);
        return reason != refused.end() ? reason->second : "No such file or directory";
    }
    std::string replaceWith(const std::string& program,
                            const std::vector<std::string>& given) override {
        replacedBy = program;
        arguments = given;
        return failure;
    }
    void takeName(const std::string&) override {}
};

} // namespace testing_fakes
