#ifndef ZUM_PREVIEW_INTERPRETER_H_
#define ZUM_PREVIEW_INTERPRETER_H_

#include <cstdint>
#include <vector>

#include "engine/status.h"
#include "preview/program.h"
#include "preview/scenario.h"

// Runs a loaded program (preview/program.h, whose header states the model)
// over a scenario, pass by pass.
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
  bool trigger_holds = false;  // the trigger test fell through
  bool gate_fails = false;     // a gating test of the state machine jumped
  bool wrapper_fails = false;  // a gating test of a selection block jumped
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

struct RunOptions {
  // False: run only part 1's tick block of the command chunk and compute no
  // pose, which gives the same states and frames in a fraction of the time
  // (the other commands write no word that the drawing code reads).
  bool poses = true;
};

// Runs SCENARIO over PROGRAM into *RUN. Fails only when the code runs in a
// loop within one pass ("FILE:LINE: ..." naming a line of the loop).
Status RunScenario(const PreviewProgram& program, const Scenario& scenario,
                   PreviewRun* run, RunOptions options = {});

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
