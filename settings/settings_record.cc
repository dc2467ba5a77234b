#include "settings/settings_record.h"

#include <cassert>
#include <string_view>

#include "engine/number_rules.h"
#include "settings/output_name.h"
#include "settings/source_file_rows.h"

namespace zum {
namespace {

using Lists = std::array<std::string, kMaxAnimations + 1>;

constexpr SettingsSlot CheckBox(int index,
                                ConditionSettings SettingsRecord::*condition) {
  SettingsSlot slot{SettingsField::kChkCond, index,
                    SettingsLineKind::kCheckBox};
  slot.condition = condition;
  return slot;
}

constexpr SettingsSlot ConditionText(
    SettingsField field, int index,
    ConditionSettings SettingsRecord::*condition,
    std::string ConditionSettings::*text, int box = -1) {
  SettingsSlot slot{field, index, SettingsLineKind::kText};
  slot.condition = condition;
  slot.text = text;
  slot.box = box;
  return slot;
}

constexpr SettingsSlot RecordText(SettingsField field,
                                  std::string SettingsRecord::*value) {
  SettingsSlot slot{field, 0, SettingsLineKind::kText};
  slot.value = value;
  return slot;
}

constexpr SettingsSlot ListEntry(SettingsField field, int animation,
                                 Lists SettingsRecord::*list) {
  SettingsSlot slot{field, animation, SettingsLineKind::kText};
  slot.list = list;
  return slot;
}

// The condition, kind and box lines of the animation condition (INDEX 0)
// or the trigger (1), from line *LINE on.
constexpr void AddKindAndBox(int index,
                             ConditionSettings SettingsRecord::*condition,
                             std::array<SettingsSlot, kSettingsLines + 1>& t,
                             int* line) {
  SettingsSlot kind{SettingsField::kOptKind, index, SettingsLineKind::kKind};
  kind.condition = condition;
  t[(*line)++] = kind;
  constexpr SettingsField kBoxFields[] = {
      SettingsField::kTxtBoxXmin, SettingsField::kTxtBoxXmax,
      SettingsField::kTxtBoxYmin, SettingsField::kTxtBoxYmax,
      SettingsField::kTxtBoxZmin, SettingsField::kTxtBoxZmax,
  };
  for (int box = 0; box < 6; ++box) {
    t[(*line)++] =
        ConditionText(kBoxFields[box], index, condition, nullptr, box);
  }
  t[(*line)++] = ConditionText(SettingsField::kTxtRot, index, condition,
                               &ConditionSettings::txt_rot);
}

// The settings file's lines, [1..184], in file order.
constexpr std::array<SettingsSlot, kSettingsLines + 1> MakeSettingsTable() {
  using F = SettingsField;
  using C = ConditionSettings;
  using R = SettingsRecord;
  std::array<SettingsSlot, kSettingsLines + 1> t{};
  int line = 1;
  // Lines 1..12: the animation condition, the trigger, the secondary
  // condition with the additional condition's limits: check box, variable,
  // minimum, maximum.
  t[line++] = CheckBox(0, &R::animation);
  t[line++] = ConditionText(F::kTxtVar, 0, &R::animation, &C::txt_var);
  t[line++] = ConditionText(F::kTxtVarMin, 0, &R::animation, &C::txt_var_min);
  t[line++] = ConditionText(F::kTxtVarMax, 0, &R::animation, &C::txt_var_max);
  t[line++] = CheckBox(1, &R::trigger);
  t[line++] = ConditionText(F::kTxtVar, 1, &R::trigger, &C::txt_var);
  t[line++] = ConditionText(F::kTxtVarMin, 1, &R::trigger, &C::txt_var_min);
  t[line++] = ConditionText(F::kTxtVarMax, 1, &R::trigger, &C::txt_var_max);
  t[line++] = CheckBox(2, &R::secondary);
  t[line++] = ConditionText(F::kTxtVar, 2, &R::secondary, &C::txt_var);
  t[line++] = ConditionText(F::kTxtVarMin, 2, &R::additional, &C::txt_var_min);
  t[line++] = ConditionText(F::kTxtVarMax, 2, &R::additional, &C::txt_var_max);
  // Lines 13..17.
  t[line++] = CheckBox(3, &R::additional);
  t[line++] = ConditionText(F::kTxtVar, 3, &R::additional, &C::txt_var);
  t[line++] = RecordText(F::kTxtNumSecondanim, &R::txt_num_secondanim);
  t[line++] = RecordText(F::kTxtFileOut, &R::txt_file_out);
  t[line++] = {F::kFileRowBase, 0, SettingsLineKind::kNumber};
  // Lines 18..167: per animation its input file and secondary range.
  for (int a = 1; a <= kMaxAnimations; ++a) {
    t[line++] = ListEntry(F::kInputFile, a, &R::InputFile);
    t[line++] = ListEntry(F::kSecondaryMin, a, &R::SecondaryMin);
    t[line++] = ListEntry(F::kSecondaryMax, a, &R::SecondaryMax);
  }
  // Lines 168..183: each condition's kind, box extents and rotation.
  AddKindAndBox(0, &R::animation, t, &line);
  AddKindAndBox(1, &R::trigger, t, &line);
  // Line 184, the only optional one.
  t[line++] = {F::kOptCondapply, 0, SettingsLineKind::kApplyTo};
  return t;
}

constexpr std::array<SettingsSlot, kSettingsLines + 1> kSettingsTable =
    MakeSettingsTable();

static_assert(kSettingsTable[kSettingsRequiredLines].field ==
                  SettingsField::kTxtRot,
              "line 183 is the trigger's rotation");
static_assert(kSettingsTable[kSettingsLines].kind ==
              SettingsLineKind::kApplyTo);

const char* FieldName(SettingsField field) {
  switch (field) {
    case SettingsField::kChkCond:
      return "chk_cond";
    case SettingsField::kTxtVar:
      return "txt_var";
    case SettingsField::kTxtVarMin:
      return "txt_var_min";
    case SettingsField::kTxtVarMax:
      return "txt_var_max";
    case SettingsField::kTxtNumSecondanim:
      return "txt_num_secondanim";
    case SettingsField::kTxtFileOut:
      return "txt_file_out";
    case SettingsField::kFileRowBase:
      return "FileRowBase";
    case SettingsField::kInputFile:
      return "InputFile";
    case SettingsField::kSecondaryMin:
      return "SecondaryMin";
    case SettingsField::kSecondaryMax:
      return "SecondaryMax";
    case SettingsField::kOptKind:
      return "opt_con/opt_mask/opt_box";
    case SettingsField::kTxtBoxXmin:
      return "txt_box_xmin";
    case SettingsField::kTxtBoxXmax:
      return "txt_box_xmax";
    case SettingsField::kTxtBoxYmin:
      return "txt_box_ymin";
    case SettingsField::kTxtBoxYmax:
      return "txt_box_ymax";
    case SettingsField::kTxtBoxZmin:
      return "txt_box_zmin";
    case SettingsField::kTxtBoxZmax:
      return "txt_box_zmax";
    case SettingsField::kTxtRot:
      return "txt_rot";
    case SettingsField::kOptCondapply:
      return "opt_condapply";
  }
  return "?";
}

bool HasIndex(SettingsField field) {
  return field != SettingsField::kTxtNumSecondanim &&
         field != SettingsField::kTxtFileOut &&
         field != SettingsField::kFileRowBase &&
         field != SettingsField::kOptCondapply;
}

// SlotText for a const or a mutable record.
template <typename Record>
auto& TextOf(Record& record, const SettingsSlot& slot) {
  assert(slot.kind == SettingsLineKind::kText);
  if (slot.list != nullptr) {
    return (record.*slot.list)[slot.index];
  }
  if (slot.value != nullptr) {
    return record.*slot.value;
  }
  auto& condition = record.*slot.condition;
  return slot.box >= 0 ? condition.txt_box[slot.box] : condition.*slot.text;
}

}  // namespace

ConditionSettings& SettingsRecord::ConditionOfCheckBox(int index) {
  // The check boxes are lines 1, 5, 9 and 13.
  assert(index >= 0 && index <= 3);
  return this->*kSettingsTable[1 + 4 * index].condition;
}

const ConditionSettings& SettingsRecord::ConditionOfCheckBox(int index) const {
  return const_cast<SettingsRecord*>(this)->ConditionOfCheckBox(index);
}

void SettingsRecord::SelectKind(int index, ConditionKind kind) {
  ConditionOfCheckBox(index).opt_kind = kind;
  if (index == 0 && kind == ConditionKind::kBoundingBox) {
    additional.chk_cond = 0;
  }
}

std::string SettingsRecord::AnimationCount() const {
  return secondary.chk_cond == kTicked ? txt_num_secondanim : "1";
}

int SettingsRecord::AnimationCountShown() const {
  int16_t n = 1;
  std::string err;
  return ToInt16(AnimationCount(), &n, &err) ? n : 1;
}

void SettingsRecord::CountOneAnimationWhenOff() {
  txt_num_secondanim = AnimationCount();
}

void SettingsRecord::RaiseAnimationCount(int last) {
  if (secondary.chk_cond == kTicked && last > AnimationCountShown()) {
    txt_num_secondanim = std::to_string(last);
  }
}

void SettingsRecord::NameOutputAfter(const std::string& input) {
  txt_file_out = ProposedOutputName(input);
}

bool SettingsRecord::OutputNameFollowsInputs() const {
  if (txt_file_out.empty()) {
    return true;
  }
  for (int a = 1; a <= kMaxAnimations; ++a) {
    if (!InputFile[a].empty() &&
        ProposedOutputName(InputFile[a]) == txt_file_out) {
      return true;
    }
  }
  return false;
}

void SettingsRecord::ChooseInputFile(int animation, std::string file,
                                     bool first_row) {
  const bool follows = OutputNameFollowsInputs();
  InputFile[animation] = std::move(file);
  if (first_row && follows) {
    NameOutputAfter(InputFile[animation]);
  }
}

void SettingsRecord::TickSecondary(bool ticked) {
  secondary.chk_cond = ticked ? kTicked : 0;
  if (ticked && txt_num_secondanim.empty()) {
    txt_num_secondanim = "1";
  }
}

void SettingsRecord::TurnSecondaryOnFor(int last) {
  TickSecondary(true);
  txt_num_secondanim = std::to_string(last);
}

void SettingsRecord::TakeLoaded(SettingsRecord loaded) {
  for (int index = 0; index < 4; ++index) {
    int16_t& box = loaded.ConditionOfCheckBox(index).chk_cond;
    box = box == kTicked ? kTicked : 0;
  }
  loaded.SelectKind(0, loaded.animation.opt_kind);
  SourceFileRows(&loaded).SetRowBase(loaded.FileRowBase);
  if (!loaded.opt_condapply0.has_value()) {
    loaded.opt_condapply0 = opt_condapply0;
  }
  *this = std::move(loaded);
}

const SettingsSlot& SettingsLineSlot(int line) {
  assert(line >= 1 && line <= kSettingsLines);
  return kSettingsTable[line];
}

std::string& SlotText(SettingsRecord& record, const SettingsSlot& slot) {
  return TextOf(record, slot);
}

const std::string& SlotText(const SettingsRecord& record,
                            const SettingsSlot& slot) {
  return TextOf(record, slot);
}

std::string SettingsFieldName(SettingsField field, int index) {
  std::string name = FieldName(field);
  if (HasIndex(field)) {
    name += "(" + std::to_string(index) + ")";
  }
  return name;
}

std::string SettingsLineName(int line) {
  const SettingsSlot& slot = SettingsLineSlot(line);
  return SettingsFieldName(slot.field, slot.index);
}

namespace {

// The condition that CONDITION names, as the pages' captions call it.
std::string ConditionMeaning(ConditionSettings SettingsRecord::*condition) {
  if (condition == &SettingsRecord::animation) {
    return "the animation condition";
  }
  if (condition == &SettingsRecord::trigger) {
    return "the animation trigger";
  }
  if (condition == &SettingsRecord::secondary) {
    return "the secondary condition";
  }
  return "the additional animation condition";
}

}  // namespace

std::string SettingsLineMeaning(int line) {
  const SettingsSlot& slot = SettingsLineSlot(line);
  const std::string animation = std::to_string(slot.index);
  // A line of a condition: "the animation trigger's check box".
  auto of_condition = [&slot](const char* what) {
    return ConditionMeaning(slot.condition) + "'s " + what;
  };
  switch (slot.field) {
    case SettingsField::kChkCond:
      return of_condition("check box");
    case SettingsField::kTxtVar:
      return of_condition("variable");
    case SettingsField::kTxtVarMin:
      return of_condition("minimum value");
    case SettingsField::kTxtVarMax:
      return of_condition("maximum value");
    case SettingsField::kTxtNumSecondanim:
      return "the number of animations";
    case SettingsField::kTxtFileOut:
      return "the output file";
    case SettingsField::kFileRowBase:
      return "the first animation shown on the source file page";
    case SettingsField::kInputFile:
      return "the input file of animation " + animation;
    case SettingsField::kSecondaryMin:
      return "the secondary condition's minimum of animation " + animation;
    case SettingsField::kSecondaryMax:
      return "the secondary condition's maximum of animation " + animation;
    case SettingsField::kOptKind:
      return of_condition("kind");
    case SettingsField::kTxtBoxXmin:
      return of_condition("box width minimum");
    case SettingsField::kTxtBoxXmax:
      return of_condition("box width maximum");
    case SettingsField::kTxtBoxYmin:
      return of_condition("box height minimum");
    case SettingsField::kTxtBoxYmax:
      return of_condition("box height maximum");
    case SettingsField::kTxtBoxZmin:
      return of_condition("box length minimum");
    case SettingsField::kTxtBoxZmax:
      return of_condition("box length maximum");
    case SettingsField::kTxtRot:
      return of_condition("box rotation");
    case SettingsField::kOptCondapply:
      return "what the animation condition applies to";
  }
  return "line " + std::to_string(line);
}

}  // namespace zum
