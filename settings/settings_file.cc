#include "settings/settings_file.h"

#include <cstdlib>

#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "settings/one_line_texts.h"
#include "settings/settings_text.h"

namespace zum {
namespace {

char KindChar(ConditionKind kind) {
  switch (kind) {
    case ConditionKind::kBetween:
      return '1';
    case ConditionKind::kMask:
      return '2';
    case ConditionKind::kBoundingBox:
      break;
  }
  return '0';
}

ConditionKind KindOfLine(const std::string& line) {
  double value = LeadingNumber(line);
  if (value == 1) {
    return ConditionKind::kBetween;
  }
  if (value == 2) {
    return ConditionKind::kMask;
  }
  return ConditionKind::kBoundingBox;
}

// An error about line LINE of the file PATH: "PATH, line LINE, what the
// line holds: WHAT".
Status LineError(const std::string& path, int line, const std::string& what) {
  return Status::Error(path + ", line " + std::to_string(line) + ", " +
                       SettingsLineMeaning(line) + ": " + what);
}

// Stores line LINE of the file PATH, TEXT, into *RECORD.
Status ReadLine(const std::string& path, int line, const std::string& text,
                SettingsRecord* record) {
  const SettingsSlot& slot = SettingsLineSlot(line);
  switch (slot.kind) {
    case SettingsLineKind::kText:
      SlotText(*record, slot) = text;
      return Status::OK();
    case SettingsLineKind::kKind:
      (record->*slot.condition).opt_kind = KindOfLine(text);
      return Status::OK();
    case SettingsLineKind::kApplyTo:
      record->opt_condapply0 = LeadingNumber(text) == 1;
      return Status::OK();
    case SettingsLineKind::kNumber:
    case SettingsLineKind::kCheckBox:
      break;
  }
  int16_t number = 0;
  std::string err;
  if (!ToInt16(text, &number, &err)) {
    return LineError(path, line, err);
  }
  if (slot.kind == SettingsLineKind::kNumber) {
    record->FileRowBase = number;
    return Status::OK();
  }
  if (number < 0 || number > 2) {
    return LineError(
        path, line,
        "expected a check-box value 0, 1 or 2, found " + IntText(number));
  }
  (record->*slot.condition).chk_cond = number;
  return Status::OK();
}

}  // namespace

Status LoadSettingsFile(const std::string& path, SettingsRecord* record,
                        FileSystem* fs) {
  LineReader in(fs);
  ZUM_RETURN_IF_ERROR(OpenSettingsText(path, &in));
  SettingsRecord read;
  read.opt_condapply0.reset();  // until line 184 is read
  std::string text;
  for (int line = 1; line <= kSettingsLines; ++line) {
    if (!in.Next(&text)) {
      ZUM_RETURN_IF_ERROR(in.status());
      if (line == kSettingsLines) {
        break;  // the optional last line
      }
      return LineError(path, line,
                       "missing: the file has only " +
                           std::to_string(line - 1) + " of its " +
                           std::to_string(kSettingsRequiredLines) + " lines");
    }
    // A text box would cut a longer text without a word.
    if (const size_t length = BoxLength(text);
        SettingsLineSlot(line).kind == SettingsLineKind::kText &&
        length > kMaxBoxLength) {
      return LineError(path, line,
                       "the line holds " + std::to_string(length) +
                           " characters, more than the " +
                           std::to_string(kMaxBoxLength) +
                           " that a text box holds");
    }
    ZUM_RETURN_IF_ERROR(ReadLine(path, line, text, &read));
  }
  *record = std::move(read);
  return Status::OK();
}

std::string NumberLineText(int16_t value) {
  std::string text = value < 0 ? "" : " ";
  text += IntText(value);
  text += ' ';
  return text;
}

std::string SettingsLineText(const SettingsRecord& record, int line) {
  const SettingsSlot& slot = SettingsLineSlot(line);
  switch (slot.kind) {
    case SettingsLineKind::kCheckBox:
      return NumberLineText(record.ConditionOfCheckBox(slot.index).chk_cond);
    case SettingsLineKind::kNumber:
      return NumberLineText(record.FileRowBase);
    case SettingsLineKind::kKind:
      return std::string(1, KindChar((record.*slot.condition).opt_kind));
    case SettingsLineKind::kApplyTo:
      return NumberLineText(record.opt_condapply0.value_or(true) ? 1 : 0);
    case SettingsLineKind::kText:
      break;
  }
  return SlotText(record, slot);
}

std::string SettingsFileText(const SettingsRecord& record) {
  std::string text;
  for (int line = 1; line <= kSettingsLines; ++line) {
    text += SettingsLineText(record, line);
    text += "\r\n";
  }
  return text;
}

Status WriteSettingsFile(const std::string& path, const SettingsRecord& record,
                         FileSystem* fs) {
  // A line break would split a value over two lines and shift every later
  // one: the file would no longer load.
  for (int line = 1; line <= kSettingsLines; ++line) {
    if (HoldsLineBreak(SettingsLineText(record, line))) {
      return LineError(path, line,
                       "the text holds a line break, which a settings file "
                       "cannot keep; nothing was written");
    }
  }
  LineWriter out(fs);
  ZUM_RETURN_IF_ERROR(out.OpenReplacing(path));
  for (int line = 1; line <= kSettingsLines; ++line) {
    out.WriteLine(SettingsLineText(record, line));
  }
  return out.Commit();
}

}  // namespace zum
