#include "engine/run_shape.h"

#include <string>

#include "engine/number_rules.h"
#include "engine/variants.h"

namespace zum {

RunShape MakeRunShape(const JobSettings& job, int animations,
                      const SourceScan& first) {
  RunShape shape;
  shape.animations = animations;
  // Without the trigger only the forward variant is drawn, but the hold
  // start is written too.
  const Variant first_drawn =
      job.TriggerEnabled ? Variant::kHoldStart : Variant::kForward;
  const Variant last_drawn =
      job.TriggerEnabled ? Variant::kHoldEnd : Variant::kForward;
  shape.variants = static_cast<int>(last_drawn);
  shape.first_variant = static_cast<int>(first_drawn);
  shape.last_variant = static_cast<int>(last_drawn);
  shape.transforms = first.TransformCount;
  shape.animates = first.AnimateCount;
  shape.commands = int{first.TransformCount} + first.AnimateCount;
  shape.frames = first.Frames[1];
  shape.label_base = first.LabelBase;
  return shape;
}

Status CheckCommandCount(const RunShape& shape, const LineReader& in) {
  int16_t commands = 0;
  if (Add16(shape.transforms, shape.animates, &commands)) {
    return Status::OK();
  }
  return in.ErrorHere("the companion file has " + IntText(shape.transforms) +
                      " transform and " + IntText(shape.animates) +
                      " animate commands; expected at most 32767 together");
}

bool CopyNumber(const RunShape& shape, int animation, int variant, int k,
                int16_t* number, std::string* err) {
  int16_t copies_before = 0;
  int16_t copy = 0;
  int16_t base = 0;
  if (Mul16(animation - 1, shape.variants, &copies_before) &&
      Add16(copies_before, variant - 1, &copy) &&
      Mul16(copy, shape.commands, &base) && Add16(base, k, number)) {
    return true;
  }
  const long exact =
      (static_cast<long>(animation - 1) * shape.variants + (variant - 1)) *
          shape.commands +
      k;
  *err = "matrix " + IntText(k) + " in animation " + IntText(animation) +
         ", variant " + IntText(variant) + " would be number " +
         IntText(exact) +
         ", outside the 16-bit range -32768..32767 (too many animations, "
         "variants or commands)";
  return false;
}

}  // namespace zum
