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

// Replaces every tab of *LINE by a blank and removes leading and trailing
// blanks.
void NormalizeSceneGraphLine(std::string* line);

// The links of one entry: entry indexes counted from 0, -1 for none.
struct SceneGraphLinks {
  int16_t child = 0;
  int16_t sibling = 0;
};

// The child and sibling links of a BGL_SCENEGRAPH_ENTRY line: the texts
// between its first and second and between its second and third comma.
// Returns false with *err filled (what was expected, the text found) when a
// comma is missing or a link is not a 16-bit integer.
bool ParseSceneGraphLinks(std::string_view line, SceneGraphLinks* links,
                          std::string* err);

// One entry as read: its links and whether it lies on the top-level chain
// that starts at the first entry and follows the sibling links.
struct SceneGraphRow {
  SceneGraphLinks links;
  bool top_level = false;
};

// Where one copy of the C entries lies in the written table.
struct SceneGraphCopy {
  int first_entry = 0;  // the copy's number of entry 0
  int commands = 0;     // C
  bool last = false;    // the last copy, whose top-level chain ends the table
  int last_top = 0;     // LastTopLevelRow(C)
};

// The input's entries, rows 1..kMaxSceneGraphEntries. Rows never added keep
// zero links and no top-level mark.
class SceneGraphTable {
 public:
  // Adds the next entry. Returns false with *err filled when the table is
  // full or the next top-level row (sibling + 1) leaves the 16-bit range.
  bool Add(const SceneGraphLinks& links, std::string* err);

  int count() const { return count_; }
  const SceneGraphRow& row(int k) const { return rows_[k]; }

  // The last row among 1..COMMANDS on the top-level chain, 0 when none.
  int LastTopLevelRow(int commands) const;

  // The links of row K (1..C) in COPY: links move by the copy's first
  // entry, and the last top-level entry of every copy but the last is
  // chained to the first entry of the next copy. Returns false when a number
  // leaves the 16-bit range.
  bool CopyLinks(int k, const SceneGraphCopy& copy,
                 SceneGraphLinks* links) const;

 private:
  std::array<SceneGraphRow, kMaxSceneGraphEntries + 1> rows_{};
  int count_ = 0;
  int next_top_level_ = 1;  // R
};

}  // namespace zum

#endif  // ZUM_ENGINE_SCENE_GRAPH_H_
