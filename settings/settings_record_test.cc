#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zum {
namespace {

TEST(SettingsLayoutTest, NamesTheTargetOfEveryLine) {
  struct Row {
    int line;
    const char* name;
    SettingsLineKind kind;
  };
  const Row rows[] = {
      {1, "chk_cond(0)", SettingsLineKind::kCheckBox},
      {2, "txt_var(0)", SettingsLineKind::kText},
      {3, "txt_var_min(0)", SettingsLineKind::kText},
      {4, "txt_var_max(0)", SettingsLineKind::kText},
      {5, "chk_cond(1)", SettingsLineKind::kCheckBox},
      {8, "txt_var_max(1)", SettingsLineKind::kText},
      {9, "chk_cond(2)", SettingsLineKind::kCheckBox},
      {10, "txt_var(2)", SettingsLineKind::kText},
      {11, "txt_var_min(2)", SettingsLineKind::kText},
      {12, "txt_var_max(2)", SettingsLineKind::kText},
      {13, "chk_cond(3)", SettingsLineKind::kCheckBox},
      {14, "txt_var(3)", SettingsLineKind::kText},
      {15, "txt_num_secondanim", SettingsLineKind::kText},
      {16, "txt_file_out", SettingsLineKind::kText},
      {17, "FileRowBase", SettingsLineKind::kNumber},
      {18, "InputFile(1)", SettingsLineKind::kText},
      {19, "SecondaryMin(1)", SettingsLineKind::kText},
      {20, "SecondaryMax(1)", SettingsLineKind::kText},
      {21, "InputFile(2)", SettingsLineKind::kText},
      {165, "InputFile(50)", SettingsLineKind::kText},
      {166, "SecondaryMin(50)", SettingsLineKind::kText},
      {167, "SecondaryMax(50)", SettingsLineKind::kText},
      {168, "opt_con/opt_mask/opt_box(0)", SettingsLineKind::kKind},
      {169, "txt_box_xmin(0)", SettingsLineKind::kText},
      {170, "txt_box_xmax(0)", SettingsLineKind::kText},
      {171, "txt_box_ymin(0)", SettingsLineKind::kText},
      {172, "txt_box_ymax(0)", SettingsLineKind::kText},
      {173, "txt_box_zmin(0)", SettingsLineKind::kText},
      {174, "txt_box_zmax(0)", SettingsLineKind::kText},
      {175, "txt_rot(0)", SettingsLineKind::kText},
      {176, "opt_con/opt_mask/opt_box(1)", SettingsLineKind::kKind},
      {177, "txt_box_xmin(1)", SettingsLineKind::kText},
      {183, "txt_rot(1)", SettingsLineKind::kText},
      {184, "opt_condapply", SettingsLineKind::kApplyTo},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SettingsLineName(row.line), row.name) << "line " << row.line;
    EXPECT_EQ(SettingsLineSlot(row.line).kind, row.kind) << "line " << row.line;
  }
}

TEST(SettingsLayoutTest, EveryLineHasItsOwnTarget) {
  std::set<std::string> names;
  for (int line = 1; line <= kSettingsLines; ++line) {
    EXPECT_TRUE(names.insert(SettingsLineName(line)).second)
        << "line " << line << " repeats " << SettingsLineName(line);
  }
  EXPECT_EQ(names.size(), 184u);
}

TEST(SettingsLayoutTest, AnimationLinesFollowTheThreeLineRule) {
  for (int a = 1; a <= kMaxAnimations; ++a) {
    EXPECT_EQ(SettingsLineSlot(15 + 3 * a).field, SettingsField::kInputFile);
    EXPECT_EQ(SettingsLineSlot(16 + 3 * a).field, SettingsField::kSecondaryMin);
    EXPECT_EQ(SettingsLineSlot(17 + 3 * a).field, SettingsField::kSecondaryMax);
    EXPECT_EQ(SettingsLineSlot(15 + 3 * a).index, a);
    EXPECT_EQ(SettingsLineSlot(17 + 3 * a).index, a);
  }
}

TEST(SettingsRecordTest, DefaultIsTheWindowsStartUpState) {
  SettingsRecord record;
  EXPECT_EQ(record.chk_cond[0], 0);
  EXPECT_EQ(record.chk_cond[1], 1);  // the trigger starts ticked
  EXPECT_EQ(record.chk_cond[2], 0);
  EXPECT_EQ(record.chk_cond[3], 0);
  EXPECT_EQ(record.opt_kind[0], ConditionKind::kBetween);
  EXPECT_FALSE(record.opt_condapply0.has_value());
}

}  // namespace
}  // namespace zum
