#ifndef ZUM_PREVIEW_RUN_CSV_H_
#define ZUM_PREVIEW_RUN_CSV_H_

#include <ostream>

#include "preview/interpreter.h"
#include "preview/program.h"

namespace zum {

// Writes RUN as CSV, one line per pass after the header "time,tick,state,
// frame", a column matrix_M per selection block (M its input matrix, in the
// order of the drawing code) with the matrix the block selects, then per
// block the pose columns matrix_M_x, _y, _z (a translation), matrix_M_angle
// (degrees) and matrix_M_axis_x, _y, _z (a rotation). Time has 3 decimals;
// a value that a pass does not have (no trigger, no pose of that kind) is
// an empty cell. RUN must have been run with poses.
void WriteRunCsv(const PreviewProgram& program, const PreviewRun& run,
                 std::ostream& out);

}  // namespace zum

#endif  // ZUM_PREVIEW_RUN_CSV_H_
