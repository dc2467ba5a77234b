#ifndef ZUM_SETTINGS_SETTINGS_RECORD_H_
#define ZUM_SETTINGS_SETTINGS_RECORD_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/job.h"

namespace zum {

// Lines of a settings file: 183 required lines and an optional 184th.
inline constexpr int kSettingsRequiredLines = 183;
inline constexpr int kSettingsLines = 184;

// The 184 values of a settings file, named after the window's controls. A
// default record holds the window's start-up state: every box unticked but
// the trigger's, every kind "Condition (between)", every text empty.
//
// Check-box values are 0 (unticked), 1 (ticked) or 2 (greyed); only 1 counts
// as ticked. Per-animation arrays are indexed 1..kMaxAnimations (element 0 is
// unused).
struct SettingsRecord {
  // chk_cond(0) animation condition, (1) trigger, (2) secondary condition,
  // (3) additional animation condition.
  std::array<int16_t, 4> chk_cond{0, 1, 0, 0};
  // txt_var(0..3), in the same roles as chk_cond.
  std::array<std::string, 4> txt_var;
  // txt_var_min/max(0) animation condition, (1) trigger, (2) additional
  // animation condition.
  std::array<std::string, 3> txt_var_min;
  std::array<std::string, 3> txt_var_max;
  std::string txt_num_secondanim;
  std::string txt_file_out;
  // The file page's row base: row k shows animation FileRowBase + k - 1.
  int16_t FileRowBase = 2;
  std::array<std::string, kMaxAnimations + 1> InputFile;
  std::array<std::string, kMaxAnimations + 1> SecondaryMin;
  std::array<std::string, kMaxAnimations + 1> SecondaryMax;
  // The selected kind button (opt_con / opt_mask / opt_box) of index 0
  // (animation condition) and 1 (trigger).
  std::array<ConditionKind, 2> opt_kind{ConditionKind::kBetween,
                                        ConditionKind::kBetween};
  // Box fields of index 0 (animation condition) and 1 (trigger).
  std::array<std::string, 2> txt_box_xmin, txt_box_xmax;
  std::array<std::string, 2> txt_box_ymin, txt_box_ymax;
  std::array<std::string, 2> txt_box_zmin, txt_box_zmax;
  std::array<std::string, 2> txt_rot;
  // true: opt_condapply(0) "Apply to animation trigger" is selected; false:
  // opt_condapply(1) "Apply to animation". Empty when a loaded file had no
  // line 184, which leaves the window's choice unchanged.
  std::optional<bool> opt_condapply0;
};

// What a line of the settings file holds.
enum class SettingsField {
  kChkCond,
  kTxtVar,
  kTxtVarMin,
  kTxtVarMax,
  kTxtNumSecondanim,
  kTxtFileOut,
  kFileRowBase,
  kInputFile,
  kSecondaryMin,
  kSecondaryMax,
  kOptKind,
  kTxtBoxXmin,
  kTxtBoxXmax,
  kTxtBoxYmin,
  kTxtBoxYmax,
  kTxtBoxZmin,
  kTxtBoxZmax,
  kTxtRot,
  kOptCondapply,
};

// How a line is written and read.
enum class SettingsLineKind {
  kCheckBox,  // a number line whose value must be 0, 1 or 2
  kNumber,    // a number line holding any 16-bit integer
  kText,      // the control's text, unchanged
  kKind,      // one character: "1" between, "2" mask, "0" bounding box
  kApplyTo,   // line 184: a number line, 1 for opt_condapply(0)
};

// The place of one line in the file. INDEX is the control-array index, or
// the animation number 1..50 for the per-animation fields; 0 for fields
// without an index.
struct SettingsSlot {
  SettingsField field = SettingsField::kChkCond;
  int index = 0;
  SettingsLineKind kind = SettingsLineKind::kText;
};

// The slot of line LINE, 1..kSettingsLines. REQUIRES: LINE in that range.
SettingsSlot SettingsLineSlot(int line);

// The target of line LINE as the window names it, e.g. "chk_cond(1)",
// "txt_file_out", "InputFile(35)", the kind lines as "opt_con/opt_mask/
// opt_box(0)".
std::string SettingsLineName(int line);

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_RECORD_H_
