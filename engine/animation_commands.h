#ifndef ZUM_ENGINE_ANIMATION_COMMANDS_H_
#define ZUM_ENGINE_ANIMATION_COMMANDS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chunk_io.h"
#include "engine/run_shape.h"
#include "engine/status.h"

// The animation commands chunk and its line parsers. Positions in the
// comments are 1-based; to trim is to remove blanks (spaces) only.
namespace zum {

// The animation commands chunk: writes every command of animation 1's
// companion input once per copy (see CopyNumber), renumbered, with the tick
// block that drives each interpolated keyframe animation from the 18 Hz tick
// counter. Sets part_one->tick_block when part 1 gets a tick block. Errors
// name the line to blame.
Status WriteAnimationCommands(ChunkIo& io, const RunShape& shape,
                              PartOneFacts* part_one);

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
