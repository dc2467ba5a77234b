#include "settings/page_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/testing.h"

namespace zum {
namespace {

using testing::CompanionText;
using testing::TempDir;
using testing::WriteFile;

// Pages 1 to 3.
class ConditionPageTest : public ::testing::Test {
 protected:
  ConditionSpec Between(const char* variable, const char* minimum,
                        const char* maximum) {
    ConditionSpec spec;
    spec.Kind = ConditionKind::kBetween;
    spec.Variable = variable;
    spec.Minimum = minimum;
    spec.Maximum = maximum;
    return spec;
  }
  ConditionSpec Box(const char* x_min) {
    ConditionSpec spec;
    spec.Kind = ConditionKind::kBoundingBox;
    spec.BoxXMin = x_min;
    spec.BoxXMax = "1";
    spec.BoxYMin = "-2";
    spec.BoxYMax = "2.5";
    spec.BoxZMin = "-3e1";
    spec.BoxZMax = " 3 ";
    return spec;
  }

  JobSettings job_;
};

TEST_F(ConditionPageTest, PageOneWithBothConditionsUncheckedPasses) {
  job_.AnimationConditionEnabled = false;
  job_.AdditionalConditionEnabled = false;
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
}

TEST_F(ConditionPageTest, BetweenNeedsVariableAndBothLimits) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition = Between("0280h", "0", "10");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
  job_.AnimationCondition = Between("", "", "");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckVariable);
  job_.AnimationCondition = Between("0280h", "", "10");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
  job_.AnimationCondition = Between("0280h", "0", "");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
  // Only emptiness counts: blanks and words pass.
  job_.AnimationCondition = Between(" ", "low", "high");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
}

TEST_F(ConditionPageTest, MaskWithEmptyMaximumPasses) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition = Between("0280h", "4", "");
  job_.AnimationCondition.Kind = ConditionKind::kMask;
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
  job_.AnimationCondition.Minimum = "";
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
}

TEST_F(ConditionPageTest, AdditionalConditionIsCheckedAfterTheFirst) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition = Between("0280h", "0", "10");
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition = Between("", "1", "2");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckVariable);
}

TEST_F(ConditionPageTest, AdditionalConditionsCodeReplacesTheFirst) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition = Between("0280h", "0", "");  // 2
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition = Between("", "1", "2");  // 1
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckVariable);
  // A passing additional condition keeps the first code.
  job_.AdditionalCondition = Between("0316h", "1", "2");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
}

TEST_F(ConditionPageTest, AdditionalConditionIsCheckedAlone) {
  job_.AnimationConditionEnabled = false;
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition = Between("0316h", "", "2");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
}

TEST_F(ConditionPageTest, AdditionalConditionFollowsTheAnimationKind) {
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition = Between("0316h", "1", "");
  job_.AnimationCondition.Kind = ConditionKind::kMask;
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
  job_.AnimationCondition.Kind = ConditionKind::kBetween;
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckLimits);
  // Beside a bounding box it is not checked at all.
  job_.AdditionalCondition = Between("", "", "");
  job_.AnimationCondition.Kind = ConditionKind::kBoundingBox;
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
}

TEST_F(ConditionPageTest, BoundingBoxNeedsSixNumericExtents) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition = Box("-1");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
  job_.AnimationCondition = Box("abc");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckBoundingBox);
  job_.AnimationCondition = Box("");
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckBoundingBox);
  job_.AnimationCondition = Box("-1");
  job_.AnimationCondition.BoxZMax = "3m";
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckBoundingBox);
  // The rotation and the hidden variable boxes are not checked.
  job_.AnimationCondition = Box("-1");
  job_.AnimationCondition.Rotation = "";
  job_.AnimationCondition.Variable = "";
  EXPECT_EQ(CheckConditionPage(job_, 0), kCheckPassed);
}

TEST_F(ConditionPageTest, PageTwoChecksTheTrigger) {
  job_.TriggerEnabled = false;
  job_.Trigger = Between("", "", "");
  EXPECT_EQ(CheckConditionPage(job_, 1), kCheckPassed);
  job_.TriggerEnabled = true;
  EXPECT_EQ(CheckConditionPage(job_, 1), kCheckVariable);
  job_.Trigger = Box("x");
  EXPECT_EQ(CheckConditionPage(job_, 1), kCheckBoundingBox);
  // Page 2 does not look at page 1.
  job_.Trigger = Between("0312h", "1", "1");
  job_.AnimationConditionEnabled = true;
  EXPECT_EQ(CheckConditionPage(job_, 1), kCheckPassed);
}

TEST_F(ConditionPageTest, PageThreeChecksTheNumberOfAnimations) {
  job_.SecondaryEnabled = true;
  job_.SecondaryVariable = "0314h";
  struct Row {
    const char* count;
    int16_t code;
  };
  const Row rows[] = {
      {"50", kCheckPassed},
      {"50.5", kCheckPassed},
      {"0", kCheckPassed},
      {"-3", kCheckPassed},
      {" 7 ", kCheckPassed},
      {"1e1", kCheckPassed},
      {"51", kCheckAnimationCount},
      {"50.6", kCheckAnimationCount},
      {"100000", kCheckAnimationCount},
      {"", kCheckAnimationCount},
      {"abc", kCheckAnimationCount},
      {"5 animations", kCheckAnimationCount},
  };
  for (const Row& row : rows) {
    job_.AnimationCount = row.count;
    EXPECT_EQ(CheckConditionPage(job_, 2), row.code) << "'" << row.count << "'";
  }
}

TEST_F(ConditionPageTest, PageThreeNeedsTheVariableFirst) {
  job_.SecondaryEnabled = true;
  job_.SecondaryVariable = "";
  job_.AnimationCount = "abc";
  EXPECT_EQ(CheckConditionPage(job_, 2), kCheckVariable);
  job_.SecondaryEnabled = false;
  EXPECT_EQ(CheckConditionPage(job_, 2), kCheckPassed);
}

TEST(CheckMessageTest, GivesTheTextsOfEveryCode) {
  struct Row {
    int16_t code;
    const char* message;
    const char* title;
  };
  const Row rows[] = {
      {1, "Please enter a valid variable", "ZUM error"},
      {2, "Please enter a valid minimum/maximum value", "ZUM error"},
      {3, "Please enter a valid number of secondairy conditions", "ZUM error"},
      {4, "Please enter a valid input file", "ZUM error"},
      {5,
       "Please enter as many input files as you have selected secondairy "
       "conditions",
       "ZUM error"},
      {6, "Please enter a valid output file", "ZUM err"},
      {7,
       "Please enter as many minimum/maximum values as you have selected "
       "secondairy conditions",
       "ZUM error"},
      {8,
       "The number of frames or animation tables does not match, please "
       "check the tooltips of the text boxes",
       "ZUM error"},
      {9, "Please enter correct values for the bounding box", "ZUM error"},
  };
  for (const Row& row : rows) {
    CheckMessage message = CheckCodeMessage(row.code);
    EXPECT_EQ(message.message, row.message) << "code " << row.code;
    EXPECT_EQ(message.title, row.title) << "code " << row.code;
    EXPECT_EQ(message.icon, MessageIcon::kCritical) << "code " << row.code;
  }
  EXPECT_EQ(CheckCodeMessage(0).message, "");
  EXPECT_EQ(CheckCodeMessage(0).icon, MessageIcon::kNone);
  EXPECT_EQ(CheckCodeMessage(10).message, "");
}

// Page 4, with real companion files.
class SourceFilesTest : public ::testing::Test {
 protected:
  SourceFilesTest() {
    job_.OutputFile = dir_.File("out.asm");
    job_.AnimationCount = "1";
  }
  // Names animation A's main file NAME and writes its companion file.
  void AddInput(int a, const std::string& name, int transforms, int animates,
                std::initializer_list<int> frames) {
    job_.InputFile[a] = dir_.File(name + ".asm");
    WriteFile(dir_.File(name + "_0.asm"),
              CompanionText(transforms, animates, frames));
    job_.SecondaryMin[a] = std::to_string(a);
    job_.SecondaryMax[a] = std::to_string(a);
  }
  void UseSecondary(const char* count) {
    job_.SecondaryEnabled = true;
    job_.SecondaryVariable = "0314h";
    job_.AnimationCount = count;
  }

  TempDir dir_;
  JobSettings job_;
};

TEST_F(SourceFilesTest, OneGoodInputPassesAndIsScanned) {
  AddInput(1, "gate", 2, 3, {50, 50, 50});
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckPassed);
  EXPECT_EQ(check.scanned, 1);
  EXPECT_EQ(check.pre_scan[1].TransformCount, 2);
  EXPECT_EQ(check.pre_scan[1].AnimateCount, 3);
  EXPECT_EQ(check.pre_scan[1].Frames[1], 50);
  EXPECT_EQ(check.pre_scan[1].LabelBase, "gate");
  EXPECT_EQ(check.failed_animation, 0);
  EXPECT_TRUE(check.scan_error.ok());
}

TEST_F(SourceFilesTest, EmptyOutputFileComesFirst) {
  job_.OutputFile = "";
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckOutputFile);
  EXPECT_EQ(CheckCodeMessage(check.code).title, "ZUM err");
  EXPECT_EQ(check.scanned, 0);
}

TEST_F(SourceFilesTest, EmptyFirstInputGivesFour) {
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckInputFile);
  EXPECT_EQ(check.failed_animation, 0);
  EXPECT_TRUE(check.scan_error.ok());
}

TEST_F(SourceFilesTest, SecondaryGapsReplaceTheEarlierCodes) {
  UseSecondary("3");
  AddInput(1, "gate", 2, 3, {50});
  AddInput(2, "gate2", 2, 3, {50});
  AddInput(3, "gate3", 2, 3, {50});
  job_.OutputFile = "";
  job_.SecondaryMin[3] = "";
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckSecondaryRanges);

  // The last animation with a gap decides.
  job_.OutputFile = dir_.File("out.asm");
  job_.InputFile[2] = "";
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckSecondaryRanges);
  job_.SecondaryMin[3] = "3";
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckInputFiles);
  job_.InputFile[2] = dir_.File("gate2.asm");
  job_.SecondaryMax[1] = "";
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckSecondaryRanges);
}

TEST_F(SourceFilesTest, EntriesBeyondTheCountAreNotLookedAt) {
  UseSecondary("2");
  AddInput(1, "gate", 2, 3, {50});
  AddInput(2, "gate2", 2, 3, {50});
  job_.InputFile[3] = dir_.File("missing.asm");
  job_.SecondaryMin[4] = "";
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckPassed);
  EXPECT_EQ(check.scanned, 2);
}

TEST_F(SourceFilesTest, WithoutSecondaryOnlyTheFirstInputIsScanned) {
  AddInput(1, "gate", 2, 3, {50});
  AddInput(2, "gate2", 1, 1, {60});
  job_.InputFile[3] = dir_.File("missing.asm");
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckPassed);
  EXPECT_EQ(check.scanned, 1);
}

TEST_F(SourceFilesTest, DifferentShapesGiveEight) {
  UseSecondary("2");
  AddInput(1, "gate", 2, 3, {50});
  AddInput(2, "gate2", 2, 3, {60});
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckShapes);
  EXPECT_EQ(check.pre_scan[2].Frames[1], 60);

  AddInput(2, "gate2", 1, 3, {50});
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckShapes);
  AddInput(2, "gate2", 2, 2, {50});
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckShapes);
  // Only the first table's frame count is compared.
  AddInput(2, "gate2", 2, 3, {50, 70});
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckPassed);
}

TEST_F(SourceFilesTest, MissingCompanionFileIsReportedByName) {
  UseSecondary("3");
  AddInput(1, "gate", 2, 3, {50});
  AddInput(2, "gate2", 2, 3, {50});
  AddInput(3, "gate3", 2, 3, {50});
  job_.InputFile[2] = dir_.File("gone.asm");
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckInputFile);
  EXPECT_EQ(check.failed_animation, 2);
  EXPECT_EQ(check.scan_error.ToString(),
            "animation 2 (" + dir_.File("gone.asm") +
                "): " + dir_.File("gone_0.asm") +
                ": cannot open for reading (No such file or directory)");
  // The others are scanned for their tooltips; the failed one is empty.
  EXPECT_EQ(check.scanned, 3);
  EXPECT_EQ(check.pre_scan[3].AnimateCount, 3);
  EXPECT_EQ(check.pre_scan[2].AnimateCount, 0);
}

TEST_F(SourceFilesTest, CompanionChosenInPlaceOfItsMainFileFails) {
  AddInput(1, "gate", 2, 3, {50});
  job_.InputFile[1] = dir_.File("gate_0.asm");
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckInputFile);
  EXPECT_EQ(check.failed_animation, 1);
  EXPECT_NE(check.scan_error.message().find("gate_0_0.asm"), std::string::npos);
}

TEST_F(SourceFilesTest, MalformedCompanionNamesItsLine) {
  job_.InputFile[1] = dir_.File("bad.asm");
  WriteFile(dir_.File("bad_0.asm"),
            "bad_trans_1 label word\r\n dw 1\r\n dw 0\r\n dw 0\r\n dw x\r\n");
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckInputFile);
  EXPECT_NE(check.scan_error.message().find(dir_.File("bad_0.asm") + ":5: "),
            std::string::npos)
      << check.scan_error.message();
}

TEST_F(SourceFilesTest, NameTooShortForACompanionFails) {
  job_.InputFile[1] = "a";
  SourceFileCheck check = CheckSourceFiles(job_);
  EXPECT_EQ(check.code, kCheckInputFile);
  EXPECT_EQ(check.failed_animation, 1);
  EXPECT_EQ(check.scan_error.message().rfind("animation 1 (a): ", 0), 0u)
      << check.scan_error.message();
}

TEST_F(SourceFilesTest, CountThatPageThreeWouldRefuseGivesThree) {
  UseSecondary("51");
  AddInput(1, "gate", 2, 3, {50});
  EXPECT_EQ(CheckSourceFiles(job_).code, kCheckAnimationCount);
}

}  // namespace
}  // namespace zum
