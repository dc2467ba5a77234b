#include "settings/source_file_rows.h"

#include <algorithm>

namespace zum {

bool SourceFileRows::CanScroll(int step) const {
  const int base = row_base_ + step;
  return base >= kFirstRowBase && base <= kLastRowBase;
}

void SourceFileRows::Scroll(int step) {
  if (CanScroll(step)) {
    row_base_ = static_cast<int16_t>(row_base_ + step);
  }
}

bool SourceFileRows::Assign(const SettingsValue& value) {
  switch (value.slot.field) {
    case SettingsField::kFileRowBase:
      row_base_ = std::clamp(value.number, kFirstRowBase, kLastRowBase);
      return true;
    case SettingsField::kInputFile:
      SetEntry(Column::kInputFile, value.slot.index, value.text);
      return true;
    case SettingsField::kSecondaryMin:
      SetEntry(Column::kSecondaryMin, value.slot.index, value.text);
      return true;
    case SettingsField::kSecondaryMax:
      SetEntry(Column::kSecondaryMax, value.slot.index, value.text);
      return true;
    default:
      return false;
  }
}

void SourceFileRows::SaveInto(SettingsRecord* record) const {
  record->FileRowBase = row_base_;
  record->InputFile = lists_[static_cast<int>(Column::kInputFile)];
  record->SecondaryMin = lists_[static_cast<int>(Column::kSecondaryMin)];
  record->SecondaryMax = lists_[static_cast<int>(Column::kSecondaryMax)];
}

}  // namespace zum
