#ifndef ZUM_PREVIEW_INTERPRETER_H_
#define ZUM_PREVIEW_INTERPRETER_H_

#include <cstdint>
#include <vector>

#include "engine/status.h"
#include "preview/program.h"
#include "preview/scenario.h"

// Runs a loaded program (preview/program.h) over a scenario, pass by pass.
//
// The model of the simulator, the same for every figure the preview shows
// (each one is the model's, not a measurement of the simulator):
// - One pass per tick of the 18 Hz counter BGL_TICK18; the first pass runs at
//   the scenario's start tick (default 0), pass p at tick start + p and at
//   time p / 18 s. In each pass the animation command chunk runs first, then
//   the drawing code chunk, each from its first line to its last. The tick
//   counter is read as a whole number that does not wrap by itself.
// - Local words (the "dw 0" words under each *_local_varbase_* label) are 0
//   when the model loads and keep their values from pass to pass. Simulator
//   variables hold the scenario's values; a variable the scenario never
//   names is 0, and so is the viewer's position.
// - LOCAL_BASE_32 sets the local area of the lines below it (the area of a
//   line is the one named by the nearest LOCAL_BASE_32 above it in its
//   chunk). "VAR_BASE_OVERRIDE 0" makes the next test read a simulator
//   variable instead of a local word.
// - IFIN1 falls through when the value, as a 16-bit signed number, lies in
//   lo..hi, IFMSK when value AND mask is not 0, IFINBOXP when the viewer is
//   inside the box (limits included); otherwise each jumps to its label.
//   BGL_JUMP_32 jumps; SETWRD sets a local word.
// - BGL_INTERPOLATE reads its input (the tick, or a local word as an
//   unsigned 16-bit number) through a table and writes a local word:
//   * a table whose label holds "_mod_" wraps its input modulo its last key,
//     then interpolates linearly between its rows;
//   * a table whose label ends in "_float_convert_hi" gives the high 16 bits
//     of a 32-bit float: its values are read as such high words, the model
//     interpolates linearly between the floats they stand for and carries
//     the line on beyond the last row (so frame n gives the high word of
//     n.0, as the tick block intends), and keeps the result's high 16 bits;
//   * any other table interpolates linearly and holds its end values.
//   Model rule: an interpolated word is truncated toward zero to a whole
//   number and stored as its low 16 bits.
// - BGL_ANIMATE_INDIRECT computes its matrix from the keyframe table it
//   names at the time in local offset 2h, a 32-bit float whose low word is
//   2h and high word 4h: translation tables interpolate linearly, rotation
//   tables by spherical interpolation (the shorter way), both holding their
//   end rows; a time that is not a finite number gives the first row.
//   BGL_TRANSFORM_INDIRECT, and a command with a tick block but no matrix
//   line, give a fixed transformation whose pose the preview does not know.
// - BGL_SET_MATRIX_INDIRECT selects the matrix that the part is drawn with.
// - Every other line is passed over.
namespace zum {

// What a matrix holds in one pass.
struct PreviewPose {
  enum Kind : uint8_t {
    kNone,         // no matrix selected
    kFixed,        // BGL_TRANSFORM_INDIRECT: a fixed transformation
    kTranslation,  // x, y, z
    kRotation,     // the quaternion qx, qy, qz, qw
  };
  Kind kind = kNone;
  float x = 0, y = 0, z = 0;
  float qx = 0, qy = 0, qz = 0, qw = 1;

  // The rotation as an angle in degrees (0 to 180) about a unit axis; the
  // axis is 0, 0, 0 for no rotation.
  double AngleDegrees() const;
  void Axis(double* ax, double* ay, double* az) const;
};

// The values of one pass.
struct PassValues {
  long tick = 0;
  int state = -1;  // the trigger state word 0..5; -1 without a trigger
  int frame = -1;  // part 1's frame word; -1 without part 1's area
  // The animation that the first selection block shows: 1..N, 0 when it drew
  // the first copy's matrix from its fail label (a gating test failed or no
  // secondary range held), -1 without a selection block.
  int animation = -1;
  bool trigger_tested = false;  // the trigger test ran
  bool trigger_holds = false;   // the trigger test fell through
  bool gate_fails = false;      // a gating test of the state machine jumped
  bool wrapper_fails = false;   // a gating test of a selection block jumped
};

// A run: the values of every pass, and per pass and selection block the
// matrix selected and its pose.
struct PreviewRun {
  int block_count = 0;
  std::vector<PassValues> passes;
  std::vector<int32_t> matrices;   // [pass * block_count + block]; -1: none
  std::vector<PreviewPose> poses;  // the same index; empty without poses

  int PassCount() const { return static_cast<int>(passes.size()); }
  static double Time(int pass) { return pass / kTicksPerSecond; }
  int Matrix(int pass, int block) const {
    return matrices[static_cast<size_t>(pass) * block_count + block];
  }
  const PreviewPose& Pose(int pass, int block) const {
    return poses[static_cast<size_t>(pass) * block_count + block];
  }
};

struct ScenarioRunOptions {
  // False: run only part 1's tick block of the command chunk and compute no
  // pose, which gives the same states and frames in a fraction of the time
  // (the other commands write no word that the drawing code reads).
  bool poses = true;
};

// Runs SCENARIO over PROGRAM into *RUN. Fails only when the code runs in a
// loop within one pass ("FILE:LINE: ..." naming a line of the loop).
Status RunScenario(const PreviewProgram& program, const Scenario& scenario,
                   PreviewRun* run, ScenarioRunOptions options = {});

// Part 1's frame word at the ticks FIRST to FIRST + COUNT - 1, computed by
// part 1's tick block alone. Empty when the program has no such block.
std::vector<int> FrameSequence(const PreviewProgram& program, long first,
                               int count);

// The ticks between two consecutive wraps of part 1's frame word (the frame
// cycle), found within the first 65536 ticks; 0 without two wraps there.
int FrameCycleTicks(const PreviewProgram& program);

// The word that TABLE gives for INPUT under the model's rules.
uint16_t InterpolateWord(const InterpolationTable& table, double input);

// The pose that TABLE gives at TIME.
PreviewPose KeyframePose(const PreviewKeyframes& table, float time);

}  // namespace zum

#endif  // ZUM_PREVIEW_INTERPRETER_H_
