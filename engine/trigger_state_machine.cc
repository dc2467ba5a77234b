// The trigger state machine of the drawing code: with the animation trigger
// enabled, the generated model keeps a state in local word 6h of part 1 and
// moves it on in every pass of its drawing code. The states are 0 at rest
// at the first frame, 1 start requested, 2 forward, 3 at rest at the last
// frame, 4 reverse requested and 5 reverse; a run only starts while part 1's
// frame word (local word 0h) lies in the start window 0..3 and ends in the
// end window F - 3..F. The matrix selection blocks draw the variant that
// belongs to the state.
//
// The writer reads no input; its errors (a bounding box whose extents cannot
// be computed) name the model label line after which it was being written.

#include "engine/condition_lines.h"
#include "engine/generation_run.h"
#include "engine/number_rules.h"

namespace zum {

Status GenerationRun::WriteTriggerStateMachine() {
  out_.WriteLine("LOCAL_BASE_32 " + label_base_ + "_local_varbase_1");

  // While a gating condition fails, the state is held at rest (at_9) and
  // the trigger is not evaluated.
  if (job_.AdditionalAppliesTo == AppliesTo::kAnimationTrigger) {
    if (job_.AnimationConditionEnabled) {
      const Status status =
          WriteConditionTest(out_, "at_9", job_.AnimationCondition,
                             ConditionRole::kAnimationCondition);
      if (!status.ok()) {
        return Main().ErrorHere(status.message());
      }
    }
    if (job_.AdditionalConditionEnabled) {
      // Always a between test here, whatever the animation condition's kind.
      const ConditionSpec& additional = job_.AdditionalCondition;
      out_.WriteLine("VAR_BASE_OVERRIDE 0");
      out_.WriteLine("IFIN1 at_9, " + additional.Variable + ", " +
                     additional.Minimum + ", " + additional.Maximum);
    }
  }

  int16_t end_window_start;
  if (!Add16(frame_count_, -3, &end_window_start)) {
    return Main().ErrorHere("the frame count " + IntText(frame_count_) +
                            " leaves no room for the trigger's end window " +
                            "(frame count - 3 is below -32768)");
  }
  const std::string end_window =
      IntText(end_window_start) + ", " + IntText(frame_count_);

  // States 1 and 4 start their run in the start window; states 2 and 5
  // end theirs in the end window.
  out_.WriteLine("IFIN1 at_1, 6h, 1, 1");
  out_.WriteLine("  IFIN1 at_1, 0h, 0, 3");
  out_.WriteLine("    SETWRD 6h, 2");
  out_.WriteLine("at_1 label word");
  out_.WriteLine("IFIN1 at_2, 6h, 4, 4");
  out_.WriteLine("  IFIN1 at_2, 0h, 0, 3");
  out_.WriteLine("    SETWRD 6h, 5");
  out_.WriteLine("at_2 label word");
  out_.WriteLine("IFIN1 at_3, 6h, 2, 2");
  out_.WriteLine("  IFIN1 at_3, 0h, " + end_window);
  out_.WriteLine("    SETWRD 6h, 3");
  out_.WriteLine("at_3 label word");
  out_.WriteLine("IFIN1 at_4, 6h, 5, 5");
  out_.WriteLine("  IFIN1 at_4, 0h, " + end_window);
  out_.WriteLine("    SETWRD 6h, 0");
  out_.WriteLine("at_4 label word");
  out_.WriteEmptyLine();

  // The trigger holding takes state 0 to 1; not holding takes 3 to 4.
  const Status status =
      WriteConditionTest(out_, "at_5", job_.Trigger, ConditionRole::kTrigger);
  if (!status.ok()) {
    return Main().ErrorHere(status.message());
  }
  out_.WriteLine("  IFIN1 at_6, 6h, 0, 0");
  out_.WriteLine("    SETWRD 6h, 1");
  out_.WriteLine("  at_6 label word");
  out_.WriteLine("  BGL_JUMP_32 at_8");
  out_.WriteLine("at_5 label word");
  out_.WriteLine("  IFIN1 at_7, 6h, 3, 3");
  out_.WriteLine("    SETWRD 6h, 4");
  out_.WriteLine("  at_7 label word");
  out_.WriteLine("at_8 label word");
  out_.WriteLine("BGL_JUMP_32 at_10");
  out_.WriteLine("at_9 label word");
  out_.WriteLine("SETWRD 6h, 0");
  out_.WriteLine("at_10 label word");
  return Status::OK();
}

}  // namespace zum
