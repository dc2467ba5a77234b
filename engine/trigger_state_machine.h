#ifndef ZUM_ENGINE_TRIGGER_STATE_MACHINE_H_
#define ZUM_ENGINE_TRIGGER_STATE_MACHINE_H_

#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/run_shape.h"
#include "engine/status.h"

namespace zum {

// The trigger state machine of the drawing code: with the animation trigger
// enabled, the generated model keeps a state in local word 6h of part 1 and
// moves it on in every pass of its drawing code. The states are 0 at rest
// at the first frame, 1 start requested, 2 forward, 3 at rest at the last
// frame, 4 reverse requested and 5 reverse; a run only starts while part 1's
// frame word (local word 0h) lies in the start window 0..3 and ends in the
// end window F - 3..F (F: see RunShape). The matrix selection blocks draw
// the variant that belongs to the state.
//
// Writes the machine to OUT. It reads no input; its errors (a bounding box
// whose extents cannot be computed, an end window below -32768) name the
// line IN has just returned, the model label line after which it is written.
Status WriteTriggerStateMachine(LineWriter& out, const LineReader& in,
                                const JobSettings& job, const RunShape& shape);

}  // namespace zum

#endif  // ZUM_ENGINE_TRIGGER_STATE_MACHINE_H_
