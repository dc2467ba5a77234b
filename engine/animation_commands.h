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

}  // namespace zum

#endif  // ZUM_ENGINE_ANIMATION_COMMANDS_H_
