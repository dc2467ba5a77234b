#ifndef ZUM_ENGINE_BGL_CODE_H_
#define ZUM_ENGINE_BGL_CODE_H_

#include "engine/chunk_io.h"
#include "engine/job.h"
#include "engine/run_shape.h"
#include "engine/status.h"

namespace zum {

// The drawing code chunk: every matrix selection of an animated part becomes
// a selection block that gates the part on the animation condition and the
// additional condition (when they apply to the animation), picks the
// animation whose secondary range holds and the variant that the trigger
// state word selects, and sets that copy's matrix (see CopyNumber). With the
// trigger, the trigger state machine follows the model's label line. Errors
// name the line to blame.
Status WriteBglCode(ChunkIo& io, const JobSettings& job, const RunShape& shape,
                    const PartOneFacts& part_one);

}  // namespace zum

#endif  // ZUM_ENGINE_BGL_CODE_H_
