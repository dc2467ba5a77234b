#include "settings/settings_record.h"

#include <cassert>

namespace zum {
namespace {

constexpr int kFirstAnimationLine = 18;  // InputFile(1)
constexpr int kLastAnimationLine = 167;  // SecondaryMax(50)
constexpr int kAnimationKindLine = 168;
constexpr int kTriggerKindLine = 176;

// Lines 1..17 in file order.
constexpr SettingsSlot kHeadSlots[] = {
    {SettingsField::kChkCond, 0, SettingsLineKind::kCheckBox},
    {SettingsField::kTxtVar, 0, SettingsLineKind::kText},
    {SettingsField::kTxtVarMin, 0, SettingsLineKind::kText},
    {SettingsField::kTxtVarMax, 0, SettingsLineKind::kText},
    {SettingsField::kChkCond, 1, SettingsLineKind::kCheckBox},
    {SettingsField::kTxtVar, 1, SettingsLineKind::kText},
    {SettingsField::kTxtVarMin, 1, SettingsLineKind::kText},
    {SettingsField::kTxtVarMax, 1, SettingsLineKind::kText},
    {SettingsField::kChkCond, 2, SettingsLineKind::kCheckBox},
    {SettingsField::kTxtVar, 2, SettingsLineKind::kText},
    {SettingsField::kTxtVarMin, 2, SettingsLineKind::kText},
    {SettingsField::kTxtVarMax, 2, SettingsLineKind::kText},
    {SettingsField::kChkCond, 3, SettingsLineKind::kCheckBox},
    {SettingsField::kTxtVar, 3, SettingsLineKind::kText},
    {SettingsField::kTxtNumSecondanim, 0, SettingsLineKind::kText},
    {SettingsField::kTxtFileOut, 0, SettingsLineKind::kText},
    {SettingsField::kFileRowBase, 0, SettingsLineKind::kNumber},
};

// The seven lines that follow each kind line, in file order.
constexpr SettingsField kBoxFields[] = {
    SettingsField::kTxtBoxXmin, SettingsField::kTxtBoxXmax,
    SettingsField::kTxtBoxYmin, SettingsField::kTxtBoxYmax,
    SettingsField::kTxtBoxZmin, SettingsField::kTxtBoxZmax,
    SettingsField::kTxtRot,
};

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

}  // namespace

SettingsSlot SettingsLineSlot(int line) {
  assert(line >= 1 && line <= kSettingsLines);
  if (line < kFirstAnimationLine) {
    return kHeadSlots[line - 1];
  }
  if (line <= kLastAnimationLine) {
    // Lines 15 + 3a, 16 + 3a and 17 + 3a belong to animation a.
    int animation = (line - 15) / 3;
    switch ((line - 15) % 3) {
      case 0:
        return {SettingsField::kInputFile, animation, SettingsLineKind::kText};
      case 1:
        return {SettingsField::kSecondaryMin, animation,
                SettingsLineKind::kText};
      default:
        return {SettingsField::kSecondaryMax, animation,
                SettingsLineKind::kText};
    }
  }
  if (line == kAnimationKindLine || line == kTriggerKindLine) {
    return {SettingsField::kOptKind, line == kAnimationKindLine ? 0 : 1,
            SettingsLineKind::kKind};
  }
  if (line < kTriggerKindLine) {
    return {kBoxFields[line - kAnimationKindLine - 1], 0,
            SettingsLineKind::kText};
  }
  if (line <= kSettingsRequiredLines) {
    return {kBoxFields[line - kTriggerKindLine - 1], 1,
            SettingsLineKind::kText};
  }
  return {SettingsField::kOptCondapply, 0, SettingsLineKind::kApplyTo};
}

std::string SettingsLineName(int line) {
  SettingsSlot slot = SettingsLineSlot(line);
  std::string name = FieldName(slot.field);
  if (HasIndex(slot.field)) {
    name += "(" + std::to_string(slot.index) + ")";
  }
  return name;
}

}  // namespace zum
