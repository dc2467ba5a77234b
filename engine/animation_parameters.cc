#include "engine/animation_parameters.h"

#include <string>

#include "engine/asm_lines.h"
#include "engine/generation_run.h"
#include "engine/keyframe_writer.h"
#include "engine/number_rules.h"

namespace zum {
namespace {

constexpr const char* kChunkTag = "'A','N','I','P'";
constexpr const char* kChunkEnd = "animation_parameters_riff_end";

}  // namespace

bool PartNumberOfLabel(std::string* line, int16_t* part, std::string* err) {
  *line = std::string(TrimBlanks(*line));
  size_t tick = line->find("_tick18_");
  if (tick == std::string::npos) {
    *err = "expected a part label with \"_tick18_\", found '" + Excerpt(*line) +
           "'";
    return false;
  }
  size_t underscore =
      tick == 0 ? std::string::npos : line->rfind('_', tick - 1);
  if (underscore == std::string::npos) {
    *err = "expected a part number in front of \"_tick18_\", found '" +
           Excerpt(*line) + "'";
    return false;
  }
  std::string number = line->substr(underscore + 1, tick - underscore - 1);
  if (!ToInt16(number, part, err)) {
    *err = "part number of the label '" + Excerpt(*line) + "': " + *err;
    return false;
  }
  return true;
}

Status GenerationRun::SeekAnimationParameters(int file) {
  std::string line;
  do {
    ZUM_RETURN_IF_ERROR(Input(file).ReadLine(
        &line, "the animation parameters chunk tag 'A','N','I','P'"));
  } while (!Contains(line, kChunkTag));
  return Status::OK();
}

Status GenerationRun::WriteAnimationParameters() {
  LineReader& in = Main();
  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the animation parameters chunk"));
  out_.WriteLine(line);
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, "the animation parameters chunk"));

  const int last_file = animation_count_ + 1;
  if (job_.SecondaryEnabled) {
    for (int f = 3; f <= last_file; ++f) {
      ZUM_RETURN_IF_ERROR(SeekAnimationParameters(f));
    }
  }
  constexpr const char* kExpected =
      "the end of the animation parameters chunk (animation_parameters_riff_"
      "end)";
  int16_t part = 0;
  bool translation_pending = false;
  bool rotation_pending = false;
  for (;;) {
    if (Contains(line, "_mod_1")) {
      if (Contains(line, "label")) {
        if (translation_pending || rotation_pending) {
          ZUM_RETURN_IF_ERROR(
              FlushKeyframeTables(translation_pending, rotation_pending, part));
          translation_pending = false;
          rotation_pending = false;
        }
        std::string err;
        if (!PartNumberOfLabel(&line, &part, &err)) {
          return in.ErrorHere(err);
        }
        if (part == 1) {
          has_local_area_part1_ = true;
        }
        out_.WriteEmptyLine();
        out_.WriteLine(label_base_ + "_local_varbase_" + IntText(part) +
                       " label word");
        for (int i = 0; i < 5; ++i) {
          out_.WriteLine("dw 0");
        }
        out_.WriteEmptyLine();
        out_.WriteLine(line);
      }
    } else if (const int16_t kind = KeyframeTableKind(line); kind == 1) {
      translation_pending = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, 1, &translation_tables_[1]));
    } else if (kind == 3) {
      rotation_pending = true;
      ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in, 3, &rotation_tables_[1]));
    } else if (Contains(line, kChunkEnd)) {
      break;
    } else {
      out_.WriteLine(line);
    }
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
  }
  ZUM_RETURN_IF_ERROR(
      FlushKeyframeTables(translation_pending, rotation_pending, part));
  out_.WriteLine(line);
  AddProgress(20);
  return Status::OK();
}

Status GenerationRun::FlushKeyframeTables(bool translation_pending,
                                          bool rotation_pending, int16_t part) {
  const int animations = job_.SecondaryEnabled ? animation_count_ : 1;
  if (job_.SecondaryEnabled && (translation_pending || rotation_pending)) {
    for (int f = 3; f <= animation_count_ + 1; ++f) {
      LineReader& in = Input(f);
      std::string line;
      constexpr const char* kExpected = "a line of the next animated part";
      ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
      bool seen = false;
      for (;;) {
        ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kExpected));
        const int16_t kind = KeyframeTableKind(line);
        if (kind == 1) {
          seen = true;
          ZUM_RETURN_IF_ERROR(
              ReadKeyframeTable(in, 1, &translation_tables_[f - 1]));
        } else if (kind == 3) {
          seen = true;
          ZUM_RETURN_IF_ERROR(
              ReadKeyframeTable(in, 3, &rotation_tables_[f - 1]));
        } else if (seen && Contains(line, "_tick18_")) {
          break;
        }
      }
    }
  }
  for (int a = 1; a <= animations; ++a) {
    const char* missing = nullptr;
    if (translation_pending && translation_tables_[a].RowCount < 1) {
      missing = "translation";
    } else if (rotation_pending && rotation_tables_[a].RowCount < 1) {
      missing = "rotation";
    }
    if (missing != nullptr) {
      return Input(a + 1).ErrorHere(
          "animation " + IntText(a) + " has no " + missing +
          " keyframe table for part " + IntText(part) +
          " (nor one of an earlier part to reuse), but animation 1 has one");
    }
    WriteKeyframeTableSet(out_, a, translation_tables_[a], translation_pending,
                          rotation_tables_[a], rotation_pending, label_base_,
                          part);
  }
  return Status::OK();
}

}  // namespace zum
