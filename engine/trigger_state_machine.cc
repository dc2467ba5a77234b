#include "engine/trigger_state_machine.h"

#include <string>

#include "engine/condition_lines.h"
#include "engine/number_rules.h"

namespace zum {

Status WriteTriggerStateMachine(LineWriter& out, const LineReader& in,
                                const JobSettings& job, const RunShape& shape) {
  out.WriteLine("LOCAL_BASE_32 " + shape.label_base + "_local_varbase_1");

  // While a gating condition fails, the state is held at rest (at_9) and
  // the trigger is not evaluated.
  if (job.AdditionalAppliesTo == AppliesTo::kAnimationTrigger) {
    if (job.AnimationConditionEnabled) {
      const Status status =
          WriteConditionTest(out, "at_9", job.AnimationCondition,
                             ConditionRole::kAnimationCondition);
      if (!status.ok()) {
        return in.ErrorHere(status.message());
      }
    }
    if (job.AdditionalConditionEnabled) {
      // Always a between test here, whatever the animation condition's kind.
      const ConditionSpec& additional = job.AdditionalCondition;
      out.WriteLine("VAR_BASE_OVERRIDE 0");
      out.WriteLine("IFIN1 at_9, " + additional.Variable + ", " +
                    additional.Minimum + ", " + additional.Maximum);
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

  // States 1 and 4 start their run in the start window; states 2 and 5
  // end theirs in the end window.
  out.WriteLine("IFIN1 at_1, 6h, 1, 1");
  out.WriteLine("  IFIN1 at_1, 0h, 0, 3");
  out.WriteLine("    SETWRD 6h, 2");
  out.WriteLine("at_1 label word");
  out.WriteLine("IFIN1 at_2, 6h, 4, 4");
  out.WriteLine("  IFIN1 at_2, 0h, 0, 3");
  out.WriteLine("    SETWRD 6h, 5");
  out.WriteLine("at_2 label word");
  out.WriteLine("IFIN1 at_3, 6h, 2, 2");
  out.WriteLine("  IFIN1 at_3, 0h, " + end_window);
  out.WriteLine("    SETWRD 6h, 3");
  out.WriteLine("at_3 label word");
  out.WriteLine("IFIN1 at_4, 6h, 5, 5");
  out.WriteLine("  IFIN1 at_4, 0h, " + end_window);
  out.WriteLine("    SETWRD 6h, 0");
  out.WriteLine("at_4 label word");
  out.WriteEmptyLine();

  // The trigger holding takes state 0 to 1; not holding takes 3 to 4.
  const Status status =
      WriteConditionTest(out, "at_5", job.Trigger, ConditionRole::kTrigger);
  if (!status.ok()) {
    return in.ErrorHere(status.message());
  }
  out.WriteLine("  IFIN1 at_6, 6h, 0, 0");
  out.WriteLine("    SETWRD 6h, 1");
  out.WriteLine("  at_6 label word");
  out.WriteLine("  BGL_JUMP_32 at_8");
  out.WriteLine("at_5 label word");
  out.WriteLine("  IFIN1 at_7, 6h, 3, 3");
  out.WriteLine("    SETWRD 6h, 4");
  out.WriteLine("  at_7 label word");
  out.WriteLine("at_8 label word");
  out.WriteLine("BGL_JUMP_32 at_10");
  out.WriteLine("at_9 label word");
  out.WriteLine("SETWRD 6h, 0");
  out.WriteLine("at_10 label word");
  return Status::OK();
}

}  // namespace zum
