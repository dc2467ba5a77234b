#ifndef ZUM_PREVIEW_TIMELINE_H_
#define ZUM_PREVIEW_TIMELINE_H_

#include <string>
#include <vector>

#include "preview/interpreter.h"
#include "preview/program.h"

namespace zum {

// One change that a timeline shows: from pass PASS on.
struct TimelineEvent {
  int pass = 0;
  std::string text;  // "trigger holds: waiting for frame 0..3"
};

// The state changes of RUN in words, and the changes of the animation shown
// when the code can show more than one animation or the first copy's
// matrix. The first event is the state (or animation) at pass 0.
std::vector<TimelineEvent> RunTimeline(const PreviewProgram& program,
                                       const PreviewRun& run);

// Whether the code can show more than one animation or the first copy's
// matrix: several animations, or a secondary or gating test in the
// selection blocks.
bool ShowsAnimations(const PreviewProgram& program);

// "1.00 s trigger holds: waiting for frame 0..3".
std::string TimelineLine(const TimelineEvent& event);

}  // namespace zum

#endif  // ZUM_PREVIEW_TIMELINE_H_
