// The drawing code chunk: every matrix selection of an animated part becomes
// a selection block that gates the part on the animation condition and the
// additional condition (when they apply to the animation), picks the
// animation whose secondary range holds and the variant that the trigger
// state word selects, and sets that copy's matrix. Copy (i, j) of matrix m is
// matrix ((i - 1) * M + (j - 1)) * C + m, the numbering of the animation
// commands chunk.

#include <map>
#include <string>
#include <string_view>

#include "engine/animation_commands.h"
#include "engine/asm_lines.h"
#include "engine/condition_lines.h"
#include "engine/generation_run.h"
#include "engine/number_rules.h"

namespace zum {
namespace {

constexpr std::string_view kSetMatrix = "BGL_SET_MATRIX_INDIRECT";

// Range of the trigger state word (local word 6) that draws variant j:
// hold start (states 0, 1), forward (2), reverse (5), hold end (3, 4).
constexpr int kStateLow[5] = {0, 0, 2, 5, 3};
constexpr int kStateHigh[5] = {0, 1, 2, 5, 4};

// What every selection block of one run shares.
struct BlockShape {
  const JobSettings* job;
  std::string label_base;  // B
  int variants;            // M
  int first_variant;       // j0
  int last_variant;        // j1
  int animations;          // N
  int matrices;            // C
  bool gate_in_wrapper;
};

// The matrix number of a BGL_SET_MATRIX_INDIRECT line: the text after
// "INDIRECT" and the one character that follows it, as a 16-bit integer.
Status ReadMatrixNumber(const LineReader& in, std::string_view line,
                        int16_t* m) {
  const std::string_view trimmed = TrimBlanks(line);
  const size_t at = trimmed.find("INDIRECT");
  const std::string_view text =
      at + 9 <= trimmed.size() ? trimmed.substr(at + 9) : std::string_view();
  std::string err;
  if (ToInt16(text, m, &err)) {
    return Status::OK();
  }
  double value;
  if (ParseWholeNumber(text, &value)) {
    return in.ErrorHere("matrix number '" + Excerpt(text) +
                        "' lies outside -32768..32767");
  }
  return in.ErrorHere("expected a matrix number after " +
                      std::string(kSetMatrix) + ", found '" + Excerpt(text) +
                      "'");
}

// X(i, j) = ((i - 1) * M + (j - 1)) * C + m in checked 16-bit arithmetic.
Status CopyMatrixNumber(const LineReader& in, const BlockShape& shape,
                        int16_t m, int i, int j, int16_t* x) {
  if (CopyNumber(i, j, shape.variants, shape.matrices, m, x)) {
    return Status::OK();
  }
  const long exact =
      (static_cast<long>(i - 1) * shape.variants + (j - 1)) * shape.matrices +
      m;
  return in.ErrorHere("matrix " + IntText(m) + " of animation " + IntText(i) +
                      ", variant " + IntText(j) + " would be matrix " +
                      IntText(exact) +
                      ", outside the matrix numbers -32768..32767; the model "
                      "has too many animated parts or animations");
}

// Writes the selection block that replaces the matrix selection of M.
Status WriteSelectionBlock(LineWriter& out, const LineReader& in,
                           const BlockShape& shape, int16_t m) {
  const JobSettings& job = *shape.job;
  const std::string prefix = shape.label_base + "_" + IntText(m);
  const std::string fail = prefix + "_fail";

  out.WriteLine("LOCAL_BASE_32 " + shape.label_base + "_local_varbase_1");
  if (shape.gate_in_wrapper) {
    if (job.AnimationConditionEnabled) {
      const Status status =
          WriteConditionTest(out, fail, job.AnimationCondition,
                             ConditionRole::kAnimationCondition);
      if (!status.ok()) {
        return in.ErrorHere(status.message());
      }
    }
    if (job.AdditionalConditionEnabled) {
      // The additional condition has no kind of its own: it is a between
      // test beside a between animation condition, else a mask test.
      const ConditionSpec& additional = job.AdditionalCondition;
      out.WriteLine("VAR_BASE_OVERRIDE 0");
      if (job.AnimationCondition.Kind == ConditionKind::kBetween) {
        out.WriteLine("IFIN1 " + fail + ", " + additional.Variable + ", " +
                      additional.Minimum + ", " + additional.Maximum);
      } else {
        out.WriteLine("IFMSK " + fail + ", " + additional.Variable + ", " +
                      additional.Minimum);
      }
    }
  }

  const bool trigger = job.TriggerEnabled;
  for (int i = 1; i <= shape.animations; ++i) {
    const std::string animation_label = prefix + "_" + IntText(i);
    if (job.SecondaryEnabled) {
      out.WriteLine("VAR_BASE_OVERRIDE 0");
      out.WriteLine("IFIN1 " + animation_label + ", " + job.SecondaryVariable +
                    ", " + job.SecondaryMin[i] + ", " + job.SecondaryMax[i]);
    }
    for (int j = shape.first_variant; j <= shape.last_variant; ++j) {
      int16_t x;
      ZUM_RETURN_IF_ERROR(CopyMatrixNumber(in, shape, m, i, j, &x));
      const std::string variant_label = animation_label + "_" + IntText(j);
      if (trigger) {
        out.WriteLine("IFIN1 " + variant_label + ", 6, " +
                      IntText(kStateLow[j]) + ", " + IntText(kStateHigh[j]));
      }
      out.WriteLine(std::string(kSetMatrix) + " " + IntText(x));
      out.WriteLine("BGL_JUMP_32 " + prefix + "_cont");
      if (trigger) {
        out.WriteLine(variant_label + " label word");
      }
    }
    if (job.SecondaryEnabled) {
      out.WriteLine(animation_label + " label word");
    }
  }

  // Drawn when a gating test fails or no secondary range holds: the first
  // copy's matrix.
  if ((shape.gate_in_wrapper &&
       (job.AnimationConditionEnabled || job.AdditionalConditionEnabled)) ||
      job.SecondaryEnabled) {
    out.WriteLine(fail + " label word");
    out.WriteLine(std::string(kSetMatrix) + " " + IntText(m));
  }
  out.WriteLine(prefix + "_cont label word");
  out.WriteEmptyLine();
  return Status::OK();
}

}  // namespace

Status GenerationRun::WriteBglCode() {
  LineReader& in = Main();
  constexpr std::string_view kEndExpected =
      "a line containing \"bgl_riff_end\" (the end of the drawing code chunk)";

  BlockShape shape;
  shape.job = &job_;
  shape.label_base = label_base_;
  shape.variants = job_.TriggerEnabled ? 4 : 2;
  shape.first_variant = job_.TriggerEnabled ? 1 : 2;
  shape.last_variant = job_.TriggerEnabled ? 4 : 2;
  shape.animations = animation_count_;
  shape.gate_in_wrapper =
      !job_.TriggerEnabled || job_.AdditionalAppliesTo == AppliesTo::kAnimation;
  int16_t matrices = 0;
  const bool matrices_fit =
      Add16(scan_[1].TransformCount, scan_[1].AnimateCount, &matrices);
  shape.matrices = matrices;

  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the size line of the drawing code"));
  out_.WriteLine(line);

  // Where each matrix was selected, and where the state machine was
  // written: the labels of both may appear only once in the output.
  std::map<int16_t, long> selected_at;
  long state_machine_at = 0;

  for (;;) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
    if (Contains(line, "bgl_riff_end")) {
      if (job_.TriggerEnabled && state_machine_at == 0) {
        return in.ErrorHere(
            "the drawing code chunk ends here without a model label line "
            "(MasterScale_1 label or RotateAroundX_1 label), so the trigger "
            "state machine has no place in the model and the trigger would "
            "never start the animation. Add the label line, or disable the "
            "trigger");
      }
      out_.WriteLine(line);
      return Status::OK();
    }
    if (Contains(line, "RotateAroundX_1 label") ||
        Contains(line, "MasterScale_1 label")) {
      out_.WriteLine(line);
      out_.WriteEmptyLine();
      if (!job_.TriggerEnabled) {
        continue;
      }
      if (state_machine_at != 0) {
        return in.ErrorHere(
            "a second model label line; the trigger state machine was "
            "already written after line " +
            IntText(state_machine_at) +
            ", and its labels at_1 to at_10 can appear only once in the "
            "model. Keep one label line (MasterScale_1 or RotateAroundX_1) "
            "in the drawing code");
      }
      if (!has_tick_block_part1_) {
        return in.ErrorHere(
            "the trigger needs the frame number of part 1, but the animation "
            "commands chunk has no interpolated keyframe animation "
            "(BGL_INTERPOLATE with BGL_ANIMATE_INDIRECT) for part 1, so no "
            "tick block computes that frame number and the trigger would "
            "never start the animation. Number the model's first "
            "interpolated animated part 1, or disable the trigger");
      }
      state_machine_at = in.line_number();
      ZUM_RETURN_IF_ERROR(WriteTriggerStateMachine());
      out_.WriteEmptyLine();
      continue;
    }
    if (!Contains(line, kSetMatrix)) {
      out_.WriteLine(line);
      continue;
    }

    if (!matrices_fit) {
      return in.ErrorHere(
          "the companion file has " +
          IntText(long{scan_[1].TransformCount} + scan_[1].AnimateCount) +
          " BGL_TRANSFORM_INDIRECT and BGL_ANIMATE_INDIRECT commands; "
          "more than 32767 animated parts cannot be numbered");
    }
    if (matrices == 0) {
      return in.ErrorHere(
          "the drawing code selects a matrix here, but the companion file "
          "has no BGL_TRANSFORM_INDIRECT or BGL_ANIMATE_INDIRECT command, so "
          "there is no animated part whose matrix copies could be selected");
    }
    if (job_.SecondaryEnabled && animation_count_ > kMaxAnimations) {
      return in.ErrorHere("the secondary condition names " +
                          IntText(animation_count_) +
                          " animations, but ranges exist for at most " +
                          IntText(kMaxAnimations));
    }
    AddProgress(20.0 / matrices);
    int16_t m;
    ZUM_RETURN_IF_ERROR(ReadMatrixNumber(in, line, &m));
    if (!has_local_area_part1_) {
      return in.ErrorHere(
          "the drawing code selects a matrix here, but the animation "
          "parameters chunk has no part numbered 1, so there is no local "
          "variable area " +
          label_base_ +
          "_local_varbase_1, which every matrix selection block refers to, "
          "and the model would not compile. Number the model's first "
          "animated part 1");
    }
    const auto [first, inserted] = selected_at.emplace(m, in.line_number());
    if (!inserted) {
      return in.ErrorHere(
          "matrix " + IntText(m) + " is set a second time (first at line " +
          IntText(first->second) +
          "); its selection block's labels are named after the matrix "
          "number and would be written twice, which the compiler rejects. "
          "Each animated part's matrix may be set only once");
    }
    ZUM_RETURN_IF_ERROR(WriteSelectionBlock(out_, in, shape, m));
  }
}

}  // namespace zum
