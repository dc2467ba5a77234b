#ifndef ZUM_PREVIEW_WRITTEN_FINDING_H_
#define ZUM_PREVIEW_WRITTEN_FINDING_H_

#include <string>

// The preview's first finding over a written pair, for the job summary after
// a run. A header of its own, light to include beside the engine's.
namespace zum {

// ForwardRunFinding (preview/findings.h) of the written pair MAIN_OUTPUT and
// its companion, loaded for it: when the forward run starts after the
// trigger holds and how long it lasts, or the cycle without a trigger; ""
// when part 1 has no tick block. When the pair cannot be loaded: "The
// preview cannot run the written code: " and the load's "FILE:LINE:
// message".
std::string WrittenForwardRunFinding(const std::string& main_output);

}  // namespace zum

#endif  // ZUM_PREVIEW_WRITTEN_FINDING_H_
