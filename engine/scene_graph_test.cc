#include "engine/scene_graph.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/generation_run.h"
#include "engine/job.h"
#include "engine/status.h"
#include "engine/testing.h"
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

// Whole runs over a companion file holding a keyframe table (label base
// "g"), an animation commands chunk of COMMANDS transforms and a scene graph
// chunk; the tests compare the output from the scene graph's first line on.
using ::zum::testing::CrLf;
using ::zum::testing::ReadFile;
using ::zum::testing::SplitCrLf;
using ::zum::testing::WriteFile;

class SceneGraphRunTest : public ::testing::Test {
 protected:
  Status Run(int commands, const std::vector<std::string>& body,
             bool trigger = false, int animations = 1, bool with_end = true) {
    std::vector<std::string> lines = {
        "g_trans_1 label word", "   dw    1", "   real4 -1.0",
        "   real4 16 dup (0.0)", "   dw    2", "   real4 0.0, 0.0, 0.0, 0.0",
        "   real4 10.0, 1.0, 0.0, 0.0",
        // Lines 8 to 10.
        "animation_commands_riff_start label byte", "    db 'A','N','I','C'",
        "    dd animation_commands_riff_end - $ - 4"};
    for (int k = 0; k < commands; ++k) {
      lines.push_back("    BGL_TRANSFORM_INDIRECT 0, " + std::to_string(k));
      lines.push_back("bgl_animation_command_end_" + std::to_string(k) +
                      " label word");
    }
    lines.push_back("animation_commands_riff_end label byte");
    first_scene_line_ = static_cast<int>(lines.size()) + 1;
    lines.push_back("scene_graph_riff_start label byte");
    lines.push_back("    db 'S','C','E','N'");
    lines.push_back("    dd scene_graph_riff_end - $ - 4");
    lines.insert(lines.end(), body.begin(), body.end());
    if (with_end) {
      lines.push_back("scene_graph_riff_end label byte");
    }
    const std::string companion = CrLf(lines);
    for (int a = 1; a <= animations; ++a) {
      const std::string name = "obj" + std::to_string(a);
      WriteFile(dir_.File(name + ".asm"), CrLf({"include " + name + "_0.asm"}));
      WriteFile(dir_.File(name + "_0.asm"), companion);
      job_.InputFile[a] = dir_.File(name + ".asm");
    }
    job_.TriggerEnabled = trigger;
    job_.SecondaryEnabled = animations > 1;
    job_.AnimationCount = std::to_string(animations);
    job_.OutputFile = dir_.File("out.asm");
    progress_ = 0;
    std::filesystem::remove(dir_.File("out_0.asm"));
    return RunGeneration(job_, [this](double share) { progress_ += share; });
  }

  // The output's companion file from the scene graph's first line on.
  std::string Output() {
    const std::string text = ReadFile(dir_.File("out_0.asm"));
    const size_t start = text.find("scene_graph_riff_start");
    return start == std::string::npos ? "" : text.substr(start);
  }

  // "index, child, sibling" of every entry written.
  std::vector<std::string> Links() {
    std::vector<std::string> links;
    for (const std::string& line : SplitCrLf(Output())) {
      if (!line.starts_with("BGL_SCENEGRAPH_ENTRY ")) {
        continue;
      }
      size_t third = line.find(',');
      third = line.find(',', third + 1);
      third = line.find(',', third + 1);
      links.push_back(line.substr(21, third - 21));
    }
    return links;
  }

  std::string InputName() const { return dir_.File("obj1_0.asm"); }

  ::zum::testing::TempDir dir_;
  JobSettings job_;
  double progress_ = 0;
  int first_scene_line_ = 0;
};

TEST_F(SceneGraphRunTest, TwoEntriesTriggerOff) {
  ASSERT_TRUE(Run(2,
                  {
                      "    dw 2",
                      "bgl_scene_graph_entry_0 label byte",
                      "    BGL_SCENEGRAPH_ENTRY 0, 1, -1, e0 - s0, s0 - g0",
                      "bgl_scene_graph_entry_1 label byte",
                      "    BGL_SCENEGRAPH_ENTRY 1, -1, -1, e1 - s1, s1 - g1",
                  })
                  .ok());
  EXPECT_EQ(
      Output(),
      CrLf({
          "scene_graph_riff_start label byte",
          "    db 'S','C','E','N'",
          "    dd scene_graph_riff_end - $ - 4",
          "",
          "dw 4",
          "bgl_scene_graph_entry_0 label byte",
          "BGL_SCENEGRAPH_ENTRY 0, 1, 2, bgl_animation_command_end_0 - "
          "bgl_animation_command_start_0, bgl_animation_command_start_0 - "
          "bgl_scene_graph_entry_0",
          "bgl_scene_graph_entry_1 label byte",
          "BGL_SCENEGRAPH_ENTRY 1, -1, -1, bgl_animation_command_end_1 - "
          "bgl_animation_command_start_1, bgl_animation_command_start_1 - "
          "bgl_scene_graph_entry_1",
          "bgl_scene_graph_entry_2 label byte",
          "BGL_SCENEGRAPH_ENTRY 2, 3, -1, bgl_animation_command_end_2 - "
          "bgl_animation_command_start_2, bgl_animation_command_start_2 - "
          "bgl_scene_graph_entry_2",
          "bgl_scene_graph_entry_3 label byte",
          "BGL_SCENEGRAPH_ENTRY 3, -1, -1, bgl_animation_command_end_3 - "
          "bgl_animation_command_start_3, bgl_animation_command_start_3 - "
          "bgl_scene_graph_entry_3",
          "scene_graph_riff_end label byte",
      }));
  // The scan's 20 and 20 / (N + 1) for the one animation.
  EXPECT_DOUBLE_EQ(progress_, 30);
}

TEST_F(SceneGraphRunTest, CopiesOfAllAnimationsFormOneChain) {
  ASSERT_TRUE(Run(2,
                  {
                      "    dw 2",
                      "    BGL_SCENEGRAPH_ENTRY 0, 1, -1, x, y",
                      "    BGL_SCENEGRAPH_ENTRY 1, -1, -1, x, y",
                  },
                  /*trigger=*/true, /*animations=*/2)
                  .ok());
  EXPECT_EQ(Links(),
            (std::vector<std::string>{
                "0, 1, 2", "1, -1, -1", "2, 3, 4", "3, -1, -1", "4, 5, 6",
                "5, -1, -1", "6, 7, 8", "7, -1, -1", "8, 9, 10", "9, -1, -1",
                "10, 11, 12", "11, -1, -1", "12, 13, 14", "13, -1, -1",
                "14, 15, -1", "15, -1, -1"}));
  EXPECT_NE(Output().find("dw 16\r\n"), std::string::npos);
  EXPECT_DOUBLE_EQ(progress_, 20 + 2 * 20.0 / 3);
}

TEST_F(SceneGraphRunTest, ThreeTopLevelEntriesChainTheLastOne) {
  ASSERT_TRUE(Run(3,
                  {
                      "    dw 3",
                      "    BGL_SCENEGRAPH_ENTRY 0, -1, 1, x, y",
                      "    BGL_SCENEGRAPH_ENTRY 1, -1, 2, x, y",
                      "    BGL_SCENEGRAPH_ENTRY 2, -1, -1, x, y",
                  })
                  .ok());
  EXPECT_EQ(Links(),
            (std::vector<std::string>{"0, -1, 1", "1, -1, 2", "2, -1, 3",
                                      "3, -1, 4", "4, -1, 5", "5, -1, -1"}));
}

TEST_F(SceneGraphRunTest, TabsReadAsBlanks) {
  ASSERT_TRUE(Run(2,
                  {
                      "    dw 2",
                      "\tBGL_SCENEGRAPH_ENTRY\t0,\t1,\t-1,\tx, y",
                      "\tBGL_SCENEGRAPH_ENTRY 1,\t-1,\t-1, x, y \t",
                      " \tscene_graph_riff_end label byte\t",
                  },
                  false, 1, /*with_end=*/false)
                  .ok());
  EXPECT_EQ(Links(), (std::vector<std::string>{"0, 1, 2", "1, -1, -1",
                                               "2, 3, -1", "3, -1, -1"}));
  // The end line is written as tested: tabs made blanks, trimmed.
  EXPECT_TRUE(Output().ends_with("\r\nscene_graph_riff_end label byte\r\n"));
}

TEST_F(SceneGraphRunTest, FirstLineIsTestedAsReadAndMissingEntriesUseTheBase) {
  // No entries at all: the end line comes first and is copied as it is; the
  // command's rows keep zero links, that is the copy's own first entry.
  ASSERT_TRUE(Run(1, {"  scene_graph_riff_end label byte"}, false, 1,
                  /*with_end=*/false)
                  .ok());
  EXPECT_EQ(Links(), (std::vector<std::string>{"0, 0, 0", "1, 1, 1"}));
  EXPECT_TRUE(Output().ends_with("\r\n  scene_graph_riff_end label byte\r\n"));
}

TEST_F(SceneGraphRunTest, Holds1024EntriesNotMore) {
  std::vector<std::string> body = {"    dw 1024"};
  for (int k = 0; k < 1024; ++k) {
    body.push_back("    BGL_SCENEGRAPH_ENTRY " + std::to_string(k) +
                   ", -1, -1, x, y");
  }
  Status status = Run(1, body);
  ASSERT_TRUE(status.ok()) << status.message();
  // Entries beyond C are read but not written.
  EXPECT_EQ(Links(), (std::vector<std::string>{"0, -1, 1", "1, -1, -1"}));

  body.push_back("    BGL_SCENEGRAPH_ENTRY 1024, -1, -1, x, y");
  status = Run(1, body);
  EXPECT_EQ(status.message(),
            InputName() + ":" + std::to_string(first_scene_line_ + 4 + 1024) +
                ": expected at most 1024 scene graph entries, found a 1025th "
                "entry line");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out_0.asm")));
}

TEST_F(SceneGraphRunTest, ErrorsNameFileAndLine) {
  struct Case {
    std::string line;
    std::string message;
  } cases[] = {
      {"BGL_SCENEGRAPH_ENTRY 0, 1, -1",
       "expected a scene graph entry \"BGL_SCENEGRAPH_ENTRY index, child, "
       "sibling, ...\" with at least three commas, found "
       "\"BGL_SCENEGRAPH_ENTRY 0, 1, -1\""},
      {"BGL_SCENEGRAPH_ENTRY 0, 1, none, x",
       "expected the entry's sibling link (a whole number from -32768 to "
       "32767) after the second comma, found \" none\""},
      {"BGL_SCENEGRAPH_ENTRY 0, 70000, -1, x",
       "expected the entry's child link (a whole number from -32768 to "
       "32767) after the first comma, found \" 70000\""},
      {"BGL_SCENEGRAPH_ENTRY 0, 0, 32767, x",
       "expected a sibling link below 32767, found 32767"},
  };
  for (const Case& c : cases) {
    Status status = Run(2, {"    dw 2", c.line});
    EXPECT_EQ(status.message(), InputName() + ":" +
                                    std::to_string(first_scene_line_ + 4) +
                                    ": " + c.message)
        << c.line;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out_0.asm"))) << c.line;
  }
}

TEST_F(SceneGraphRunTest, ChildBeyond16BitsInACopy) {
  Status status = Run(2, {"    dw 2", "BGL_SCENEGRAPH_ENTRY 0, 32766, -1, x"});
  EXPECT_EQ(status.message(),
            InputName() + ":" + std::to_string(first_scene_line_ + 5) +
                ": scene graph entry 0 in animation 1, variant 2 links beyond "
                "entry 32767 (child 32766, sibling -1)");
}

TEST_F(SceneGraphRunTest, MissingEndLineIsAnError) {
  Status status = Run(2, {"    dw 2"}, false, 1, /*with_end=*/false);
  EXPECT_EQ(status.message(),
            InputName() + ":" + std::to_string(first_scene_line_ + 3) +
                ": the file ends here, but the end line of the scene graph "
                "chunk (\"scene_graph_riff_end\") was expected");
}

TEST_F(SceneGraphRunTest, MoreCommandsThanEntriesIsAnError) {
  Status status = Run(1025, {"    dw 0"});
  EXPECT_EQ(status.message(),
            InputName() + ":" + std::to_string(first_scene_line_ + 1) +
                ": the companion file has 1025 transform and 0 animate "
                "commands; expected at most 1024, one scene graph entry each");
}

}  // namespace
}  // namespace zum
