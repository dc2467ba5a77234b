#ifndef ZUM_PREVIEW_FINDINGS_H_
#define ZUM_PREVIEW_FINDINGS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/scenario.h"
#include "settings/variable_table.h"

// What the preview tells the author in plain words; zum-preview prints these
// and the preview window shows the same.
namespace zum {

// The findings: first what the code itself does (the forward run's start
// delay and length, or the endless cycle without a trigger; the gating
// conditions), then what happened in RUN, a run of SCENARIO over PROGRAM
// (a trigger that never holds, a trigger released during the forward run
// or held again during the reverse run, a gating condition that fails
// mid-run, the animation shown over time). Variables are named from NAMES
// (may be null: then by their offsets).
std::vector<std::string> PreviewFindings(const PreviewProgram& program,
                                         const Scenario& scenario,
                                         const PreviewRun& run,
                                         const VariableTable* names);

// The first finding alone: "After the trigger starts holding, the forward
// run starts within 0.06 to 5.44 s (it waits for frames 0..3 of a 101-frame
// cycle) and lasts about 5.4 s."; without a trigger the cycle the object
// plays; "" when part 1 has no tick block.
std::string ForwardRunFinding(const PreviewProgram& program);

// The display name from NAMES ("Beacon") of the variable that the code
// writes as TEXT, or TEXT without outer blanks when NAMES has no row for it.
std::string VariableName(std::string_view text, const VariableTable* names);

}  // namespace zum

#endif  // ZUM_PREVIEW_FINDINGS_H_
