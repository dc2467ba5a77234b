#include "engine/scene_graph.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/run_warnings.h"
#include "engine/status.h"

namespace zum {

namespace {

// The links of one entry: entry indexes counted from 0, -1 for none.
struct SceneGraphLinks {
  int16_t child = 0;
  int16_t sibling = 0;
};

// Replaces every tab of *LINE by a blank and removes leading and trailing
// blanks.
void NormalizeSceneGraphLine(std::string* line);

// The child and sibling links of a BGL_SCENEGRAPH_ENTRY line: the texts
// between its first and second and between its second and third comma.
// Returns false with *err filled (what was expected, the text found) when a
// comma is missing or a link is not a 16-bit integer. Adds to *ROUNDED a
// link read other than as written ("'1.5' read as 2").
bool ParseSceneGraphLinks(std::string_view line, SceneGraphLinks* links,
                          std::string* err, std::vector<std::string>* rounded);

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

constexpr std::string_view kEndTag = "scene_graph_riff_end";
constexpr std::string_view kEndExpected =
    "the end line of the scene graph chunk (\"scene_graph_riff_end\")";

void NormalizeSceneGraphLine(std::string* line) {
  std::replace(line->begin(), line->end(), '\t', ' ');
  const std::string_view trimmed = TrimBlanks(*line);
  if (trimmed.size() == line->size()) {
    return;
  }
  const size_t start = trimmed.empty() ? 0 : trimmed.data() - line->data();
  line->erase(start + trimmed.size());
  line->erase(0, start);
}

bool ParseSceneGraphLinks(std::string_view line, SceneGraphLinks* links,
                          std::string* err, std::vector<std::string>* rounded) {
  const std::string_view t = TrimBlanks(line);
  const size_t c1 = t.find(',');
  const size_t c2 = c1 == std::string_view::npos ? c1 : t.find(',', c1 + 1);
  const size_t c3 = c2 == std::string_view::npos ? c2 : t.find(',', c2 + 1);
  if (c3 == std::string_view::npos) {
    *err =
        "expected a scene graph entry \"BGL_SCENEGRAPH_ENTRY index, child, "
        "sibling, ...\" with at least three commas, found " +
        Quoted(t);
    return false;
  }
  const std::string_view child_text = t.substr(c1 + 1, c2 - c1 - 1);
  const std::string_view sibling_text = t.substr(c2 + 1, c3 - c2 - 1);
  if (!ToInt16Named("the entry's child link after the first comma", child_text,
                    &links->child, err) ||
      !ToInt16Named("the entry's sibling link after the second comma",
                    sibling_text, &links->sibling, err)) {
    return false;
  }
  for (const auto& [what, text, value] :
       {std::tuple{"the entry's child link", child_text, links->child},
        std::tuple{"the entry's sibling link", sibling_text, links->sibling}}) {
    std::string warning = RoundedNumberWarning(what, text, value);
    if (!warning.empty()) {
      rounded->push_back(std::move(warning));
    }
  }
  return true;
}

// Warns, on the chunk's end line that IN returned last, when the chunk
// holds another number of entries than the COMMANDS that every copy has:
// missing entries are written with zero links, extra ones not at all.
void WarnEntryCount(const LineReader& in, int entries, int commands,
                    RunWarnings* warnings) {
  if (entries == commands) {
    return;
  }
  auto count = [](int n, const char* one, const char* many) {
    return IntText(n) + " " + (n == 1 ? one : many);
  };
  // Entries FIRST to LAST, counted from 0.
  auto range = [](int first, int last) {
    return first == last ? "entry " + IntText(first)
                         : "entries " + IntText(first) + " to " + IntText(last);
  };
  const std::string counts = "the scene graph has " +
                             count(entries, "entry", "entries") + " for " +
                             count(commands, "command", "commands") + ": ";
  if (entries < commands) {
    warnings->AddHere(in, counts + range(entries, commands - 1) +
                              " of every copy written with child and sibling "
                              "links 0 within the copy");
  } else {
    warnings->AddHere(in,
                      counts + range(commands, entries - 1) + " not written");
  }
}

bool SceneGraphTable::Add(const SceneGraphLinks& links, std::string* err) {
  if (count_ == kMaxSceneGraphEntries) {
    *err = "expected at most " + IntText(kMaxSceneGraphEntries) +
           " scene graph entries, found a " +
           IntText(kMaxSceneGraphEntries + 1) + "th entry line";
    return false;
  }
  SceneGraphRow& row = rows_[++count_];
  row.links = links;
  row.top_level = count_ == next_top_level_;
  if (row.top_level && links.sibling != -1) {
    int16_t next = 0;
    if (!Add16(links.sibling, 1, &next)) {
      *err = "expected a sibling link below 32767, found " +
             IntText(links.sibling);
      return false;
    }
    next_top_level_ = next;
  }
  return true;
}

int SceneGraphTable::LastTopLevelRow(int commands) const {
  for (int k = std::min(commands, kMaxSceneGraphEntries); k >= 1; --k) {
    if (rows_[k].top_level) {
      return k;
    }
  }
  return 0;
}

bool SceneGraphTable::CopyLinks(int k, const SceneGraphCopy& copy,
                                SceneGraphLinks* links) const {
  const SceneGraphRow& row = rows_[k];
  if (row.links.child == -1) {
    links->child = -1;
  } else if (!Add16(row.links.child, copy.first_entry, &links->child)) {
    return false;
  }
  if (row.links.sibling != -1) {
    return Add16(row.links.sibling, copy.first_entry, &links->sibling);
  }
  if (!row.top_level || k < copy.last_top || copy.last) {
    links->sibling = -1;
    return true;
  }
  return Add16(copy.first_entry, copy.commands, &links->sibling);
}

}  // namespace

Status WriteSceneGraphEntries(ChunkIo& io, const RunShape& shape) {
  LineReader& in = io.InputOf(1);
  LineWriter& out = io.out();
  ZUM_RETURN_IF_ERROR(CheckCommandCount(shape, in));
  const int commands = shape.commands;
  if (commands > kMaxSceneGraphEntries) {
    return in.ErrorHere("the companion file has " + IntText(shape.transforms) +
                        " transform and " + IntText(shape.animates) +
                        " animate commands; expected at most " +
                        IntText(kMaxSceneGraphEntries) +
                        ", one scene graph entry each");
  }
  int16_t copies = 0;
  int16_t total = 0;
  if (!Mul16(shape.variants, shape.animations, &copies) ||
      !Mul16(copies, commands, &total)) {
    return in.ErrorHere(
        "the scene graph would have " + IntText(shape.variants) + " x " +
        IntText(shape.animations) + " x " + IntText(commands) +
        " entries (variants x animations x commands); expected at most 32767");
  }

  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
  out.WriteLine(line);
  out.WriteEmptyLine();
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
  std::string text = IntText(total);
  out.Append("dw ");
  out.Append(text);
  out.EndLine();

  // The first line after the header is tested as read; every later one with
  // tabs made blanks and trimmed.
  SceneGraphTable table;
  std::string err;
  std::vector<std::string> rounded;
  while (!Contains(line, kEndTag)) {
    if (Contains(line, "BGL_SCENEGRAPH_ENTRY")) {
      SceneGraphLinks links;
      rounded.clear();
      if (!ParseSceneGraphLinks(line, &links, &err, &rounded) ||
          !table.Add(links, &err)) {
        return in.ErrorHere(err);
      }
      for (const std::string& warning : rounded) {
        io.warnings().AddHere(in, warning);
      }
    }
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
    NormalizeSceneGraphLine(&line);
  }
  WarnEntryCount(in, table.count(), commands, &io.warnings());

  SceneGraphCopy copy;
  copy.commands = commands;
  copy.last_top = table.LastTopLevelRow(commands);
  for (int i = 1; i <= shape.animations; ++i) {
    io.AddProgress(kStageProgress / (shape.animations + 1));
    for (int j = 1; j <= shape.variants; ++j) {
      // Every entry number stays below M x N x C, which fits.
      int16_t first_entry = 0;
      if (!CopyNumber(shape, i, j, 0, &first_entry, &err)) {
        return in.ErrorHere(err);
      }
      copy.first_entry = first_entry;
      copy.last = i == shape.animations && j == shape.variants;
      for (int k = 1; k <= commands; ++k) {
        const int16_t g = static_cast<int16_t>(first_entry + k - 1);
        SceneGraphLinks links;
        if (!table.CopyLinks(k, copy, &links)) {
          return in.ErrorHere("scene graph entry " + IntText(k - 1) +
                              " in animation " + IntText(i) + ", variant " +
                              IntText(j) + " links beyond entry 32767 (child " +
                              IntText(table.row(k).links.child) + ", sibling " +
                              IntText(table.row(k).links.sibling) + ")");
        }
        text = IntText(g);
        out.Append("bgl_scene_graph_entry_");
        out.Append(text);
        out.Append(" label byte");
        out.EndLine();
        out.Append("BGL_SCENEGRAPH_ENTRY ");
        out.Append(text);
        out.Append(", ");
        out.Append(IntText(links.child));
        out.Append(", ");
        out.Append(IntText(links.sibling));
        out.Append(", bgl_animation_command_end_");
        out.Append(text);
        out.Append(" - bgl_animation_command_start_");
        out.Append(text);
        out.Append(", bgl_animation_command_start_");
        out.Append(text);
        out.Append(" - bgl_scene_graph_entry_");
        out.Append(text);
        out.EndLine();
      }
    }
  }
  out.WriteLine(line);
  return Status::OK();
}

}  // namespace zum
