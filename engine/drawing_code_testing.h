#ifndef ZUM_ENGINE_DRAWING_CODE_TESTING_H_
#define ZUM_ENGINE_DRAWING_CODE_TESTING_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"
#include "engine/status.h"
#include "engine/testing.h"
#include "gtest/gtest.h"

// Runs whole generations over small companion inputs written into a
// temporary folder, for the tests of the drawing code chunk and the trigger
// state machine. Used by tests only.
namespace zum::testing {

// The shape of one companion input written by DrawingCodeTest.
struct ModelShape {
  // Number of the one animated part in the animation parameters chunk,
  // which holds its tick table and a translation table.
  int part = 1;
  // Last key of the translation table: the frame count of the run.
  int frames = 100;
  // Whether the commands chunk starts with an interpolated keyframe
  // animation of the part (command 0).
  bool interpolated_command = true;
  // Number of BGL_TRANSFORM_INDIRECT commands after it (commands 1..).
  int transforms = 4;
  // The lines of the drawing code chunk between its size line and its end
  // line.
  std::vector<std::string> drawing_code;
};

class DrawingCodeTest : public ::testing::Test {
 protected:
  DrawingCodeTest();

  // The companion file text of SHAPE, lines ending in CR LF.
  static std::string Companion(const ModelShape& shape);

  // Writes animation A's main file and its companion file of SHAPE into the
  // folder and names them in the job.
  void WriteAnimation(int a, const ModelShape& shape);

  // Runs the generation over job_ and keeps every progress share.
  Status Run();

  // The drawing code chunk of the output's companion file, as bytes: from
  // the line after the tag line through the end line.
  std::string DrawingCode() const;

  // The number of the line of animation 1's companion input that is the
  // OCCURRENCE-th (1-based) to contain TEXT; 0 when there is none.
  int LineOf(std::string_view text, int occurrence = 1) const;
  // "FILE:LINE: " of that line.
  std::string At(std::string_view text, int occurrence = 1) const;

  TempDir dir_;
  JobSettings job_;
  std::vector<double> progress_;
  std::string companion_;  // animation 1's companion text
};

}  // namespace zum::testing

#endif  // ZUM_ENGINE_DRAWING_CODE_TESTING_H_
