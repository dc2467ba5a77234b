#include "preview/program.h"

#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "engine/asm_lines.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "preview/code_lines.h"
#include "preview/operands.h"

namespace zum {

int PreviewProgram::VariableSlot(std::string_view key) const {
  for (size_t slot = 0; slot < variables.size(); ++slot) {
    if (variables[slot] == key) {
      return static_cast<int>(slot);
    }
  }
  return -1;
}

int PreviewProgram::AnimationOfMatrix(int matrix) const {
  const int copy = variants * commands_per_copy;
  if (copy <= 0 || matrix < 0 || matrix >= animations * copy) {
    return 0;
  }
  return matrix / copy + 1;
}

namespace {

enum class Chunk { kNone, kParameters, kCommands, kSceneGraph, kDrawing };

std::string_view ChunkName(Chunk chunk) {
  return chunk == Chunk::kCommands ? "the animation command chunk"
                                   : "the drawing code chunk";
}

// A label that an instruction names and that is looked up later.
struct Reference {
  int instruction;
  std::string label;
  int line;
};

class Loader {
 public:
  explicit Loader(PreviewProgram* program) : p_(*program) {}

  Status Load(const std::string& main_file);

 private:
  Status LoadMain();
  Status LoadCompanion();
  Status Error(long line, const std::string& message) const {
    return Status::AtLine(p_.companion_file, line, message);
  }

  Status DefineLabel(std::string_view name, int line);
  Status ReadParameterLabel(std::string_view name, const std::string& line,
                            PeekReader& in);
  Status ReadInterpolationTable(std::string_view name, PeekReader& in);
  Status ReadCodeLine(std::string_view trimmed, int line, PeekReader& in);
  Status ReadTest(PreviewOp op, std::string_view rest, int line);
  // TABLE_LINE: the macro's last line, which names the table.
  Status ReadInterpolate(std::string_view args_text, int line, int table_line);
  Status ReadAnimate(std::string_view rest, int line);
  Status ReadSetMatrix(std::string_view rest, int line);
  Status LocalWord(std::string_view text, int line, int words, int* word);
  Status Source(std::string_view base, std::string_view text, int line,
                int32_t* source);
  int VariableSlotFor(const std::string& key);
  void Emit(PreviewInstruction instruction) {
    p_.code.push_back(instruction);
    override_pending_ = false;
    after_fail_label_ = false;
  }
  Status StartCodeChunk(Chunk chunk);
  Status EndCodeChunk();
  void CloseBlock(std::string_view cont_label);
  void NoteCommandStart(std::string_view label);
  Status Finish();

  PreviewProgram& p_;
  Chunk chunk_ = Chunk::kNone;
  std::unordered_map<std::string, int> label_lines_;    // whole file
  std::unordered_map<std::string, int> chunk_labels_;   // label -> code index
  std::unordered_map<std::string, int> area_of_label_;  // label -> area
  std::unordered_map<std::string, int> keyframes_of_label_;
  std::unordered_map<std::string, int> interpolation_of_label_;
  std::vector<Reference> jumps_;  // of the current code chunk
  std::vector<Reference> keyframe_refs_, interpolation_refs_;
  std::vector<int> area_words_;  // words of each area
  int filling_area_ = -1;        // the area whose "dw" lines are counted
  int current_area_ = -1;
  bool override_pending_ = false;
  bool after_fail_label_ = false;
  int open_block_ = -1;
  bool seen_commands_ = false, seen_drawing_ = false;
  bool frame_found_ = false;
  bool frame_ended_ = false;  // frame_end set at the command's end label
  bool size_line_ = false;
  bool has_base_ = false;  // a B_local_varbase_1 area names B
  KeyframeTable scratch_;
};

Status Loader::Load(const std::string& main_file) {
  p_ = PreviewProgram();
  p_.main_file = main_file;
  p_.command_of_matrix.assign(32768, -1);
  std::string err;
  if (!IncludedFileName(main_file, &p_.companion_file, &err)) {
    return Status::InFile(main_file, err);
  }
  ZUM_RETURN_IF_ERROR(LoadMain());
  ZUM_RETURN_IF_ERROR(LoadCompanion());
  return Finish();
}

// The last path component of NAME, either slash counting.
std::string_view BaseName(std::string_view name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

Status Loader::LoadMain() {
  LineReader in;
  ZUM_RETURN_IF_ERROR(in.OpenNonEmpty(p_.main_file));
  std::string line;
  bool included = false;
  while (in.Next(&line)) {
    if (!Contains(line, "include")) {
      continue;
    }
    std::string_view rest;
    FirstWord(TrimSpace(line), &rest);
    if (BaseName(rest) != BaseName(p_.companion_file)) {
      return in.ErrorHere("the include line names " + Quoted(rest) +
                          ", not the companion file " +
                          Quoted(BaseName(p_.companion_file)));
    }
    included = true;
  }
  ZUM_RETURN_IF_ERROR(in.status());
  if (!included) {
    return Status::InFile(p_.main_file,
                          "no include line names the companion " +
                              Quoted(BaseName(p_.companion_file)));
  }
  return Status::OK();
}

Status Loader::LoadCompanion() {
  LineReader reader;
  ZUM_RETURN_IF_ERROR(reader.OpenNonEmpty(p_.companion_file));
  PeekReader in(&reader);
  std::string line;
  while (in.Next(&line)) {
    const int number = static_cast<int>(in.line_number());

    const std::string_view trimmed = TrimSpace(line);
    std::string_view name;
    const bool is_label = IsLabelLine(trimmed, &name);
    if (is_label) {
      ZUM_RETURN_IF_ERROR(DefineLabel(name, number));
    }
    if (size_line_) {
      // The line after a chunk's tag gives its size (and names its end).
      size_line_ = false;
      continue;
    }
    switch (chunk_) {
      case Chunk::kNone:
        size_line_ = true;
        if (Contains(line, "'A','N','I','P'")) {
          chunk_ = Chunk::kParameters;
        } else if (Contains(line, "'A','N','I','C'")) {
          ZUM_RETURN_IF_ERROR(StartCodeChunk(Chunk::kCommands));
        } else if (Contains(line, "'S','C','E','N'")) {
          chunk_ = Chunk::kSceneGraph;
        } else if (Contains(line, "'B','G','L',' '")) {
          ZUM_RETURN_IF_ERROR(StartCodeChunk(Chunk::kDrawing));
        } else {
          size_line_ = false;
        }
        break;
      case Chunk::kParameters:
        if (Contains(line, "animation_parameters_riff_end")) {
          chunk_ = Chunk::kNone;
        } else if (is_label) {
          ZUM_RETURN_IF_ERROR(ReadParameterLabel(name, line, in));
        } else if (filling_area_ >= 0) {
          std::string_view rest;
          if (FirstWord(trimmed, &rest) == "dw" && !rest.empty() &&
              rest.find(',') == std::string_view::npos) {
            ++area_words_[filling_area_];
            ++p_.local_word_count;
          } else {
            filling_area_ = -1;
          }
        }
        break;
      case Chunk::kSceneGraph:
        if (Contains(line, "scene_graph_riff_end")) {
          chunk_ = Chunk::kNone;
        }
        break;
      case Chunk::kCommands:
      case Chunk::kDrawing:
        if (Contains(line, chunk_ == Chunk::kCommands
                               ? "animation_commands_riff_end"
                               : "bgl_riff_end")) {
          ZUM_RETURN_IF_ERROR(EndCodeChunk());
        } else if (is_label) {
          chunk_labels_[std::string(name)] = static_cast<int>(p_.code.size());
          if (chunk_ == Chunk::kCommands) {
            NoteCommandStart(name);
            if (frame_found_ && !frame_ended_ &&
                name.starts_with("bgl_animation_command_end_")) {
              p_.frame_end = static_cast<int>(p_.code.size());
              frame_ended_ = true;
            }
          }
          after_fail_label_ = name.ends_with("_fail");
          if (chunk_ == Chunk::kDrawing && name.ends_with("_cont")) {
            CloseBlock(name);
          }
        } else {
          ZUM_RETURN_IF_ERROR(ReadCodeLine(trimmed, number, in));
        }
        break;
    }
  }
  ZUM_RETURN_IF_ERROR(reader.status());
  if (chunk_ == Chunk::kCommands || chunk_ == Chunk::kDrawing) {
    return Status::InFile(
        p_.companion_file,
        "the file ends inside " + std::string(ChunkName(chunk_)));
  }
  if (!seen_commands_) {
    return Status::InFile(p_.companion_file,
                          "no animation command chunk ('A','N','I','C')");
  }
  if (!seen_drawing_) {
    return Status::InFile(p_.companion_file,
                          "no drawing code chunk ('B','G','L',' ')");
  }
  return Status::OK();
}

Status Loader::DefineLabel(std::string_view name, int line) {
  auto [it, inserted] = label_lines_.emplace(std::string(name), line);
  if (!inserted) {
    return Error(line, "label " + Quoted(name) +
                           " is defined twice (first at line " +
                           std::to_string(it->second) + ")");
  }
  return Status::OK();
}

Status Loader::ReadParameterLabel(std::string_view name,
                                  const std::string& line, PeekReader& in) {
  filling_area_ = -1;
  const std::string label(name);
  if (Contains(name, "_local_varbase_")) {
    filling_area_ = static_cast<int>(p_.area_labels.size());
    area_of_label_[label] = filling_area_;
    p_.area_labels.push_back(label);
    p_.area_first_word.push_back(p_.local_word_count);
    area_words_.push_back(0);
    if (name.ends_with("_local_varbase_1") && !has_base_) {
      has_base_ = true;
      p_.label_base = label.substr(0, label.size() - 16);
    }
    return Status::OK();
  }
  if (std::optional<KeyframeKind> kind = ParameterTableKind(line)) {
    ZUM_RETURN_IF_ERROR(ReadKeyframeTable(in.reader(), *kind, &scratch_));
    PreviewKeyframes table;
    table.label = label;
    table.kind = *kind;
    for (int row = 1; row <= scratch_.RowCount; ++row) {
      table.keys.push_back(scratch_.Key[row]);
      table.values.push_back({scratch_.Value1[row], scratch_.Value2[row],
                              scratch_.Value3[row], scratch_.Value4[row]});
    }
    keyframes_of_label_[label] = static_cast<int>(p_.keyframe_tables.size());
    p_.keyframe_tables.push_back(std::move(table));
    return Status::OK();
  }
  return ReadInterpolationTable(name, in);
}

Status Loader::ReadInterpolationTable(std::string_view name, PeekReader& in) {
  InterpolationTable table;
  bool found = false;
  ZUM_RETURN_IF_ERROR(zum::ReadInterpolationTable(name, in, &table, &found));
  if (found) {
    interpolation_of_label_[table.label] =
        static_cast<int>(p_.interpolation_tables.size());
    p_.interpolation_tables.push_back(std::move(table));
  }
  return Status::OK();
}

Status Loader::StartCodeChunk(Chunk chunk) {
  if ((chunk == Chunk::kCommands ? seen_commands_ : seen_drawing_)) {
    return Status::OK();  // a second chunk of a kind is not run
  }
  chunk_ = chunk;
  chunk_labels_.clear();
  jumps_.clear();
  current_area_ = -1;
  override_pending_ = false;
  after_fail_label_ = false;
  open_block_ = -1;
  (chunk == Chunk::kCommands ? p_.commands_begin : p_.drawing_begin) =
      static_cast<int>(p_.code.size());
  return Status::OK();
}

Status Loader::EndCodeChunk() {
  for (const Reference& jump : jumps_) {
    auto it = chunk_labels_.find(jump.label);
    if (it == chunk_labels_.end()) {
      return Error(jump.line, "jump to the label " + Quoted(jump.label) +
                                  ", which " + std::string(ChunkName(chunk_)) +
                                  " does not define");
    }
    p_.code[jump.instruction].target = it->second;
  }
  const int end = static_cast<int>(p_.code.size());
  if (chunk_ == Chunk::kCommands) {
    p_.commands_end = end;
    seen_commands_ = true;
  } else {
    CloseBlock("");
    p_.drawing_end = end;
    seen_drawing_ = true;
    p_.has_trigger = chunk_labels_.count("at_10") > 0;
  }
  chunk_ = Chunk::kNone;
  return Status::OK();
}

void Loader::CloseBlock(std::string_view cont_label) {
  if (open_block_ < 0) {
    return;
  }
  SelectionBlock& block = p_.blocks[open_block_];
  const std::string prefix = p_.label_base + "_";
  if (has_base_ && cont_label.size() > prefix.size() + 5 &&
      cont_label.substr(0, prefix.size()) == prefix) {
    long m;
    if (ReadOperand(cont_label.substr(prefix.size(),
                                      cont_label.size() - prefix.size() - 5),
                    &m)) {
      block.input_matrix = static_cast<int>(m);
    }
  }
  open_block_ = -1;
}

// A command is known by its start label: one without a matrix line of its
// own (only a tick block) leaves its matrix as it is, a fixed pose.
void Loader::NoteCommandStart(std::string_view label) {
  static constexpr std::string_view kStart = "bgl_animation_command_start_";
  long matrix;
  if (label.substr(0, kStart.size()) == kStart &&
      ReadOperand(label.substr(kStart.size()), &matrix) && matrix >= 0 &&
      matrix <= 32767 && p_.command_of_matrix[matrix] == -1) {
    p_.command_of_matrix[matrix] = kCommandWithoutMatrixLine;
  }
}

int Loader::VariableSlotFor(const std::string& key) {
  int slot = p_.VariableSlot(key);
  if (slot < 0) {
    slot = static_cast<int>(p_.variables.size());
    p_.variables.push_back(key);
  }
  return slot;
}

Status Loader::LocalWord(std::string_view text, int line, int words,
                         int* word) {
  long offset;
  if (!ReadOperand(text, &offset)) {
    return Error(line, "expected a local word offset, found " + Quoted(text));
  }
  if (current_area_ < 0) {
    return Error(line, "the local word " + Quoted(text) +
                           " is used before any LOCAL_BASE_32 line");
  }
  const int count = area_words_[current_area_];
  if (offset < 0 || offset % 2 != 0 || offset / 2 + words > count) {
    return Error(line, "the local word " + Quoted(text) +
                           " lies outside the area " +
                           Quoted(p_.area_labels[current_area_]) + " of " +
                           std::to_string(count) + " words");
  }
  *word = p_.area_first_word[current_area_] + static_cast<int>(offset / 2);
  return Status::OK();
}

Status Loader::Source(std::string_view base, std::string_view text, int line,
                      int32_t* source) {
  if (base == "VAR_BASE_LOCAL") {
    int word;
    ZUM_RETURN_IF_ERROR(LocalWord(text, line, 1, &word));
    *source = word;
    return Status::OK();
  }
  if (base == "VAR_BASE_GLOBAL") {
    if (text == "BGL_TICK18") {
      *source = kTickSource;
      return Status::OK();
    }
    if (!text.empty()) {
      *source = -1 - VariableSlotFor(VariableKey(text));
      return Status::OK();
    }
  }
  return Error(line, "cannot read the value " +
                         Quoted(std::string(base) + "," + std::string(text)));
}

Status Loader::ReadCodeLine(std::string_view trimmed, int line,
                            PeekReader& in) {
  std::string_view rest;
  const std::string_view word = FirstWord(trimmed, &rest);
  const bool commands = chunk_ == Chunk::kCommands;
  if (word == "LOCAL_BASE_32") {
    auto it = area_of_label_.find(std::string(rest));
    if (it == area_of_label_.end()) {
      return Error(line, "LOCAL_BASE_32 names " + Quoted(rest) +
                             ", which is no local area of the file");
    }
    current_area_ = it->second;
  } else if (word == "VAR_BASE_OVERRIDE") {
    long base;
    if (!ReadOperand(rest, &base) || base != 0) {
      return Error(line,
                   "expected VAR_BASE_OVERRIDE 0, found " + Quoted(trimmed));
    }
    override_pending_ = true;
  } else if (word == "IFIN1") {
    return ReadTest(PreviewOp::kIfIn1, rest, line);
  } else if (word == "IFMSK") {
    return ReadTest(PreviewOp::kIfMask, rest, line);
  } else if (word == "IFINBOXP") {
    return ReadTest(PreviewOp::kIfInBox, rest, line);
  } else if (word == "SETWRD") {
    const std::vector<std::string_view> args = SplitArguments(rest);
    PreviewInstruction set{PreviewOp::kSetWord};
    set.line = line;
    uint16_t value;
    if (args.size() != 2 || !ReadWord(args[1], &value)) {
      return Error(line,
                   "expected SETWRD OFFSET, VALUE, found " + Quoted(trimmed));
    }
    ZUM_RETURN_IF_ERROR(LocalWord(args[0], line, 1, &set.a));
    set.b = value;
    Emit(set);
  } else if (word == "BGL_JUMP_32") {
    PreviewInstruction jump{PreviewOp::kJump};
    jump.line = line;
    jumps_.push_back(
        {static_cast<int>(p_.code.size()), std::string(rest), line});
    Emit(jump);
  } else if (word == "BGL_SET_MATRIX_INDIRECT" && !commands) {
    return ReadSetMatrix(rest, line);
  } else if (word == "BGL_INTERPOLATE" && commands) {
    // The macro goes on over the lines that end in a backslash.
    std::string text(rest);
    std::string next;
    while (!text.empty() && text.back() == '\\') {
      text.pop_back();
      ZUM_RETURN_IF_ERROR(in.reader().ReadLine(&next,
                                               "BGL_INTERPOLATE's "
                                               "next line"));
      text += TrimSpace(next);
    }
    return ReadInterpolate(text, line, static_cast<int>(in.line_number()));
  } else if (word == "BGL_ANIMATE_INDIRECT" && commands) {
    return ReadAnimate(rest, line);
  } else if (word == "BGL_TRANSFORM_INDIRECT" && commands) {
    const std::vector<std::string_view> args = SplitArguments(rest);
    long matrix;
    if (args.size() != 2 || !ReadOperand(args[1], &matrix) || matrix < 0 ||
        matrix > 32767) {
      return Error(line,
                   "expected BGL_TRANSFORM_INDIRECT TRANSFORM, MATRIX, "
                   "found " +
                       Quoted(trimmed));
    }
    PreviewInstruction transform{PreviewOp::kTransform};
    transform.line = line;
    transform.a = static_cast<int32_t>(matrix);
    if (p_.command_of_matrix[matrix] < 0) {
      p_.command_of_matrix[matrix] = static_cast<int32_t>(p_.code.size());
    }
    Emit(transform);
  }
  return Status::OK();
}

Status Loader::ReadTest(PreviewOp op, std::string_view rest, int line) {
  const std::vector<std::string_view> args = SplitArguments(rest);
  const size_t want = op == PreviewOp::kIfIn1    ? 4
                      : op == PreviewOp::kIfMask ? 3
                                                 : 7;
  static constexpr const char* kForms[] = {
      "IFIN1 LABEL, VARIABLE, MINIMUM, MAXIMUM", "IFMSK LABEL, VARIABLE, MASK",
      "IFINBOXP LABEL and six extents"};
  const int form = op == PreviewOp::kIfIn1    ? 0
                   : op == PreviewOp::kIfMask ? 1
                                              : 2;
  if (args.size() != want || args[0].empty()) {
    return Error(line, std::string("expected ") + kForms[form] + ", found " +
                           Quoted(rest));
  }
  PreviewInstruction test{op};
  test.line = line;
  const std::string_view label = args[0];
  VariableTest about;
  about.line = line;
  if (label == "at_9") {
    about.role = TestRole::kGate;
  } else if (label == "at_5") {
    about.role = TestRole::kTrigger;
  } else if (label.ends_with("_fail")) {
    about.role = TestRole::kWrapper;
  }
  if (op == PreviewOp::kIfInBox) {
    double extents[6];
    for (int i = 0; i < 6; ++i) {
      if (!ReadTableNumber(args[i + 1], &extents[i])) {
        return Error(line, "cannot read the box extent " + Quoted(args[i + 1]));
      }
    }
    test.a = static_cast<int32_t>(p_.boxes.size());
    p_.boxes.push_back({extents[0], extents[1], extents[2], extents[3],
                        extents[4], extents[5]});
    about.box = true;
    about.box_index = test.a;
  } else {
    uint16_t lo, hi = 0;
    if (!ReadWord(args[2], &lo) ||
        (op == PreviewOp::kIfIn1 && !ReadWord(args[3], &hi))) {
      return Error(line, "cannot read the limits of " + Quoted(rest) +
                             " as 16-bit numbers");
    }
    test.lo = op == PreviewOp::kIfIn1 ? SignedWord(lo) : lo;
    test.hi = SignedWord(hi);
    about.mask = op == PreviewOp::kIfMask;
    about.lo = test.lo;
    about.hi = test.hi;
    if (override_pending_) {
      if (args[1].empty()) {
        return Error(line, "expected a variable, found nothing");
      }
      about.variable = VariableKey(args[1]);
      test.a = -1 - VariableSlotFor(about.variable);
      about.variable_text = std::string(args[1]);
      const std::string prefix = p_.label_base + "_";
      if (about.role == TestRole::kOther && has_base_ &&
          label.substr(0, prefix.size()) == prefix) {
        // B_m_i: the secondary test of animation i.
        const std::string_view numbers = label.substr(prefix.size());
        const size_t bar = numbers.find('_');
        long m, i;
        if (bar != std::string_view::npos &&
            ReadOperand(numbers.substr(0, bar), &m) &&
            ReadOperand(numbers.substr(bar + 1), &i)) {
          about.role = TestRole::kSecondary;
          about.animation = static_cast<int>(i);
        }
      }
    } else {
      ZUM_RETURN_IF_ERROR(LocalWord(args[1], line, 1, &test.a));
      long offset = 0;
      ReadOperand(args[1], &offset);
      if (op == PreviewOp::kIfIn1 && offset == 0 &&
          (label == "at_1" || label == "at_3")) {
        (label == "at_1" ? p_.start_window_lo : p_.end_window_lo) = test.lo;
        (label == "at_1" ? p_.start_window_hi : p_.end_window_hi) = test.hi;
      }
      about.role = TestRole::kOther;
    }
  }
  test.role = about.role;
  if (about.box || test.a < 0) {
    p_.tests.push_back(about);
  }
  jumps_.push_back(
      {static_cast<int>(p_.code.size()), std::string(label), line});
  Emit(test);
  return Status::OK();
}

Status Loader::ReadInterpolate(std::string_view args_text, int line,
                               int table_line) {
  const std::vector<std::string_view> args = SplitArguments(args_text);
  std::string_view table, area;
  if (args.size() != 6 || args[2] != "VAR_BASE_LOCAL" ||
      args[4] != "VAR_BASE_LOCAL" ||
      !ReadOffsetDifference(args[5], &table, &area)) {
    return Error(line,
                 "expected BGL_INTERPOLATE INPUT, LOCAL OUTPUT and a "
                 "table offset, found " +
                     Quoted(args_text));
  }
  PreviewInstruction interpolate{PreviewOp::kInterpolate};
  interpolate.line = line;
  ZUM_RETURN_IF_ERROR(Source(args[0], args[1], line, &interpolate.a));
  ZUM_RETURN_IF_ERROR(LocalWord(args[3], line, 1, &interpolate.c));
  if (p_.area_labels[current_area_] != area) {
    return Error(line, "the table offset is taken from " + Quoted(area) +
                           ", but the local area here is " +
                           Quoted(p_.area_labels[current_area_]));
  }
  if (!frame_found_ &&
      p_.area_labels[current_area_] == p_.label_base + "_local_varbase_1") {
    p_.frame_begin = static_cast<int>(p_.code.size());
    frame_found_ = true;
  }
  interpolation_refs_.push_back(
      {static_cast<int>(p_.code.size()), std::string(table), table_line});
  Emit(interpolate);
  return Status::OK();
}

Status Loader::ReadAnimate(std::string_view rest, int line) {
  const std::vector<std::string_view> args = SplitArguments(rest);
  std::string_view table, area;
  long matrix;
  if (args.size() < 5 || args[0] != "VAR_BASE_LOCAL" ||
      args[2] != "VAR_BASE_LOCAL" ||
      !ReadOffsetDifference(args[3], &table, &area) ||
      !ReadOperand(args.back(), &matrix) || matrix < 0 || matrix > 32767) {
    return Error(line,
                 "expected BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL, TIME, "
                 "VAR_BASE_LOCAL, a table offset and a matrix, found " +
                     Quoted(rest));
  }
  PreviewInstruction animate{PreviewOp::kAnimate};
  animate.line = line;
  animate.a = static_cast<int32_t>(matrix);
  ZUM_RETURN_IF_ERROR(LocalWord(args[1], line, 2, &animate.c));
  if (p_.area_labels[current_area_] != area) {
    return Error(line, "the table offset is taken from " + Quoted(area) +
                           ", but the local area here is " +
                           Quoted(p_.area_labels[current_area_]));
  }
  keyframe_refs_.push_back(
      {static_cast<int>(p_.code.size()), std::string(table), line});
  if (p_.command_of_matrix[matrix] < 0) {
    p_.command_of_matrix[matrix] = static_cast<int32_t>(p_.code.size());
  }
  Emit(animate);
  return Status::OK();
}

Status Loader::ReadSetMatrix(std::string_view rest, int line) {
  long matrix;
  if (!ReadOperand(rest, &matrix) || matrix < 0 || matrix > 32767) {
    return Error(
        line, "expected BGL_SET_MATRIX_INDIRECT MATRIX, found " + Quoted(rest));
  }
  if (open_block_ < 0) {
    open_block_ = static_cast<int>(p_.blocks.size());
    p_.blocks.push_back({static_cast<int>(matrix), line});
  }
  PreviewInstruction select{PreviewOp::kSetMatrix};
  select.line = line;
  select.a = static_cast<int32_t>(matrix);
  select.b = open_block_;
  select.c = after_fail_label_ ? 1 : 0;
  Emit(select);
  return Status::OK();
}

Status Loader::Finish() {
  for (const Reference& ref : keyframe_refs_) {
    auto it = keyframes_of_label_.find(ref.label);
    if (it == keyframes_of_label_.end()) {
      return Error(ref.line, label_lines_.count(ref.label)
                                 ? Quoted(ref.label) + " is no keyframe table"
                                 : "the command names the table " +
                                       Quoted(ref.label) +
                                       ", which the file does not define");
    }
    p_.code[ref.instruction].b = it->second;
  }
  for (const Reference& ref : interpolation_refs_) {
    auto it = interpolation_of_label_.find(ref.label);
    if (it == interpolation_of_label_.end()) {
      return Error(ref.line,
                   label_lines_.count(ref.label)
                       ? Quoted(ref.label) + " is no interpolation table"
                       : "the command names the table " + Quoted(ref.label) +
                             ", which the file does not define");
    }
    p_.code[ref.instruction].b = it->second;
  }
  for (int i = p_.drawing_begin; i < p_.drawing_end; ++i) {
    const PreviewInstruction& select = p_.code[i];
    if (select.op == PreviewOp::kSetMatrix &&
        p_.command_of_matrix[select.a] == -1) {
      return Error(select.line,
                   "the drawing code selects matrix " +
                       std::to_string(select.a) +
                       ", which no command of the animation command chunk "
                       "computes");
    }
  }
  // The end of part 1's tick block: its command's matrix line, or its end
  // label when it has none.
  if (frame_found_) {
    int end = p_.frame_begin;
    while (end < p_.commands_end && p_.code[end].op != PreviewOp::kAnimate &&
           p_.code[end].op != PreviewOp::kTransform &&
           !(frame_ended_ && end == p_.frame_end)) {
      ++end;
    }
    p_.frame_end = end;
  }
  auto area = area_of_label_.find(p_.label_base + "_local_varbase_1");
  if (has_base_ && area != area_of_label_.end()) {
    const int words = area_words_[area->second];
    const int first = p_.area_first_word[area->second];
    p_.frame_word = words > 0 ? first : -1;
    p_.state_word = words > 3 ? first + 3 : -1;
  }
  if (!p_.has_trigger) {
    p_.state_word = -1;
  }
  // N from the keyframe tables' labels (..._I_a), M from the trigger.
  p_.variants = p_.has_trigger ? 4 : 2;
  for (const PreviewKeyframes& table : p_.keyframe_tables) {
    const std::string_view label = table.label;
    const size_t bar =
        label.rfind('_', label.size() >= 3 ? label.size() - 3 : 0);
    long i;
    if (label.size() >= 3 && label[label.size() - 2] == '_' &&
        bar != std::string_view::npos &&
        ReadOperand(label.substr(bar + 1, label.size() - bar - 3), &i) &&
        i > p_.animations && i <= 50) {
      p_.animations = static_cast<int>(i);
    }
  }
  int commands = 0;
  for (int32_t command : p_.command_of_matrix) {
    commands += command != -1;
  }
  const int copies = p_.animations * p_.variants;
  p_.commands_per_copy = commands % copies == 0 ? commands / copies : 0;
  return Status::OK();
}

}  // namespace

Status LoadPreviewProgram(const std::string& main_file,
                          PreviewProgram* program) {
  auto loader = std::make_unique<Loader>(program);
  Status status = loader->Load(main_file);
  if (!status.ok()) {
    *program = PreviewProgram();
  }
  return status;
}

}  // namespace zum
