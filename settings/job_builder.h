#ifndef ZUM_SETTINGS_JOB_BUILDER_H_
#define ZUM_SETTINGS_JOB_BUILDER_H_

#include "engine/job.h"
#include "settings/settings_record.h"

namespace zum {

// The JobSettings that the window holds when a run starts after RECORD was
// loaded and Next was pressed through the pages:
// - only a check-box value of 1 counts as ticked (2 loads but is greyed);
// - a bounding-box animation condition unticks the additional condition;
// - the additional condition takes the animation condition's kind and has
//   no box or rotation;
// - with the secondary condition off, AnimationCount is "1" (entering the
//   source file page sets the box so); otherwise it is txt_num_secondanim;
// - all 50 per-animation entries are copied; a run opens only 1..N;
// - an empty opt_condapply0 (no line 184) gives IF_ABSENT, the choice the
//   window had before loading.
// Texts are copied unchanged. Applying these rules to a record taken from
// the window's controls changes nothing further, so the window may build its
// job the same way.
JobSettings BuildJobSettings(
    const SettingsRecord& record,
    AppliesTo if_absent = AppliesTo::kAnimationTrigger);

}  // namespace zum

#endif  // ZUM_SETTINGS_JOB_BUILDER_H_
