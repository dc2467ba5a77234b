#ifndef ZUM_ENGINE_OUTPUT_NAMES_H_
#define ZUM_ENGINE_OUTPUT_NAMES_H_

#include <string>
#include <vector>

namespace zum {

// The files that a run with the output file OUTPUT writes, main file first:
// OUTPUT and, when its name allows one, its companion "_0.asm" file
// (IncludedFileName). An empty name, or one holding a NUL character, names
// no file. Every check that an output spares a file (the run's inputs,
// zum-batch's settings file) goes over this list, so that both front ends
// and the run agree on what is written.
std::vector<std::string> OutputFiles(const std::string& output);

}  // namespace zum

#endif  // ZUM_ENGINE_OUTPUT_NAMES_H_
