#include "engine/status.h"

#include <gtest/gtest.h>

#include <string>

namespace zum {
namespace {

TEST(StatusTest, Issue19NamesInMessagesAreShortened) {
  const std::string longest(kMaxNameInMessage, 'n');
  EXPECT_EQ(Status::InFile(longest, "is read-only").message(),
            longest + ": is read-only");
  const std::string name =
      std::string(130, 'a') + std::string(1, 'b') + std::string(130, 'c');
  EXPECT_EQ(Status::AtLine(name, 7, "what").message(),
            std::string(120, 'a') + "..." + std::string(120, 'c') + ":7: what");
  // A hundred megabytes of name make a message of a few lines.
  EXPECT_EQ(ShortName(std::string(100 << 20, 'x')).size(), 243u);
  // Never half a UTF-8 character at either cut.
  std::string accents;
  for (int i = 0; i < 200; ++i) {
    accents += "\xc3\xa9";
  }
  EXPECT_EQ(ShortName(accents),
            accents.substr(0, 120) + "..." + accents.substr(280));
  EXPECT_EQ(ShortName("x" + accents),
            "x" + accents.substr(0, 118) + "..." + accents.substr(280));
}

}  // namespace
}  // namespace zum
