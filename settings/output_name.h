#ifndef ZUM_SETTINGS_OUTPUT_NAME_H_
#define ZUM_SETTINGS_OUTPUT_NAME_H_

#include <string>

namespace zum {

// The output file proposed for the main input file INPUT: INPUT with the
// ".asm" extension of its file name, in any case, replaced by "_zum" and
// that extension ("GATE.ASM" gives "GATE_zum.ASM"). Folders are left as
// they are, also where their names hold ".asm". A file name without that
// extension gets "_zum.asm" added, so the input itself is never proposed.
std::string ProposedOutputName(const std::string& input);

}  // namespace zum

#endif  // ZUM_SETTINGS_OUTPUT_NAME_H_
