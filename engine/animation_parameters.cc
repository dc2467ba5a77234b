#include "engine/animation_parameters.h"

#include <optional>
#include <string>

#include "engine/asm_lines.h"
#include "engine/keyframe_writer.h"
#include "engine/number_rules.h"

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
// next part's label line after at least one table.
Status ReadNextPartTables(LineReader& in, KeyframeTable* translation,
                          KeyframeTable* rotation) {
  std::string line;
  constexpr const char* kExpected = "a line of the next animated part";
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
  bool seen = false;
  for (;;) {
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
    const std::optional<KeyframeKind> kind = ParameterTableKind(line);
    if (kind == KeyframeKind::kTranslation) {
      seen = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, *kind, translation));
    } else if (kind == KeyframeKind::kRotation) {
      seen = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, *kind, rotation));
    } else if (seen && Contains(line, "_tick18_")) {
      return Status::OK();
    }
  }
}

// Writes the PENDING tables of PART for every animation, reading those of
// animations 2..N first.
Status FlushKeyframeTables(ChunkIo& io, const RunShape& shape,
                           AnimationTables* tables, PendingTables pending,
                           int16_t part) {
  if (pending.any()) {
    for (int a = 2; a <= shape.animations; ++a) {
      ZUM_RETURN_IF_ERROR(ReadNextPartTables(
          io.InputOf(a), &tables->translation[a], &tables->rotation[a]));
    }
  }
  for (int a = 1; a <= shape.animations; ++a) {
    const KeyframeTable& translation = tables->translation[a];
    const KeyframeTable& rotation = tables->rotation[a];
    const char* missing = nullptr;
    if (pending.translation && translation.RowCount < 1) {
      missing = "translation";
    } else if (pending.rotation && rotation.RowCount < 1) {
      missing = "rotation";
    }
    if (missing != nullptr) {
      return io.InputOf(a).ErrorHere(
          "animation " + IntText(a) + " has no " + missing +
          " keyframe table for part " + IntText(part) +
          " (nor one of an earlier part to reuse), but animation 1 has one");
    }
    WriteKeyframeTableSet(io.out(),
                          {shape.label_base, part, a,
                           pending.translation ? &translation : nullptr,
                           pending.rotation ? &rotation : nullptr});
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
  PendingTables pending;
  for (;;) {
    if (Contains(line, "_mod_1")) {
      if (Contains(line, "label")) {
        if (pending.any()) {
          ZUM_RETURN_IF_ERROR(
              FlushKeyframeTables(io, shape, tables, pending, part));
          pending = PendingTables();
        }
        std::string err;
        if (!PartNumberOfLabel(&line, &part, &err)) {
          return in.ErrorHere(err);
        }
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
                   ParameterTableKind(line);
               kind == KeyframeKind::kTranslation) {
      pending.translation = true;
      ZUM_RETURN_IF_ERROR(
          ReadKeyframeTable(in, *kind, &tables->translation[1]));
    } else if (kind == KeyframeKind::kRotation) {
      pending.rotation = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, *kind, &tables->rotation[1]));
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
