#ifndef ZUM_PREVIEW_RUN_SERIES_H_
#define ZUM_PREVIEW_RUN_SERIES_H_

#include <string>
#include <vector>

#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/scenario.h"
#include "settings/variable_table.h"

// A run as the preview window draws it over time (the bands, the plots) and
// every value at one moment in words.
namespace zum {

// The passes [first, end) over which a value stays VALUE.
struct RunSpan {
  int first = 0;
  int end = 0;
  int value = 0;

  bool operator==(const RunSpan&) const = default;
};

// One animated part: the selection blocks whose matrices a keyframe command
// computes from the part's local area (the time word it reads).
struct PartSeries {
  std::string name;            // "part 2" for B_local_varbase_2, else the label
  std::vector<int> blocks;     // in the order of the drawing code
  int translation_block = -1;  // the first of them drawn with a translation
  int rotation_block = -1;     // the first of them drawn with a rotation
  // Per pass: the translation block's x, y, z in metres and the rotation
  // block's angle in degrees; NaN in a pass that draws no such pose.
  std::vector<float> x, y, z, angle;
  float low = 0, high = 0;  // the range of x, y and z together
  float angle_high = 0;     // the largest angle
};

struct RunSeries {
  std::vector<RunSpan> states;  // the trigger state; empty without a trigger
  // The animation shown (0: the first copy's matrix, no condition holding);
  // empty when the code can show only one animation and has no condition
  // in its selection blocks (ShowsAnimations).
  std::vector<RunSpan> animations;
  int frame_high = 0;             // part 1's largest frame word in the run
  std::vector<PartSeries> parts;  // in the order of their first block
};

// The series of RUN, a run of PROGRAM with poses. Blocks drawn only with a
// fixed transformation belong to no part.
RunSeries BuildRunSeries(const PreviewProgram& program, const PreviewRun& run);

// The spans of equal values in VALUES, in order; none for no values.
std::vector<RunSpan> SpansOf(const std::vector<int>& values);

// Every value at PASS of RUN (a run of SCENARIO over PROGRAM, SERIES its
// series), one line each: the time and tick, the trigger state, part 1's
// frame, the animation shown, each variable that the code tests or the
// scenario sets (named from NAMES, may be null) and the viewer when a box is
// tested, each part's pose and the matrix each selection block draws.
std::vector<std::string> MomentLines(const PreviewProgram& program,
                                     const Scenario& scenario,
                                     const PreviewRun& run,
                                     const RunSeries& series, int pass,
                                     const VariableTable* names);

}  // namespace zum

#endif  // ZUM_PREVIEW_RUN_SERIES_H_
