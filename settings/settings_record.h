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

// The values of one condition, named after its controls. The secondary
// condition uses only its check box and variable; the additional condition
// also its limits (txt_var_min(2), txt_var_max(2)) and takes its kind from
// the animation condition.
struct ConditionSettings {
  // 0 unticked, 1 ticked, 2 greyed; only 1 counts as ticked.
  int16_t chk_cond = 0;
  std::string txt_var;
  std::string txt_var_min;  // the mask value for a mask test
  std::string txt_var_max;
  // The selected kind button (opt_con / opt_mask / opt_box).
  ConditionKind opt_kind = ConditionKind::kBetween;
  // txt_box_xmin, txt_box_xmax, txt_box_ymin, txt_box_ymax, txt_box_zmin and
  // txt_box_zmax, in that order (BoxExtent).
  std::array<std::string, 6> txt_box;
  std::string txt_rot;
};

// A condition whose check box starts ticked.
inline ConditionSettings TickedCondition() {
  ConditionSettings condition;
  condition.chk_cond = 1;
  return condition;
}

// The places of the box extents in ConditionSettings::txt_box.
enum BoxExtent { kXMin, kXMax, kYMin, kYMax, kZMin, kZMax };

// The 184 values of a settings file, grouped by condition. A default record
// holds the window's start-up state: every box unticked but the trigger's,
// every kind "Condition (between)", every text empty. Per-animation arrays
// are indexed 1..kMaxAnimations (element 0 is unused).
struct SettingsRecord {
  ConditionSettings animation;                    // the controls of index 0
  ConditionSettings trigger = TickedCondition();  // index 1
  ConditionSettings secondary;                    // index 2
  ConditionSettings additional;                   // chk_cond(3), txt_var(3)
  std::string txt_num_secondanim;
  std::string txt_file_out;
  // The file page's row base: row k shows animation FileRowBase + k - 1.
  int16_t FileRowBase = 2;
  std::array<std::string, kMaxAnimations + 1> InputFile;
  std::array<std::string, kMaxAnimations + 1> SecondaryMin;
  std::array<std::string, kMaxAnimations + 1> SecondaryMax;
  // true: opt_condapply(0) "Apply to animation trigger" is selected; false:
  // opt_condapply(1) "Apply to animation". Empty when a loaded file had no
  // line 184, which leaves the window's choice unchanged.
  std::optional<bool> opt_condapply0;

  // The condition whose check box has control-array index INDEX (0..3).
  ConditionSettings& ConditionOfCheckBox(int index);
  const ConditionSettings& ConditionOfCheckBox(int index) const;

  // The rules that a change of one value carries out on others. The window's
  // handlers call them after writing what the user changed; a record the
  // window takes from a file goes through them too (TakeLoaded).

  // Selects KIND for the animation condition (INDEX 0) or the trigger (1).
  // A bounding-box animation condition unticks the additional condition,
  // which has no box test.
  void SelectKind(int index, ConditionKind kind);

  // The number of animations a run gets: txt_num_secondanim with the
  // secondary condition ticked, "1" without it.
  std::string AnimationCount() const;
  // The same as a whole number, as the source file page arranges its rows
  // by it: 1 when the text holds none (the secondary condition page's check
  // refuses that).
  int AnimationCountShown() const;
  // Entering the source file page: without the secondary condition the
  // number of animations reads "1".
  void CountOneAnimationWhenOff();
  // Input files filled in up to animation LAST raise the number of
  // animations to LAST when the secondary condition is ticked and the
  // number is lower.
  void RaiseAnimationCount(int last);

  // An input file chosen for the first row names the output file after it
  // (ProposedOutputName: "gate.asm" gives "gate_zum.asm").
  void NameOutputAfter(const std::string& input);
  // Whether the output file's name is one that ZUM derived itself, and so
  // follows the inputs: empty, or the name proposed for one of the input
  // files. A name the author typed or chose otherwise stays.
  bool OutputNameFollowsInputs() const;
  // FILE chosen as ANIMATION's input file; chosen in the first row
  // (FIRST_ROW), it names the output file after it when the output's name
  // follows the inputs (as it did before the choice).
  void ChooseInputFile(int animation, std::string file, bool first_row);

  // The secondary condition's check box ticked (TICKED) or unticked. Ticked
  // with no number of animations, the number reads "1".
  void TickSecondary(bool ticked);
  // Files chosen for animations 1..LAST while the secondary condition was
  // off, which the author agreed to turn on for them: ticked, LAST
  // animations.
  void TurnSecondaryOnFor(int last);

  // Replaces this record with LOADED, a file's values, as the window holds
  // them: a check-box value other than 1 (a greyed box, 2) is unticked, a
  // bounding-box animation condition unticks the additional condition, the
  // row base keeps the source file page's rows on animations
  // 1..kMaxAnimations, and a file without line 184 (an empty
  // opt_condapply0) keeps this record's choice.
  void TakeLoaded(SettingsRecord loaded);
};

// The check-box value of a ticked box; 0 is unticked, 2 greyed.
inline constexpr int16_t kTicked = 1;

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

// The place of one line in the file and where its value lives in a
// SettingsRecord. INDEX is the control-array index, or the animation number
// 1..50 for the per-animation fields; 0 for fields without an index.
struct SettingsSlot {
  SettingsField field = SettingsField::kChkCond;
  int index = 0;
  SettingsLineKind kind = SettingsLineKind::kText;
  // The condition of a condition's line, and the text it holds: TEXT, or
  // the box extent BOX (>= 0).
  ConditionSettings SettingsRecord::*condition = nullptr;
  std::string ConditionSettings::*text = nullptr;
  int box = -1;
  // A text line outside the conditions: one value, or an animation's entry
  // of a per-animation list.
  std::string SettingsRecord::*value = nullptr;
  std::array<std::string, kMaxAnimations + 1> SettingsRecord::*list = nullptr;
};

// The slot of line LINE, 1..kSettingsLines, from the one table of the
// file's lines. REQUIRES: LINE in that range.
const SettingsSlot& SettingsLineSlot(int line);

// The text that a kText slot names in RECORD.
std::string& SlotText(SettingsRecord& record, const SettingsSlot& slot);
const std::string& SlotText(const SettingsRecord& record,
                            const SettingsSlot& slot);

// FIELD with INDEX as the code names them, e.g. "txt_var(3)",
// "InputFile(35)", "txt_file_out" (a field without an index).
std::string SettingsFieldName(SettingsField field, int index);

// The target of line LINE as the code names it, e.g. "chk_cond(1)",
// "txt_file_out", "InputFile(35)", the kind lines as "opt_con/opt_mask/
// opt_box(0)". The case tables use these names.
std::string SettingsLineName(int line);

// What line LINE holds in the author's words, e.g. "the animation trigger's
// check box", "the input file of animation 35": the messages about a
// settings file use these.
std::string SettingsLineMeaning(int line);

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_RECORD_H_
