#include "engine/trigger_state_machine.h"

#include <string>
#include <string_view>

#include "engine/condition_lines.h"
#include "engine/number_rules.h"
#include "engine/variants.h"

namespace zum {

Status WriteTriggerStateMachine(LineWriter& out, const LineReader& in,
                                const JobSettings& job, const RunShape& shape) {
  out.WriteLine("LOCAL_BASE_32 " + shape.label_base + "_local_varbase_1");

  // While a gating condition fails, the state is held at rest (at_9) and
  // the trigger is not evaluated.
  for (const GatingTest& gate :
       GatingTests(job, GatePlace::kTriggerStateMachine)) {
    const Status status =
        WriteConditionTest(out, "at_9", gate.condition, gate.role);
    if (!status.ok()) {
      return in.ErrorHere(status.message());
    }
  }

  int16_t end_window_start;
  if (!Add16(shape.frames, -3, &end_window_start)) {
    return in.ErrorHere("the frame count " + IntText(shape.frames) +
                        " leaves no room for the trigger's end window " +
                        "(frame count - 3 is below -32768)");
  }
  const std::string end_window =
      IntText(end_window_start) + ", " + IntText(shape.frames);
  const std::string start_window = "0, 3";

  // "IFIN1 LABEL, 6h, S, S": skips to LABEL unless the state is S.
  const auto if_state = [](std::string_view label, TriggerState state) {
    const std::string s = IntText(StateNumber(state));
    return "IFIN1 " + std::string(label) + ", " +
           std::string(kTriggerStateWord) + ", " + s + ", " + s;
  };
  const auto set_state = [](TriggerState state) {
    return "SETWRD " + std::string(kTriggerStateWord) + ", " +
           IntText(StateNumber(state));
  };
  // A requested run starts in the start window; a run ends in the end
  // window. LABEL skips the step; part 1's frame word is local word 0h.
  const auto step = [&](std::string_view label, TriggerState from,
                        const std::string& window, TriggerState to) {
    out.WriteLine(if_state(label, from));
    out.WriteLine("  IFIN1 " + std::string(label) + ", 0h, " + window);
    out.WriteLine("    " + set_state(to));
    out.WriteLine(std::string(label) + " label word");
  };
  step("at_1", TriggerState::kStartRequested, start_window,
       TriggerState::kForward);
  step("at_2", TriggerState::kReverseRequested, start_window,
       TriggerState::kReverse);
  step("at_3", TriggerState::kForward, end_window, TriggerState::kAtEnd);
  step("at_4", TriggerState::kReverse, end_window, TriggerState::kAtStart);
  out.WriteEmptyLine();

  // The trigger holding takes the state from rest at the start to a
  // requested start; not holding takes it from rest at the end to a
  // requested reverse.
  const Status status =
      WriteConditionTest(out, "at_5", job.Trigger, ConditionRole::kTrigger);
  if (!status.ok()) {
    return in.ErrorHere(status.message());
  }
  out.WriteLine("  " + if_state("at_6", TriggerState::kAtStart));
  out.WriteLine("    " + set_state(TriggerState::kStartRequested));
  out.WriteLine("  at_6 label word");
  out.WriteLine("  BGL_JUMP_32 at_8");
  out.WriteLine("at_5 label word");
  out.WriteLine("  " + if_state("at_7", TriggerState::kAtEnd));
  out.WriteLine("    " + set_state(TriggerState::kReverseRequested));
  out.WriteLine("  at_7 label word");
  out.WriteLine("at_8 label word");
  out.WriteLine("BGL_JUMP_32 at_10");
  out.WriteLine("at_9 label word");
  out.WriteLine(set_state(TriggerState::kAtStart));
  out.WriteLine("at_10 label word");
  return Status::OK();
}

}  // namespace zum
