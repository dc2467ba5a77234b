#ifndef ZUM_SETTINGS_TESTING_H_
#define ZUM_SETTINGS_TESTING_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/testing.h"

// Helpers shared by the settings and zum-batch tests. Used by tests only.
namespace zum::testing {

// A companion "_0.asm" file whose scan gives TRANSFORMS transform commands,
// ANIMATES animate commands and one translation table per entry of FRAMES,
// the table's last key being that entry. It has no RIFF chunk, so a run
// copies it unchanged. Labels begin with LABEL_BASE.
std::string CompanionText(int transforms, int animates,
                          std::initializer_list<int> frames,
                          std::string_view label_base = "gate");

}  // namespace zum::testing

#endif  // ZUM_SETTINGS_TESTING_H_
