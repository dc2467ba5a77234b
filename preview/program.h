#ifndef ZUM_PREVIEW_PROGRAM_H_
#define ZUM_PREVIEW_PROGRAM_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"
#include "engine/status.h"

// The written output pair as a program that the preview runs pass by pass
// (preview/interpreter.h, whose header states the model of the simulator).
// Loading reads the main output and its companion once; running a scenario
// over the loaded program reads no file.
namespace zum {

// What an instruction does. Jumps go to instruction indices.
enum class PreviewOp : uint8_t {
  kIfIn1,        // a_ = value source, lo_/hi_ = range
  kIfMask,       // a_ = value source, lo_ = mask
  kIfInBox,      // a_ = box index
  kSetWord,      // a_ = local word, b_ = value
  kJump,         // target only
  kSetMatrix,    // a_ = matrix, b_ = selection block
  kInterpolate,  // a_ = input source, b_ = table, c_ = local word written
  kAnimate,      // a_ = matrix, b_ = keyframe table, c_ = time's low word
  kTransform,    // a_ = matrix
};

// What a test decides, told by the label it jumps to.
enum class TestRole : uint8_t {
  kOther,
  kGate,       // a gating test of the trigger state machine (to at_9)
  kTrigger,    // the trigger test (to at_5)
  kWrapper,    // a gating test of a selection block (to its _fail label)
  kSecondary,  // the secondary test of one animation
};

// Where a value comes from: a local word (index >= 0 into the local words),
// a simulator variable (-1 - slot), or the tick counter (kTickSource).
inline constexpr int32_t kTickSource = INT32_MIN;

// A command (its start label) that has no matrix line of its own.
inline constexpr int32_t kCommandWithoutMatrixLine = -2;

struct PreviewInstruction {
  PreviewOp op;
  TestRole role = TestRole::kOther;
  int32_t line = 0;     // line of the companion file
  int32_t target = -1;  // tests and jumps: where a failing test jumps
  int32_t a = 0;
  int32_t b = 0;
  int32_t c = 0;
  int32_t lo = 0;
  int32_t hi = 0;
};

// A table of BGL_INTERPOLATE: rows of key and value, keys ascending. The
// values of a kFloatHigh table are the floats that its rows' high words
// stand for (17096 -> 100.0).
struct InterpolationTable {
  enum Kind { kWrapping, kFloatHigh, kPlain };
  std::string label;
  Kind kind = kPlain;
  std::vector<double> keys;
  std::vector<double> values;
};

// A keyframe table, rows as read (the values of a translation are x, y, z;
// of a rotation the quaternion x, y, z, w).
struct PreviewKeyframes {
  std::string label;
  KeyframeKind kind = KeyframeKind::kTranslation;
  std::vector<float> keys;
  std::vector<std::array<float, 4>> values;
};

// A box of IFINBOXP: x, y, z minimum and maximum, in metres.
struct PreviewBox {
  double x_min, x_max, y_min, y_max, z_min, z_max;
};

// A test of a simulator variable or of the viewer, as the findings and the
// default scenario need it.
struct VariableTest {
  TestRole role = TestRole::kOther;
  bool box = false;           // IFINBOXP: box_index is set, not the variable
  bool mask = false;          // IFMSK: lo is the mask
  std::string variable;       // its VariableKey ("0282h")
  std::string variable_text;  // as written ("0282h ")
  int lo = 0, hi = 0;
  int box_index = -1;
  int animation = 0;  // kSecondary: the animation whose range it tests
  int line = 0;
};

// One BGL_SET_MATRIX_INDIRECT group of the drawing code: the lines that
// select a matrix for one part, up to their "..._cont" label.
struct SelectionBlock {
  int input_matrix = 0;  // the part's matrix in the input's numbering
  int line = 0;          // of its first BGL_SET_MATRIX_INDIRECT
};

// The loaded program. Built by LoadPreviewProgram; copying is allowed but
// not needed.
struct PreviewProgram {
  std::string main_file;
  std::string companion_file;

  std::vector<PreviewInstruction> code;
  // code[commands_begin, commands_end) is the animation command chunk,
  // code[drawing_begin, drawing_end) the drawing code chunk.
  int commands_begin = 0, commands_end = 0;
  int drawing_begin = 0, drawing_end = 0;
  // The tick block of part 1's first command: code[frame_begin, frame_end)
  // computes part 1's words 0h to 4h (empty without one).
  int frame_begin = 0, frame_end = 0;

  std::vector<std::string> area_labels;  // the local areas, in file order
  std::vector<int> area_first_word;      // index of each area's word 0h
  int local_word_count = 0;
  std::vector<std::string> variables;  // VariableKey of each variable slot
  std::vector<InterpolationTable> interpolation_tables;
  std::vector<PreviewKeyframes> keyframe_tables;
  std::vector<PreviewBox> boxes;

  // For every matrix number 0..32767 that a command computes, the index of
  // that command's BGL_ANIMATE_INDIRECT or BGL_TRANSFORM_INDIRECT line, or
  // kCommandWithoutMatrixLine; -1 for the others.
  std::vector<int32_t> command_of_matrix;
  std::vector<SelectionBlock> blocks;
  std::vector<VariableTest> tests;  // in code order

  std::string label_base;  // B of B_local_varbase_1; empty without it
  // Part 1's frame word and state word (-1 without part 1's area).
  int frame_word = -1;
  int state_word = -1;
  bool has_trigger = false;  // the drawing code holds the state machine
  // The frame windows of the state machine (at_1 and at_3).
  int start_window_lo = 0, start_window_hi = 0;
  int end_window_lo = 0, end_window_hi = 0;
  // The copy numbering: animations N, variants M, commands per copy C (C is
  // 0 when the command chunk does not divide evenly).
  int animations = 1;
  int variants = 2;
  int commands_per_copy = 0;

  // The slot of the simulator variable KEY (a VariableKey); -1 when the code
  // reads no such variable.
  int VariableSlot(std::string_view key) const;
  // The animation (1..N) whose copy matrix MATRIX is; 0 when unknown.
  int AnimationOfMatrix(int matrix) const;
};

// Loads the pair MAIN_FILE and its companion (the main file's name with
// "_0.asm" in place of its last four characters). Returns an error naming
// the file and line: an unreadable file; a defect of the written code (a
// jump to a label that the chunk does not define, a label defined twice, a
// matrix selected that no command computes, a table or local area that a
// command names and the file does not define, an include line that names
// another companion); or a line the preview cannot run (an operand that is
// no number, a table it cannot read).
Status LoadPreviewProgram(const std::string& main_file,
                          PreviewProgram* program);

}  // namespace zum

#endif  // ZUM_PREVIEW_PROGRAM_H_
