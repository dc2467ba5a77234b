#include "engine/bgl_code.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/condition_lines.h"
#include "engine/number_rules.h"
#include "engine/run_warnings.h"
#include "engine/trigger_state_machine.h"
#include "engine/variants.h"

namespace zum {
namespace {

constexpr std::string_view kSetMatrix = "BGL_SET_MATRIX_INDIRECT";
// The matrix number follows this word and the one character after it.
constexpr std::string_view kIndirect = "INDIRECT";

// What every selection block of one run shares.
struct BlockContext {
  const JobSettings& job;
  const RunShape& shape;
  // The gating conditions the blocks test themselves; none when the trigger
  // state machine tests them.
  std::vector<GatingTest> gates;
};

// The matrix number of a BGL_SET_MATRIX_INDIRECT line: the text after
// "INDIRECT" and the one character that follows it, as a 16-bit integer. A
// number read other than as written, or one that is no command's of the
// SHAPE, is added to WARNINGS.
Status ReadMatrixNumber(const LineReader& in, std::string_view line,
                        const RunShape& shape, int16_t* m,
                        RunWarnings* warnings) {
  const std::string_view trimmed = TrimBlanks(line);
  const size_t start = trimmed.find(kIndirect) + kIndirect.size() + 1;
  const std::string_view text =
      start <= trimmed.size() ? trimmed.substr(start) : std::string_view();
  std::string err;
  const std::string what = "the matrix number after " + std::string(kSetMatrix);
  if (!ToInt16Named(what, text, m, &err)) {
    return in.ErrorHere(err);
  }
  const std::string rounded = RoundedNumberWarning(what, text, *m);
  if (!rounded.empty()) {
    warnings->AddHere(in, rounded);
  }
  if (*m < 0 || *m >= shape.commands) {
    warnings->AddHere(
        in, "matrix " + IntText(*m) +
                " is no command's: the commands are 0 to " +
                IntText(shape.commands - 1) +
                ", so the copies selected here are those of other commands or "
                "of none");
  }
  return Status::OK();
}

// Writes the selection block that replaces the matrix selection of M.
Status WriteSelectionBlock(LineWriter& out, const LineReader& in,
                           const BlockContext& block, int16_t m) {
  const JobSettings& job = block.job;
  const RunShape& shape = block.shape;
  const std::string prefix = shape.label_base + "_" + IntText(m);
  const std::string fail = prefix + "_fail";

  out.WriteLine("LOCAL_BASE_32 " + shape.label_base + "_local_varbase_1");
  for (const GatingTest& gate : block.gates) {
    const Status status =
        WriteConditionTest(out, fail, gate.condition, gate.role);
    if (!status.ok()) {
      return in.ErrorHere(status.message());
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
      std::string err;
      if (!CopyNumber(shape, i, j, m, &x, &err)) {
        return in.ErrorHere(err);
      }
      const std::string variant_label = animation_label + "_" + IntText(j);
      if (trigger) {
        // The state word, local word 6 of part 1, picks the variant.
        const TriggerStateRange states = VariantStates(j);
        out.WriteLine("IFIN1 " + variant_label + ", 6, " +
                      IntText(StateNumber(states.low)) + ", " +
                      IntText(StateNumber(states.high)));
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
  if (!block.gates.empty() || job.SecondaryEnabled) {
    out.WriteLine(fail + " label word");
    out.WriteLine(std::string(kSetMatrix) + " " + IntText(m));
  }
  out.WriteLine(prefix + "_cont label word");
  out.WriteEmptyLine();
  return Status::OK();
}

}  // namespace

Status WriteBglCode(ChunkIo& io, const JobSettings& job, const RunShape& shape,
                    const PartOneFacts& part_one) {
  LineReader& in = io.InputOf(1);
  LineWriter& out = io.out();
  constexpr std::string_view kEndExpected =
      "a line containing \"bgl_riff_end\" (the end of the drawing code chunk)";
  const BlockContext block{job, shape,
                           GatingTests(job, GatePlace::kSelectionBlocks)};

  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the size line of the drawing code"));
  out.WriteLine(line);

  // Where each matrix was selected, and where the state machine was
  // written: the labels of both may appear only once in the output.
  std::map<int16_t, long> selected_at;
  long state_machine_at = 0;

  for (;;) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
    if (Contains(line, "bgl_riff_end")) {
      if (job.TriggerEnabled && state_machine_at == 0) {
        return in.ErrorHere(
            "the drawing code chunk ends here without a model label line "
            "(MasterScale_1 label or RotateAroundX_1 label), so the trigger "
            "state machine has no place in the model and the trigger would "
            "never start the animation. Add the label line, or disable the "
            "trigger");
      }
      out.WriteLine(line);
      return Status::OK();
    }
    if (Contains(line, "RotateAroundX_1 label") ||
        Contains(line, "MasterScale_1 label")) {
      out.WriteLine(line);
      out.WriteEmptyLine();
      if (!job.TriggerEnabled) {
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
      if (!part_one.tick_block) {
        return in.ErrorHere(
            "the trigger needs the frame number of part 1, but the animation "
            "commands chunk has no interpolated keyframe animation "
            "(BGL_INTERPOLATE with BGL_ANIMATE_INDIRECT) for part 1, so no "
            "tick block computes that frame number and the trigger would "
            "never start the animation. Number the model's first "
            "interpolated animated part 1, or disable the trigger");
      }
      state_machine_at = in.line_number();
      ZUM_RETURN_IF_ERROR(WriteTriggerStateMachine(out, in, job, shape));
      out.WriteEmptyLine();
      continue;
    }
    if (!Contains(line, kSetMatrix)) {
      out.WriteLine(line);
      continue;
    }

    ZUM_RETURN_IF_ERROR(CheckCommandCount(shape, in));
    if (shape.commands == 0) {
      return in.ErrorHere(
          "the drawing code selects a matrix here, but the companion file "
          "has no BGL_TRANSFORM_INDIRECT or BGL_ANIMATE_INDIRECT command, so "
          "there is no animated part whose matrix copies could be selected");
    }
    io.AddProgress(kStageProgress / shape.commands);
    int16_t m;
    ZUM_RETURN_IF_ERROR(ReadMatrixNumber(in, line, shape, &m, &io.warnings()));
    if (!part_one.local_area) {
      return in.ErrorHere(
          "the drawing code selects a matrix here, but the animation "
          "parameters chunk has no part numbered 1, so there is no local "
          "variable area " +
          shape.label_base +
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
    ZUM_RETURN_IF_ERROR(WriteSelectionBlock(out, in, block, m));
  }
}

}  // namespace zum
