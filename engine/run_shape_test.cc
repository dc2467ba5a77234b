#include "engine/run_shape.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/testing.h"

namespace zum {
namespace {

// Rows: animation, variant, M, C, K, and the number, or 0 with the error.
TEST(RunShapeTest, CopyNumberChecksEveryStep) {
  const struct {
    int animation, variant, variants, commands, k;
    int16_t number;
    const char* error;
  } rows[] = {
      {1, 1, 4, 10, 5, 5, ""},
      {2, 3, 4, 10, 5, 65, ""},
      {1, 1, 2, 5, -3, -3, ""},
      {1, 2, 2, 32767, 0, 32767, ""},
      {1, 2, 2, 32767, 1, 0,
       "matrix 1 in animation 1, variant 2 would be number 32768, outside "
       "the 16-bit range -32768..32767 (too many animations, variants or "
       "commands)"},
      // 40000 - 10000 fits, but the copy's base does not.
      {2, 1, 4, 10000, -10000, 0,
       "matrix -10000 in animation 2, variant 1 would be number 30000, "
       "outside the 16-bit range -32768..32767 (too many animations, "
       "variants or commands)"},
  };
  for (const auto& r : rows) {
    RunShape shape;
    shape.variants = r.variants;
    shape.commands = r.commands;
    int16_t number = 0;
    std::string err;
    EXPECT_EQ(CopyNumber(shape, r.animation, r.variant, r.k, &number, &err),
              *r.error == '\0')
        << r.k;
    EXPECT_EQ(number, r.number) << r.k;
    EXPECT_EQ(err, r.error) << r.k;
  }
}

TEST(RunShapeTest, CommandCountMustFitSixteenBits) {
  testing::TempDir dir;
  testing::WriteFile(dir.File("g_0.asm"), testing::CrLf({"tag"}));
  LineReader in;
  ASSERT_TRUE(in.Open(dir.File("g_0.asm")).ok());
  std::string line;
  ASSERT_TRUE(in.Next(&line));
  JobSettings job;
  SourceScan scan;
  scan.TransformCount = 16384;
  scan.AnimateCount = 16383;
  EXPECT_TRUE(CheckCommandCount(MakeRunShape(job, 1, scan), in).ok());
  scan.AnimateCount = 16384;
  EXPECT_EQ(CheckCommandCount(MakeRunShape(job, 1, scan), in).message(),
            in.name() +
                ":1: the companion file has 16384 transform and 16384 "
                "animate commands; expected at most 32767 together");
}

}  // namespace
}  // namespace zum
