#include "engine/animation_parameters.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/keyframe_writer.h"
#include "engine/number_rules.h"
#include "engine/parallel_work.h"

namespace zum {

bool PartNumberOfLabel(std::string* line, int16_t* part, std::string* err) {
  *line = std::string(TrimBlanks(*line));
  size_t tick = line->find("_tick18_");
  if (tick == std::string::npos) {
    *err = "expected a part label with \"_tick18_\", found " + Quoted(*line);
    return false;
  }
  size_t underscore =
      tick == 0 ? std::string::npos : line->rfind('_', tick - 1);
  if (underscore == std::string::npos) {
    *err = "expected a part number in front of \"_tick18_\", found " +
           Quoted(*line);
    return false;
  }
  return ToInt16Named("part number of the label " + Quoted(*line),
                      line->substr(underscore + 1, tick - underscore - 1), part,
                      err);
}

namespace {

constexpr const char* kChunkTag = "'A','N','I','P'";
constexpr const char* kChunkEnd = "animation_parameters_riff_end";

// Which keyframe tables the current part has.
struct PendingTables {
  bool translation = false;
  bool rotation = false;

  bool any() const { return translation || rotation; }
};

// The generated tick blocks name part PART's first modulo table
// LABEL_BASE + "_" + PART + "_tick18_mod_1". Warns when the part's label
// LINE (trimmed) defines it under another name ("gate_01_tick18_mod_1"), so
// that the output refers to a label it never defines.
void WarnPartLabelName(const LineReader& in, const std::string& line,
                       const std::string& label_base, int16_t part,
                       RunWarnings* warnings) {
  const std::string_view name =
      std::string_view(line).substr(0, line.find_first_of(" \t"));
  const std::string generated =
      label_base + "_" + IntText(part) + "_tick18_mod_1";
  if (name != generated) {
    warnings->AddHere(in, "part label " + Quoted(name) + " read as part " +
                              IntText(part) +
                              ": the generated code refers to " + generated +
                              ", which the output does not define");
  }
}

// Reads IN up to and including the chunk's tag line.
Status SeekAnimationParameters(LineReader& in) {
  std::string line;
  do {
    ZUM_RETURN_IF_ERROR(in.ReadLine(
        &line, "the animation parameters chunk tag 'A','N','I','P'"));
  } while (!Contains(line, kChunkTag));
  return Status::OK();
}

// Reads the tables of the next part from IN, the companion input of an
// animation other than 1: from the line after the part's label line to the
// next part's label line after at least one table. *FOUND tells which kinds
// the part had. A table found past the chunk's end line is read all the
// same, with a warning.
Status ReadNextPartTables(LineReader& in, KeyframeTable* translation,
                          KeyframeTable* rotation, RunWarnings* warnings,
                          PendingTables* found) {
  std::string line;
  constexpr const char* kExpected = "a line of the next animated part";
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
  bool past_end = false;
  for (;;) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
    const std::optional<KeyframeKind> kind = ParameterTableKind(line);
    if (kind && past_end) {
      warnings->AddHere(
          in, Quoted(TrimBlanks(line)) +
                  " after the end of the animation parameters chunk read as "
                  "the label line of a keyframe table");
    }
    if (kind == KeyframeKind::kTranslation) {
      found->translation = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, *kind, translation,
                                            TableRead::kAllRows, warnings));
    } else if (kind == KeyframeKind::kRotation) {
      found->rotation = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, *kind, rotation,
                                            TableRead::kAllRows, warnings));
    } else if (found->any() && Contains(line, "_tick18_")) {
      return Status::OK();
    } else if (Contains(line, kChunkEnd)) {
      past_end = true;
    }
  }
}

// Warns where animation A's part PART has other kinds of table than
// animation 1's (PENDING): a kind it lacks is written with the table of
// that kind it read last (EARLIER; without one the run fails), one it has
// besides is not written. IN stands where the part ended.
void WarnOtherTableKinds(const LineReader& in, int a, int16_t part,
                         PendingTables pending, PendingTables found,
                         PendingTables earlier, RunWarnings* warnings) {
  const std::string whose =
      "animation " + IntText(a) + ", part " + IntText(part) + ": ";
  for (const auto& [name, wanted, has, before] :
       {std::tuple{"translation", pending.translation, found.translation,
                   earlier.translation},
        std::tuple{"rotation", pending.rotation, found.rotation,
                   earlier.rotation}}) {
    if (wanted && !has && before) {
      warnings->AddHere(in, whose + "no " + std::string(name) +
                                " keyframe table; the one read before it, of "
                                "an earlier part, is written in its place");
    } else if (!wanted && has) {
      warnings->AddHere(in, whose + "its " + std::string(name) +
                                " keyframe table is not written, since "
                                "animation 1's part " +
                                IntText(part) + " has none");
    }
  }
}

// One animation's share of a part: what reading its tables gave and the
// text of its tables, made on a thread of their own and used in animation
// order.
struct AnimationPart {
  Status read;
  RunWarnings warnings;
  const char* missing = nullptr;  // the kind of table it lacks, if any
};

// Reads animation A's tables of PART (for A >= 2) into TABLES and writes
// them as text into its TABLES->text. Touches only what belongs to animation A.
void MakeAnimationPart(ChunkIo& io, const RunShape& shape,
                       AnimationTables* tables, PendingTables pending,
                       int16_t part, int a, AnimationPart* share) {
  KeyframeTable& translation = tables->translation[a];
  KeyframeTable& rotation = tables->rotation[a];
  if (a >= 2 && pending.any()) {
    PendingTables found;
    share->read = ReadNextPartTables(io.InputOf(a), &translation, &rotation,
                                     &share->warnings, &found);
    if (!share->read.ok()) {
      return;
    }
    const PendingTables earlier{translation.RowCount > 0,
                                rotation.RowCount > 0};
    WarnOtherTableKinds(io.InputOf(a), a, part, pending, found, earlier,
                        &share->warnings);
  }
  if (pending.translation && translation.RowCount < 1) {
    share->missing = "translation";
  } else if (pending.rotation && rotation.RowCount < 1) {
    share->missing = "rotation";
  }
  tables->text[a].clear();
  if (share->missing == nullptr) {
    AppendKeyframeTableSet({shape.label_base, part, a,
                            pending.translation ? &translation : nullptr,
                            pending.rotation ? &rotation : nullptr},
                           &tables->text[a]);
  }
}

// Writes the PENDING tables of PART for every animation, reading those of
// animations 2..N first. The animations are read and written on the run's
// threads while the caller takes their warnings, errors and texts in
// animation order, so that the output, the warnings and the first error are
// those of reading and writing one animation after the other: every read
// error comes before a missing table, and a missing table stops the run.
Status FlushKeyframeTables(ChunkIo& io, const RunShape& shape,
                           AnimationTables* tables, PendingTables pending,
                           int16_t part) {
  std::vector<AnimationPart> shares(shape.animations + 1);
  Status status;
  int first_missing = 0;  // the animation, or 0
  const char* missing_kind = nullptr;
  ParallelInOrder(
      shape.animations, io.threads(),
      [&](int i) {
        MakeAnimationPart(io, shape, tables, pending, part, i + 1,
                          &shares[i + 1]);
      },
      [&](int i) {
        AnimationPart& share = shares[i + 1];
        io.warnings().Append(share.warnings);
        status = share.read;
        if (!status.ok()) {
          return false;
        }
        if (share.missing != nullptr && first_missing == 0) {
          first_missing = i + 1;
          missing_kind = share.missing;
        }
        if (first_missing == 0) {
          io.out().WriteText(tables->text[i + 1].view());
        }
        share = AnimationPart();
        return true;
      });
  ZUM_RETURN_IF_ERROR(status);
  if (first_missing != 0) {
    const int a = first_missing;
    return io.InputOf(a).ErrorHere(
        "animation " + IntText(a) + " has no " + missing_kind +
        " keyframe table for part " + IntText(part) +
        " (nor one of an earlier part to reuse), but animation 1 has one");
  }
  return Status::OK();
}

}  // namespace

Status WriteAnimationParameters(ChunkIo& io, const RunShape& shape,
                                AnimationTables* tables,
                                PartOneFacts* part_one) {
  LineReader& in = io.InputOf(1);
  LineWriter& out = io.out();
  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the animation parameters chunk"));
  out.WriteLine(line);
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the animation parameters chunk"));

  for (int a = 2; a <= shape.animations; ++a) {
    ZUM_RETURN_IF_ERROR(SeekAnimationParameters(io.InputOf(a)));
  }
  constexpr const char* kExpected =
      "the end of the animation parameters chunk (animation_parameters_riff_"
      "end)";
  int16_t part = 0;
  bool part_label_seen = false;
  PendingTables pending;
  RunWarnings& warnings = io.warnings();
  for (;;) {
    if (Contains(line, "_mod_1")) {
      if (!Contains(line, "label")) {
        warnings.AddHere(in, Quoted(TrimBlanks(line)) +
                                 " holds \"_mod_1\" but not \"label\": "
                                 "dropped, as no part starts here");
      } else {
        if (pending.any()) {
          ZUM_RETURN_IF_ERROR(
              FlushKeyframeTables(io, shape, tables, pending, part));
          pending = PendingTables();
        }
        std::string err;
        if (!PartNumberOfLabel(&line, &part, &err)) {
          return in.ErrorHere(err);
        }
        part_label_seen = true;
        WarnPartLabelName(in, line, shape.label_base, part, &warnings);
        if (part == 1) {
          part_one->local_area = true;
        }
        out.WriteEmptyLine();
        out.WriteLine(shape.label_base + "_local_varbase_" + IntText(part) +
                      " label word");
        for (int i = 0; i < 5; ++i) {
          out.WriteLine("dw 0");
        }
        out.WriteEmptyLine();
        out.WriteLine(line);
      }
    } else if (const std::optional<KeyframeKind> kind =
                   ParameterTableKind(line)) {
      if (!part_label_seen) {
        warnings.AddHere(in, "keyframe table " + Quoted(TrimBlanks(line)) +
                                 " before the first part label (a \"_mod_1\" "
                                 "label line): written as part 0");
      }
      const bool translation = kind == KeyframeKind::kTranslation;
      (translation ? pending.translation : pending.rotation) = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(
          in, *kind,
          translation ? &tables->translation[1] : &tables->rotation[1],
          TableRead::kAllRows, &warnings));
    } else if (Contains(line, kChunkEnd)) {
      break;
    } else {
      out.WriteLine(line);
    }
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
  }
  ZUM_RETURN_IF_ERROR(FlushKeyframeTables(io, shape, tables, pending, part));
  out.WriteLine(line);
  io.AddProgress(kStageProgress);
  return Status::OK();
}

}  // namespace zum
