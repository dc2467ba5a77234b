#ifndef ZUM_ENGINE_ANIMATION_PARAMETERS_H_
#define ZUM_ENGINE_ANIMATION_PARAMETERS_H_

#include <cstdint>
#include <string>

namespace zum {

// Trims *LINE (the caller's copy changes too) and returns in *part the
// number between "_tick18_" and the last "_" in front of it:
// "gate_12_tick18_mod_1 label word" gives 12. Returns false with *err
// filled when the line has no such number.
bool PartNumberOfLabel(std::string* line, int16_t* part, std::string* err);

}  // namespace zum

#endif  // ZUM_ENGINE_ANIMATION_PARAMETERS_H_
