#ifndef ZUM_ENGINE_ANIMATION_COMMANDS_H_
#define ZUM_ENGINE_ANIMATION_COMMANDS_H_

#include <cstdint>
#include <string>
#include <string_view>

// Line parsers and numbering of the animation commands chunk. Positions in
// the comments are 1-based; to trim is to remove blanks (spaces) only.
namespace zum {

// The copy numbering shared by the animation commands, the scene graph and
// the drawing code: copy (ANIMATION, VARIANT) of item K, with VARIANTS
// variants per animation and COMMANDS items per copy, is numbered
// ((ANIMATION - 1) x VARIANTS + (VARIANT - 1)) x COMMANDS + K. Returns false
// when any step leaves the 16-bit range.
bool CopyNumber(int animation, int variant, int variants, int commands, int k,
                int16_t* number);

// The arguments of a BGL_TRANSFORM_INDIRECT line: on the trimmed line, the
// text from its first blank up to its first comma is the first argument, the
// text after that comma the matrix number. Returns false with *err filled
// (what was expected, the text found) when there is no blank or no comma,
// the blank comes after the comma, or either text is not a 16-bit integer;
// a third argument makes the matrix number fail.
bool ParseTransformLine(std::string_view line, int16_t* first, int16_t* matrix,
                        std::string* err);

// The part number at the end of the label that follows the first "offset" of
// LINE: the text after "offset" that ends before the blank in front of the
// first "-", trimmed, from its last "_" on. "(offset part_trans_3 - offset
// part_local_varbase_3)" gives 3, digits 007 give 7 (the text form is
// IntText of *number). Returns false with *err filled when there is no
// "offset", no "-" behind it, or no 16-bit integer there.
bool OffsetLabelNumber(std::string_view line, int16_t* number,
                       std::string* err);

// What a BGL_ANIMATE_INDIRECT line contributes to its command.
struct AnimateArgs {
  int16_t part = 0;    // OffsetLabelNumber of the line
  int16_t matrix = 0;  // the text after the last comma of the trimmed line
  // The trimmed line from just after its first ")" up to and including its
  // last comma: "," for "...), 5", ", 0," for "...), 0, 5". Points into the
  // line passed to ParseAnimateLine.
  std::string_view tail;
};

// Parses a BGL_ANIMATE_INDIRECT line. Returns false with *err filled when
// OffsetLabelNumber fails, there is no ")" or no comma after it, or the
// matrix number is not a 16-bit integer.
bool ParseAnimateLine(std::string_view line, AnimateArgs* args,
                      std::string* err);

}  // namespace zum

#endif  // ZUM_ENGINE_ANIMATION_COMMANDS_H_
