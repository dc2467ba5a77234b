#include "engine/scene_graph.h"

#include <string>

#include "gtest/gtest.h"

namespace zum {
namespace {

TEST(NormalizeSceneGraphLineTest, TabsBecomeBlanksThenTrimmed) {
  std::string line = "\t BGL_SCENEGRAPH_ENTRY\t0,\t1, -1 \t";
  NormalizeSceneGraphLine(&line);
  EXPECT_EQ(line, "BGL_SCENEGRAPH_ENTRY 0, 1, -1");
  line = " \t ";
  NormalizeSceneGraphLine(&line);
  EXPECT_EQ(line, "");
  line = "scene_graph_riff_end label word";
  NormalizeSceneGraphLine(&line);
  EXPECT_EQ(line, "scene_graph_riff_end label word");
}

TEST(ParseSceneGraphLinksTest, ReadsChildAndSibling) {
  int16_t child = 0;
  int16_t sibling = 0;
  std::string err;
  ASSERT_TRUE(
      ParseSceneGraphLinks("  BGL_SCENEGRAPH_ENTRY 0, 1 , -1, e0 - s0, s0 - g0",
                           &child, &sibling, &err))
      << err;
  EXPECT_EQ(child, 1);
  EXPECT_EQ(sibling, -1);
}

TEST(ParseSceneGraphLinksTest, Errors) {
  int16_t child = 0;
  int16_t sibling = 0;
  std::string err;
  EXPECT_FALSE(ParseSceneGraphLinks("BGL_SCENEGRAPH_ENTRY 0, 1, -1", &child,
                                    &sibling, &err));
  EXPECT_EQ(err,
            "expected a scene graph entry \"BGL_SCENEGRAPH_ENTRY index, child, "
            "sibling, ...\" with at least three commas, found "
            "\"BGL_SCENEGRAPH_ENTRY 0, 1, -1\"");
  EXPECT_FALSE(ParseSceneGraphLinks("BGL_SCENEGRAPH_ENTRY 0, one, -1, x",
                                    &child, &sibling, &err));
  EXPECT_EQ(err,
            "expected the entry's child link (a whole number from -32768 to "
            "32767) after the first comma, found \" one\"");
  // Tabs are no blanks until the line is normalized.
  EXPECT_FALSE(ParseSceneGraphLinks("BGL_SCENEGRAPH_ENTRY 0, 1,\t-1, x", &child,
                                    &sibling, &err));
  EXPECT_EQ(err,
            "expected the entry's sibling link (a whole number from -32768 to "
            "32767) after the second comma, found \"\t-1\"");
}

class SceneGraphTableTest : public ::testing::Test {
 protected:
  void Add(int child, int sibling) {
    std::string err;
    ASSERT_TRUE(table_.Add(child, sibling, &err)) << err;
  }
  // "child/sibling" of row K in copy COPY of COPIES.
  std::string Links(int k, int copy, int copies, int commands) {
    int16_t child = 0;
    int16_t sibling = 0;
    if (!table_.CopyLinks(k, copy, copies, commands,
                          table_.LastTopLevelRow(commands), &child, &sibling)) {
      return "overflow";
    }
    return std::to_string(child) + "/" + std::to_string(sibling);
  }

  SceneGraphTable table_;
};

TEST_F(SceneGraphTableTest, TwoEntriesChainTheFirstToTheNextCopy) {
  Add(1, -1);
  Add(-1, -1);
  EXPECT_TRUE(table_.row(1).top_level);
  EXPECT_FALSE(table_.row(2).top_level);
  EXPECT_EQ(Links(1, 0, 2, 2), "1/2");
  EXPECT_EQ(Links(2, 0, 2, 2), "-1/-1");
  EXPECT_EQ(Links(1, 1, 2, 2), "3/-1");
  EXPECT_EQ(Links(2, 1, 2, 2), "-1/-1");
}

TEST_F(SceneGraphTableTest, OnlyTheLastTopLevelEntryIsChained) {
  Add(-1, 1);
  Add(-1, 2);
  Add(-1, -1);
  EXPECT_TRUE(table_.row(1).top_level);
  EXPECT_TRUE(table_.row(2).top_level);
  EXPECT_TRUE(table_.row(3).top_level);
  EXPECT_EQ(Links(1, 0, 3, 3), "-1/1");
  EXPECT_EQ(Links(2, 0, 3, 3), "-1/2");
  EXPECT_EQ(Links(3, 0, 3, 3), "-1/3");
  EXPECT_EQ(Links(1, 1, 3, 3), "-1/4");
  EXPECT_EQ(Links(3, 1, 3, 3), "-1/6");
  EXPECT_EQ(Links(3, 2, 3, 3), "-1/-1");
}

TEST_F(SceneGraphTableTest, ChildrenAreNotOnTheTopLevelChain) {
  // 0 has child 1 and sibling 2; 1 is a leaf; 2 ends the chain.
  Add(1, 2);
  Add(-1, -1);
  Add(-1, -1);
  EXPECT_TRUE(table_.row(1).top_level);
  EXPECT_FALSE(table_.row(2).top_level);
  EXPECT_TRUE(table_.row(3).top_level);
  EXPECT_EQ(Links(2, 0, 2, 3), "-1/-1");
  EXPECT_EQ(Links(3, 0, 2, 3), "-1/3");
  // Rows beyond C are not written and do not count.
  EXPECT_EQ(table_.LastTopLevelRow(3), 3);
  EXPECT_EQ(table_.LastTopLevelRow(2), 1);
}

TEST_F(SceneGraphTableTest, MissingRowsLinkToTheCopyBase) {
  Add(-1, -1);
  EXPECT_EQ(Links(2, 1, 2, 2), "2/2");
}

TEST_F(SceneGraphTableTest, HoldsExactly1024Entries) {
  for (int k = 1; k <= 1024; ++k)
    Add(-1, -1);
  EXPECT_EQ(table_.count(), 1024);
  std::string err;
  EXPECT_FALSE(table_.Add(-1, -1, &err));
  EXPECT_EQ(err,
            "expected at most 1024 scene graph entries, found a 1025th entry "
            "line");
}

TEST_F(SceneGraphTableTest, Overflow) {
  std::string err;
  EXPECT_FALSE(table_.Add(-1, 32767, &err));
  EXPECT_EQ(err, "expected a sibling link below 32767, found 32767");
  SceneGraphTable table;
  ASSERT_TRUE(table.Add(32760, -1, &err));
  int16_t child = 0;
  int16_t sibling = 0;
  EXPECT_FALSE(table.CopyLinks(1, 1, 2, 8, 1, &child, &sibling));
}

}  // namespace
}  // namespace zum
