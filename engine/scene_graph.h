#ifndef ZUM_ENGINE_SCENE_GRAPH_H_
#define ZUM_ENGINE_SCENE_GRAPH_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/chunk_io.h"
#include "engine/job.h"
#include "engine/run_shape.h"
#include "engine/status.h"

// The scene graph chunk: its entry table and the renumbering of its copies.
// M, N and C are those of RunShape; R is the row of the next entry on the
// top-level chain.
namespace zum {

// The scene graph chunk: writes the entries of animation 1's companion
// input once per copy (see CopyNumber), M x N x C entries in all, and
// chains the top-level entries of all copies into one chain. Errors name
// the line to blame.
Status WriteSceneGraphEntries(ChunkIo& io, const RunShape& shape);

}  // namespace zum

#endif  // ZUM_ENGINE_SCENE_GRAPH_H_
