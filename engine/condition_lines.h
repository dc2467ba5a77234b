#ifndef ZUM_ENGINE_CONDITION_LINES_H_
#define ZUM_ENGINE_CONDITION_LINES_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/status.h"

// The test lines of one condition, shared by the matrix selection blocks of
// the drawing code and by the trigger state machine.
namespace zum {

// Which condition of the job is being written. The role decides how the y
// extents of a bounding box are read and names the condition in errors.
enum class ConditionRole {
  kAnimationCondition,  // the animation condition (index 0 controls)
  kTrigger,             // the animation trigger (index 1 controls)
};

// "animation condition" or "animation trigger", as errors name them.
std::string_view ConditionRoleName(ConditionRole role);

// The six extents of a bounding-box condition in output order: x minimum,
// x maximum, y minimum, y maximum, z minimum, z maximum.
//
// The x-z rectangle is turned by the condition's rotation (degrees about
// the y axis; an empty rotation is no turn) and the axis-aligned box around
// it is returned. The x and z extents are whole numbers with a leading blank
// when not negative (" 11", "-11"); the y extents are the typed values
// rounded half to even, without a blank. For the animation condition a y
// value is rounded from its 64-bit value, for the trigger from its value
// stored as a 32-bit float. Whole numbers are written with all their digits.
//
// Returns false with *err filled, naming the condition and the field, when
// the rotation or a box value is not a number or leaves the 32-bit float
// range: "animation trigger: rotation 'abc' is not a number".
bool RotatedBoxExtents(const ConditionSpec& condition, ConditionRole role,
                       std::array<std::string, 6>* extents, std::string* err);

// Writes the test of CONDITION, which jumps to LABEL when the condition
// does not hold and falls through when it holds:
//   Between: "VAR_BASE_OVERRIDE 0" and "IFIN1 LABEL, VAR, MIN, MAX"
//   Mask:    "VAR_BASE_OVERRIDE 0" and "IFMSK LABEL, VAR, MIN"
//   BoundingBox: "IFINBOXP LABEL, " and the six RotatedBoxExtents joined
//                by ", ".
// Variable and limits are pasted as typed. A bounding box whose extents
// cannot be computed writes nothing and returns RotatedBoxExtents' error.
Status WriteConditionTest(LineWriter& out, std::string_view label,
                          const ConditionSpec& condition, ConditionRole role);

// Where a job tests its gating conditions (the animation condition and the
// additional condition): in every matrix selection block of the drawing
// code, or once in the trigger state machine, which then holds the state at
// rest while one fails. The state machine tests them only when the trigger
// is enabled and they apply to it.
enum class GatePlace { kSelectionBlocks, kTriggerStateMachine };
GatePlace GatePlaceOf(const JobSettings& job);

// One gating test: the condition as it is tested and its role.
struct GatingTest {
  ConditionSpec condition;
  ConditionRole role = ConditionRole::kAnimationCondition;
};

// The gating tests that JOB writes at PLACE, in order: the animation
// condition, then the additional condition, each when enabled; none when
// JOB tests them at the other place. The additional condition has no kind of
// its own: the selection blocks test it as a range beside a between
// animation condition and as a mask otherwise; the trigger state machine
// always tests it as a range. The drawing code, the state machine and the
// job summary all take the tests from here.
std::vector<GatingTest> GatingTests(const JobSettings& job, GatePlace place);

}  // namespace zum

#endif  // ZUM_ENGINE_CONDITION_LINES_H_
