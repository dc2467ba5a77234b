#include "engine/output_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zum {
namespace {

using Files = std::vector<std::string>;

TEST(OutputNamesTest, MainFileThenItsCompanion) {
  EXPECT_EQ(OutputFiles("gate_zum.asm"),
            (Files{"gate_zum.asm", "gate_zum_0.asm"}));
  EXPECT_EQ(OutputFiles("D:\\objects\\gate.asm"),
            (Files{"D:\\objects\\gate.asm", "D:\\objects\\gate_0.asm"}));
}

TEST(OutputNamesTest, NamesThatNameNoFile) {
  EXPECT_EQ(OutputFiles(""), Files{});
  EXPECT_EQ(OutputFiles(std::string("gate\0.asm", 9)), Files{});
  // Too short for a companion: only the main file, which the run refuses.
  EXPECT_EQ(OutputFiles("a"), Files{"a"});
}

}  // namespace
}  // namespace zum
