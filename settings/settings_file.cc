#include "settings/settings_file.h"

#include <cstdlib>

#include "engine/line_io.h"
#include "engine/number_rules.h"
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

// Turns line LINE_NUMBER of the file, TEXT, into *VALUE.
Status ParseLine(const LineReader& in, int line_number, const std::string& text,
                 SettingsValue* value) {
  value->line = line_number;
  value->slot = SettingsLineSlot(line_number);
  switch (value->slot.kind) {
    case SettingsLineKind::kText:
      value->text = text;
      return Status::OK();
    case SettingsLineKind::kKind:
      value->kind = KindOfLine(text);
      return Status::OK();
    case SettingsLineKind::kApplyTo:
      value->number = LeadingNumber(text) == 1 ? 0 : 1;
      return Status::OK();
    case SettingsLineKind::kNumber:
    case SettingsLineKind::kCheckBox:
      break;
  }
  std::string err;
  if (!ToInt16(text, &value->number, &err)) {
    return in.ErrorHere(SettingsLineName(line_number) + ": " + err);
  }
  if (value->slot.kind == SettingsLineKind::kCheckBox &&
      (value->number < 0 || value->number > 2)) {
    return in.ErrorHere(SettingsLineName(line_number) +
                        ": expected a check-box value 0, 1 or 2, found " +
                        IntText(value->number));
  }
  return Status::OK();
}

}  // namespace

Status ReadSettingsFile(const std::string& path,
                        std::vector<SettingsValue>* values, FileSystem* fs) {
  LineReader in(fs);
  ZUM_RETURN_IF_ERROR(OpenSettingsText(path, &in));
  std::string text;
  for (int line = 1; line <= kSettingsLines; ++line) {
    if (line == kSettingsLines) {
      if (!in.Next(&text)) {
        return in.status();
      }
    } else {
      ZUM_RETURN_IF_ERROR(
          in.ReadLine(&text, "line " + std::to_string(line) + " of " +
                                 std::to_string(kSettingsRequiredLines) + " (" +
                                 SettingsLineName(line) + ")"));
    }
    SettingsValue value;
    ZUM_RETURN_IF_ERROR(ParseLine(in, line, text, &value));
    values->push_back(std::move(value));
  }
  return Status::OK();
}

void ApplySettingsValue(const SettingsValue& value, SettingsRecord* record) {
  const SettingsSlot& slot = value.slot;
  switch (slot.kind) {
    case SettingsLineKind::kCheckBox:
      record->ConditionOfCheckBox(slot.index).chk_cond = value.number;
      return;
    case SettingsLineKind::kNumber:
      record->FileRowBase = value.number;
      return;
    case SettingsLineKind::kKind:
      (record->*slot.condition).opt_kind = value.kind;
      return;
    case SettingsLineKind::kApplyTo:
      record->opt_condapply0 = value.number == 0;
      return;
    case SettingsLineKind::kText:
      SlotText(*record, slot) = value.text;
      return;
  }
}

Status LoadSettingsFile(const std::string& path, SettingsRecord* record,
                        FileSystem* fs) {
  std::vector<SettingsValue> values;
  Status status = ReadSettingsFile(path, &values, fs);
  for (const SettingsValue& value : values) {
    ApplySettingsValue(value, record);
  }
  return status;
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
  LineWriter out(fs);
  ZUM_RETURN_IF_ERROR(out.OpenReplacing(path));
  for (int line = 1; line <= kSettingsLines; ++line) {
    out.WriteLine(SettingsLineText(record, line));
  }
  return out.Commit();
}

}  // namespace zum
