// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/launcher/KeySequences.h"

#include <utility>

namespace zembra {
namespace {

/// Downs in the order given, then ups in the same order.
KeySequence chord(std::initializer_list<int> downs, std::initializer_list<int> ups) {
    KeySequence sequence;
    for (const int key : downs) {
        sequence.events.push_back({key, true});
    }
    for (const int key : ups) {
        sequence.events.push_back({key, false});
    }
    return sequence;
}

/// Names are compared exactly, case included, in the tables' order.
int downTaps(const std::string& gameName, std::initializer_list<std::pair<const char*, int>> table,
             int otherwise) {
    for (const auto& [name, taps] : table) {
        if (gameName == name) {
            return taps;
        }
    }
    return otherwise;
}

} // namespace

KeySequence& KeySequence::tap(int key, int times) {
    for (int i = 0; i < times; ++i) {
        events.push_back({key, true});
        events.push_back({key, false});
    }
    return *this;
}

KeySequence PressKeySim(const std::string& gameName) {
    const int taps = downTaps(
        gameName,
        {{"arabianfight", 0},  {"ga2", 2},         {"ga2usa", 3},        {"spiderman", 4},
         {"spideyusa", 5},     {"sonicarcade", 6}, {"F1ExhaustNote", 7}, {"f1superlap", 8},
         {"orunners", 9},      {"radmobile", 10},  {"radrally", 11},     {"vrracin", 12},
         {"alien3", 13},       {"harddunk", 14},   {"svf", 15},          {"titlef", 16},
         {"burningrival", 17}, {"holosseum", 18},  {"vf", 19},           {"starwarsarcade", 20}},
        -1);
    KeySequence sequence;
    sequence.tap(kVkTab, 3);
    if (taps >= 0) {
        sequence.tap(kVkDown, taps).tap(kVkEnter).tap(kVkTab, 5).tap(kVkEnter);
        sequence.startsFullScreen = true;
    }
    return sequence;
}

KeySequence PressKeySim2(const std::string& gameName) {
    const int taps = downTaps(gameName,
                              {{"psychic force", 1},
                               {"rvschool", 2},
                               {"sg2j", 3},
                               {"sfex", 4},
                               {"sfexj", 5},
                               {"sfexpj", 6},
                               {"sfexp", 7},
                               {"sfex2", 8},
                               {"sfex2p", 9},
                               {"tgmj", 10},
                               {"ts2j", 11}},
                              0);
    KeySequence sequence;
    sequence.tap(kVkDown, taps).tap(kVkEnter);
    return sequence;
}

KeySequence PressKeySim3() {
    KeySequence sequence;
    sequence.tap(kVkTab).tap(kVkEnter);
    return sequence;
}

KeySequence PressKeySim4() {
    KeySequence sequence;
    sequence.clearKeyboardFirst = true;
    sequence.tap(kVkEnter);
    return sequence;
}

KeySequence PressKeySimVPE() {
    KeySequence sequence;
    sequence.tap(kVkQ);
    sequence.events.insert(sequence.events.end(),
                           {{kVkAlt, true}, {kVkF, true}, {kVkAlt, false}, {kVkF, false}});
    sequence.tap(kVkX);
    return sequence;
}

KeySequence startTv() {
    return chord({kVkControl, kVkAlt, kVkA}, {kVkA, kVkAlt, kVkControl});
}

KeySequence startMonitor() {
    return chord({kVkControl, kVkAlt, kVkD}, {kVkD, kVkAlt, kVkControl});
}

KeySequence escapeTap() {
    KeySequence sequence;
    sequence.tap(kVkEscape);
    return sequence;
}

} // namespace zembra
