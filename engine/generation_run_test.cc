#include "engine/generation_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class GenerationRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    job_.InputFile[1] = dir_.File("door.asm");
    job_.OutputFile = dir_.File("door_zum.asm");
    WriteFile(job_.InputFile[1], CrLf({"; door", "    include door_0.asm",
                                       "; the include goes here",
                                       "    Include other.asm", "    end"}));
  }

  Status Run() { return RunGeneration(job_, nullptr); }

  TempDir dir_;
  JobSettings job_;
};

TEST_F(GenerationRunTest, MainFilePointsAtTheOutputCompanion) {
  WriteFile(dir_.File("door_0.asm"), CrLf({"no chunks"}));
  ASSERT_TRUE(Run().ok());
  std::string include = "include " + dir_.File("door_zum_0.asm");
  // Every line with "include" (exact case) is replaced, comments too.
  EXPECT_EQ(
      ReadFile(job_.OutputFile),
      CrLf({"; door", include, include, "    Include other.asm", "    end"}));
}

TEST_F(GenerationRunTest, CompanionWithoutTagsIsCopiedUnchanged) {
  // Mixed line ends come out as CR LF; bytes pass untouched.
  WriteFile(dir_.File("door_0.asm"), "a\nb\r\n\xe9\t \rlast");
  ASSERT_TRUE(Run().ok());
  EXPECT_EQ(ReadFile(dir_.File("door_zum_0.asm")),
            CrLf({"a", "b", "\xe9\t ", "last"}));
}

TEST_F(GenerationRunTest, OneAnimationNeverOpensOtherFiles) {
  WriteFile(dir_.File("door_0.asm"), CrLf({"x"}));
  job_.InputFile[2] = dir_.File("absent.asm");
  ASSERT_TRUE(Run().ok());
}

TEST_F(GenerationRunTest, OutputThatWouldOverwriteAnInputIsRefused) {
  std::string companion = CrLf({"x"});
  WriteFile(dir_.File("door_0.asm"), companion);
  std::string main = ReadFile(job_.InputFile[1]);
  for (std::string output :
       {job_.InputFile[1], dir_.File("door_0.asm"),
        dir_.File("sub/../door.asm"), dir_.File("door_0_0.asm")}) {
    // "door_0.asm" as output has companion "door_0_0.asm"; an output named
    // like the input's companion is refused either way.
    job_.OutputFile = output;
    if (output == dir_.File("door_0_0.asm")) {
      continue;
    }
    Status s = Run();
    ASSERT_FALSE(s.ok()) << output;
    EXPECT_NE(s.message().find("the output would overwrite an input"),
              std::string::npos)
        << s.message();
  }
  // The output's companion may not be an input either.
  WriteFile(dir_.File("x.asm"), CrLf({"x"}));
  job_.InputFile[1] = dir_.File("x_0.asm");
  WriteFile(dir_.File("x_0_0.asm"), CrLf({"y"}));
  job_.OutputFile = dir_.File("x.asm");
  EXPECT_FALSE(Run().ok());
  EXPECT_EQ(ReadFile(dir_.File("door.asm")), main);
  EXPECT_EQ(ReadFile(dir_.File("door_0.asm")), companion);
  EXPECT_EQ(ReadFile(dir_.File("x.asm")), CrLf({"x"}));
}

TEST_F(GenerationRunTest, MissingFilesAreNamed) {
  Status s = Run();  // no companion input
  EXPECT_NE(
      s.message().find(dir_.File("door_0.asm") + ": cannot open for reading"),
      std::string::npos)
      << s.message();
  WriteFile(dir_.File("door_0.asm"), CrLf({"x"}));
  job_.OutputFile = dir_.File("no_folder/out.asm");
  s = Run();
  EXPECT_NE(s.message().find("no_folder/out.asm: cannot create the file"),
            std::string::npos)
      << s.message();
  job_.OutputFile = dir_.File("out.asm");
  job_.InputFile[1] = dir_.File("gone.asm");
  WriteFile(dir_.File("gone_0.asm"), CrLf({"x"}));
  s = Run();
  EXPECT_NE(s.message().find("gone.asm: cannot open for reading"),
            std::string::npos)
      << s.message();
}

TEST_F(GenerationRunTest, FailedCompanionPassWritesNeitherOutput) {
  // A tag in a comment starts its section writer, which then runs out of
  // input.
  WriteFile(dir_.File("door_0.asm"),
            CrLf({"; 'A','N','I','P' in a comment", "dd size", "x"}));
  Status s = Run();
  EXPECT_EQ(s.message(), dir_.File("door_0.asm") +
                             ":3: the file ends here, but the end of the "
                             "animation parameters chunk "
                             "(animation_parameters_riff_end) was expected");
  EXPECT_FALSE(std::filesystem::exists(job_.OutputFile));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("door_zum_0.asm")));
}

TEST_F(GenerationRunTest, NumberOfAnimationsIsChecked) {
  WriteFile(dir_.File("door_0.asm"), CrLf({"x"}));
  job_.AnimationCount = "two";
  EXPECT_EQ(Run().message(),
            "number of animations: expected a whole number, found 'two'");
  job_.SecondaryEnabled = true;
  job_.AnimationCount = "51";
  EXPECT_EQ(Run().message(), "number of animations is 51; it must be 1 to 50");
  job_.SecondaryEnabled = false;
  job_.AnimationCount = "2";
  EXPECT_EQ(Run().message(),
            "number of animations is 2; without the secondary condition it "
            "must be 1");
}

TEST_F(GenerationRunTest, ScansEveryAnimationAndKeepsTheFirstShape) {
  job_.SecondaryEnabled = true;
  job_.AnimationCount = "2";
  job_.InputFile[2] = dir_.File("other.asm");
  WriteFile(dir_.File("door_0.asm"),
            CrLf({"BGL_TRANSFORM_INDIRECT 1, 0", "door_trans_1 label word", "h",
                  "h", "h", "dw 1", "real4 40.5, 0, 0, 0"}));
  WriteFile(dir_.File("other_0.asm"), CrLf({"BGL_ANIMATE_INDIRECT"}));
  GenerationRun run(job_, nullptr);
  ASSERT_TRUE(run.RunGeneration().ok());
  EXPECT_EQ(run.scan(1).TransformCount, 1);
  EXPECT_EQ(run.scan(2).AnimateCount, 1);
  EXPECT_EQ(run.label_base(), "door");
  EXPECT_EQ(run.frame_count(), 40);
}

}  // namespace
}  // namespace zum
