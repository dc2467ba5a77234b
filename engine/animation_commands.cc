#include "engine/animation_commands.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/run_warnings.h"
#include "engine/status.h"
#include "engine/variants.h"

namespace zum {

namespace {

// ToInt16Named, and when TEXT is a number other than the whole number it
// gives ("2.5" read as 2), that warning appended to *ROUNDED.
bool ToInt16Noted(std::string_view what, std::string_view text, int16_t* value,
                  std::string* err, std::vector<std::string>* rounded) {
  if (!ToInt16Named(what, text, value, err)) {
    return false;
  }
  std::string warning = RoundedNumberWarning(what, text, *value);
  if (!warning.empty()) {
    rounded->push_back(std::move(warning));
  }
  return true;
}

// The arguments of a BGL_TRANSFORM_INDIRECT line: on the trimmed line, the
// text from its first blank up to its first comma is the first argument, the
// text after that comma the matrix number. Returns false with *err filled
// (what was expected, the text found) when there is no blank or no comma,
// the blank comes after the comma, or either text is not a 16-bit integer;
// a third argument makes the matrix number fail. A number read other than as
// written is told in *ROUNDED.
bool ParseTransformLine(std::string_view line, int16_t* first, int16_t* matrix,
                        std::string* err, std::vector<std::string>* rounded);

// The part number at the end of the label that follows the first "offset" of
// LINE: the text after "offset" that ends before the blank in front of the
// first "-", trimmed, from its last "_" on. "(offset part_trans_3 - offset
// part_local_varbase_3)" gives 3, digits 007 give 7 (the text form is
// IntText of *number). Returns false with *err filled when there is no
// "offset", no "-" behind it, or no 16-bit integer there. A number read
// other than as written is told in *ROUNDED.
bool OffsetLabelNumber(std::string_view line, int16_t* number, std::string* err,
                       std::vector<std::string>* rounded);

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
// matrix number is not a 16-bit integer. A number read other than as written
// is told in *ROUNDED.
bool ParseAnimateLine(std::string_view line, AnimateArgs* args,
                      std::string* err, std::vector<std::string>* rounded);

constexpr std::string_view kEndTag = "animation_commands_riff_end";
constexpr std::string_view kEndExpected =
    "the end line of the animation commands chunk "
    "(\"animation_commands_riff_end\")";

// Writes the concatenation of PIECES as one line.
template <typename... Pieces>
void Emit(LineWriter& out, const Pieces&... pieces) {
  (out.Append(pieces), ...);
  out.EndLine();
}

// One input command as collected from its lines: T its transform's first
// argument, K its matrix, P its part. Only the flags are cleared after the
// command is written; the numbers and tails stay until a later line
// overwrites them.
struct Command {
  bool transform = false;
  bool interpolation = false;
  bool translation = false;
  bool rotation = false;
  int16_t first = 0;   // T
  int16_t matrix = 0;  // K
  int16_t part = 0;    // P
  std::string translation_tail;
  std::string rotation_tail;
  // Whether a BGL_TRANSFORM_INDIRECT or BGL_ANIMATE_INDIRECT line of this
  // command gave K; only the warnings look at it.
  bool matrix_set = false;

  void ClearFlags() {
    transform = interpolation = translation = rotation = false;
    matrix_set = false;
  }
};

// Warns about what the command ending on the line IN returned last writes
// other than its lines say: parts of it that are not written, a command
// without any line, a matrix number K other than the command's position
// INDEX (counting from 0) by which the scene graph refers to it.
void WarnCommand(const LineReader& in, const Command& command, int index,
                 RunWarnings* warnings) {
  if (!command.matrix_set && !command.interpolation) {
    warnings->AddHere(
        in,
        "end label without a command line since the last one: only "
        "labels numbered after matrix " +
            IntText(command.matrix) + " are written");
    return;
  }
  if (command.transform &&
      (command.interpolation || command.translation || command.rotation)) {
    warnings->AddHere(in,
                      "a command with BGL_TRANSFORM_INDIRECT is written as a "
                      "transform only: its other lines are dropped");
  } else if (command.translation && command.rotation) {
    warnings->AddHere(in,
                      "a command with both a translation (_trans_) and a "
                      "rotation (_quat_) table is written with the "
                      "translation only");
  }
  if (command.matrix_set && command.matrix != index) {
    warnings->AddHere(
        in, "command " + IntText(index) +
                " (counting from 0) carries matrix number " +
                IntText(command.matrix) +
                ": its copies' labels are numbered after " +
                IntText(command.matrix) +
                ", but the scene graph refers to the commands by their "
                "position");
  }
}

// The tick-driven interpolation into the part's local variable area, and the
// correction of the low word for frames beyond 256 and 512.
void WriteTickBlock(LineWriter& out, const RunShape& shape,
                    std::string_view part, std::string_view x) {
  const std::string& b = shape.label_base;
  out.WriteEmptyLine();
  Emit(out, "LOCAL_BASE_32 ", b, "_local_varbase_", part);
  out.WriteLine("BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\");
  out.WriteLine("VAR_BASE_LOCAL,0h,\\");
  Emit(out, "VAR_BASE_LOCAL, (offset ", b, "_", part, "_tick18_mod_1 - offset ",
       b, "_local_varbase_", part, ")");
  out.WriteLine("BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\\");
  out.WriteLine("VAR_BASE_LOCAL,0h,\\");
  Emit(out, "VAR_BASE_LOCAL, (offset ", b, "_", part, "_tick18_mod_2 - offset ",
       b, "_local_varbase_", part, ")");
  out.WriteLine("BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\\");
  out.WriteLine("VAR_BASE_LOCAL,4h,\\");
  Emit(out, "VAR_BASE_LOCAL, (offset ", b, "_", part,
       "_float_convert_hi - offset ", b, "_local_varbase_", part, ")");
  out.WriteLine("SETWRD 2h, 0");
  if (shape.frames > 256) {
    Emit(out, "IFIN1 ", b, "_", x, "_fc_512, 0h, 257, 512");
    Emit(out, "IFMSK ", b, "_", x, "_fc_512, 0h, 0001h");
    out.WriteLine("SETWRD 2h, 08000h");
    Emit(out, b, "_", x, "_fc_512 label word");
  }
  if (shape.frames > 512) {
    Emit(out, "IFIN1 ", b, "_", x, "_fc_1024, 0h, 513, 1024");
    Emit(out, "IFMSK ", b, "_", x, "_fc_1024, 0h, 0003h");
    out.WriteLine("SETWRD 2h, 04000h");
    Emit(out, "IFMSK ", b, "_", x, "_fc_1024, 0h, 0002h");
    out.WriteLine("SETWRD 2h, 08000h");
    Emit(out, "IFMSK ", b, "_", x, "_fc_1024, 0h, 0001h");
    out.WriteLine("SETWRD 2h, 0C000h");
    Emit(out, b, "_", x, "_fc_1024 label word");
  }
}

// The keyframe animation of copy (ANIMATION, VARIANT) reading its own table
// variant; TAG is "_trans_" or "_quat_".
void WriteAnimateBlock(LineWriter& out, const RunShape& shape,
                       std::string_view tag, std::string_view part,
                       std::string_view animation, std::string_view suffix,
                       std::string_view tail, std::string_view x) {
  const std::string& b = shape.label_base;
  out.WriteEmptyLine();
  Emit(out, "LOCAL_BASE_32 ", b, "_local_varbase_", part);
  Emit(out, "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset ", b,
       tag, part, "_", animation, suffix, " - offset ", b, "_local_varbase_",
       part, ")", tail, x);
  out.WriteEmptyLine();
}

// Writes every copy of COMMAND, grouped by animation, then variant. Returns
// false with *err filled when a matrix number leaves the 16-bit range.
bool WriteCommandCopies(LineWriter& out, const RunShape& shape,
                        const Command& command, std::string* err) {
  const std::string part = IntText(command.part);
  const std::string first = IntText(command.first);
  for (int i = 1; i <= shape.animations; ++i) {
    const std::string animation = IntText(i);
    for (int j = 1; j <= shape.variants; ++j) {
      int16_t number = 0;
      if (!CopyNumber(shape, i, j, command.matrix, &number, err)) {
        return false;
      }
      const std::string x = IntText(number);
      Emit(out, "bgl_animation_command_start_", x, " label word");
      if (command.transform) {
        out.WriteEmptyLine();
        Emit(out, "BGL_TRANSFORM_INDIRECT ", first, ", ", x);
        out.WriteEmptyLine();
      } else {
        if (command.interpolation) {
          WriteTickBlock(out, shape, part, x);
        }
        if (command.translation) {
          WriteAnimateBlock(out, shape, "_trans_", part, animation,
                            VariantSuffix(j), command.translation_tail, x);
        } else if (command.rotation) {
          WriteAnimateBlock(out, shape, "_quat_", part, animation,
                            VariantSuffix(j), command.rotation_tail, x);
        }
      }
      Emit(out, "bgl_animation_command_end_", x, " label word");
      out.WriteEmptyLine();
    }
  }
  return true;
}

bool ParseTransformLine(std::string_view line, int16_t* first, int16_t* matrix,
                        std::string* err, std::vector<std::string>* rounded) {
  const std::string_view t = TrimBlanks(line);
  const size_t blank = t.find(' ');
  const size_t comma = t.find(',');
  if (blank == std::string_view::npos || comma == std::string_view::npos ||
      blank > comma) {
    *err =
        "expected \"BGL_TRANSFORM_INDIRECT\", a blank and two numbers "
        "separated by a comma, found " +
        Quoted(t);
    return false;
  }
  return ToInt16Noted("the transform's first argument before the comma",
                      t.substr(blank, comma - blank), first, err, rounded) &&
         ToInt16Noted("the transform's matrix number after the first comma",
                      t.substr(comma + 1), matrix, err, rounded);
}

bool OffsetLabelNumber(std::string_view line, int16_t* number, std::string* err,
                       std::vector<std::string>* rounded) {
  constexpr std::string_view kOffset = "offset";
  const size_t offset = line.find(kOffset);
  if (offset == std::string_view::npos) {
    *err = "expected \"offset\" and the keyframe table's label, found " +
           Quoted(TrimBlanks(line));
    return false;
  }
  const size_t minus = line.find('-');
  // The label runs from just after "offset" up to the blank in front of the
  // first "-".
  const size_t start = offset + kOffset.size();
  if (minus == std::string_view::npos || minus < start + 1) {
    *err =
        "expected \"offset\", the keyframe table's label and \" - \" behind "
        "it, found " +
        Quoted(TrimBlanks(line));
    return false;
  }
  std::string_view label = TrimBlanks(line.substr(start, minus - start - 1));
  const size_t underscore = label.rfind('_');
  if (underscore != std::string_view::npos) {
    label.remove_prefix(underscore + 1);
  }
  return ToInt16Noted(
      "the part number at the end of the label after \"offset\"", label, number,
      err, rounded);
}

bool ParseAnimateLine(std::string_view line, AnimateArgs* args,
                      std::string* err, std::vector<std::string>* rounded) {
  if (!OffsetLabelNumber(line, &args->part, err, rounded)) {
    return false;
  }
  const std::string_view t = TrimBlanks(line);
  const size_t last_comma = t.rfind(',');
  const size_t paren = t.find(')');
  if (last_comma == std::string_view::npos || paren == std::string_view::npos ||
      last_comma < paren) {
    *err =
        "expected \")\" closing the table offset and a comma before the "
        "matrix number, found " +
        Quoted(t);
    return false;
  }
  if (!ToInt16Noted("the matrix number after the last comma",
                    t.substr(last_comma + 1), &args->matrix, err, rounded)) {
    return false;
  }
  args->tail = t.substr(paren + 1, last_comma - paren);
  return true;
}

}  // namespace

Status WriteAnimationCommands(ChunkIo& io, const RunShape& shape,
                              PartOneFacts* part_one) {
  LineReader& in = io.InputOf(1);
  LineWriter& out = io.out();
  ZUM_RETURN_IF_ERROR(CheckCommandCount(shape, in));

  std::string line;
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
  out.WriteLine(line);
  out.WriteEmptyLine();
  ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));

  Command command;
  int command_index = 0;  // of the commands that set a matrix
  std::string err;
  std::vector<std::string> rounded;
  RunWarnings& warnings = io.warnings();
  while (!Contains(line, kEndTag)) {
    rounded.clear();
    if (Contains(line, "BGL_TRANSFORM_INDIRECT")) {
      command.transform = true;
      command.matrix_set = true;
      if (!ParseTransformLine(line, &command.first, &command.matrix, &err,
                              &rounded)) {
        return in.ErrorHere(err);
      }
    } else if (Contains(line, "BGL_INTERPOLATE")) {
      command.interpolation = true;
    } else if (Contains(line, "BGL_ANIMATE_INDIRECT")) {
      if (shape.animates > 0) {
        io.AddProgress(kStageProgress / shape.animates);
      }
      AnimateArgs args;
      if (!ParseAnimateLine(line, &args, &err, &rounded)) {
        return in.ErrorHere(err);
      }
      command.part = args.part;
      command.matrix = args.matrix;
      command.matrix_set = true;
      if (Contains(line, "_trans_")) {
        command.translation = true;
        command.translation_tail.assign(args.tail);
      } else if (Contains(line, "_quat_")) {
        command.rotation = true;
        command.rotation_tail.assign(args.tail);
      } else {
        warnings.AddHere(in,
                         "BGL_ANIMATE_INDIRECT names neither a translation "
                         "(_trans_) nor a rotation (_quat_) table: its "
                         "command is written without a keyframe animation");
      }
    } else if (Contains(line, "_end_")) {
      if (command.interpolation && !command.transform && command.part == 1) {
        part_one->tick_block = true;
      }
      WarnCommand(in, command, command_index, &warnings);
      if (command.matrix_set) {
        ++command_index;
      }
      if (!WriteCommandCopies(out, shape, command, &err)) {
        return in.ErrorHere(err);
      }
      command.ClearFlags();
    }
    for (const std::string& warning : rounded) {
      warnings.AddHere(in, warning);
    }
    ZUM_RETURN_IF_ERROR(in.ReadLine(&line, kEndExpected));
  }
  out.WriteLine(line);
  return Status::OK();
}

}  // namespace zum
