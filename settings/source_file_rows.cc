#include "settings/source_file_rows.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace zum {

namespace {

// Negative, zero or positive as A sorts before, with or after B.
int CompareFileNames(const std::string& a, const std::string& b) {
  auto digit = [](char ch) {
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
  };
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      // Compare the runs' values: skip leading zeros, then the longer run
      // is the larger, then the first differing digit decides.
      size_t ei = i;
      size_t ej = j;
      while (ei < a.size() && digit(a[ei])) {
        ++ei;
      }
      while (ej < b.size() && digit(b[ej])) {
        ++ej;
      }
      size_t si = a.find_first_not_of('0', i);
      size_t sj = b.find_first_not_of('0', j);
      si = std::min(si, ei);
      sj = std::min(sj, ej);
      if (ei - si != ej - sj) {
        return ei - si < ej - sj ? -1 : 1;
      }
      const int c = a.compare(si, ei - si, b, sj, ej - sj);
      if (c != 0) {
        return c;
      }
      i = ei;
      j = ej;
      continue;
    }
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[j]));
    if (ca != cb) {
      return ca < cb ? -1 : 1;
    }
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) {
    return i < a.size() ? 1 : -1;
  }
  return a.compare(b);
}

}  // namespace

bool SourceFileRows::CanScroll(int step) const {
  const int base = row_base_ + step;
  return base >= kFirstRowBase && base <= kLastRowBase;
}

void SourceFileRows::Scroll(int step) {
  if (CanScroll(step)) {
    row_base_ = static_cast<int16_t>(row_base_ + step);
  }
}

int SourceFileRows::FillInputFiles(int row,
                                   const std::vector<std::string>& files) {
  const int first = AnimationOfRow(row);
  const int last = first + static_cast<int>(files.size()) - 1;
  if (files.empty() || last > kMaxAnimations) {
    return 0;
  }
  for (int a = first; a <= last; ++a) {
    SetEntry(Column::kInputFile, a, files[a - first]);
  }
  return last;
}

void SourceFileRows::SortFileNames(std::vector<std::string>* files) {
  std::stable_sort(files->begin(), files->end(),
                   [](const std::string& a, const std::string& b) {
                     return CompareFileNames(a, b) < 0;
                   });
}

bool SourceFileRows::IsCompanionName(const std::string& file) {
  static constexpr std::string_view kSuffix = "_0.asm";
  if (file.size() < kSuffix.size()) {
    return false;
  }
  const size_t start = file.size() - kSuffix.size();
  for (size_t i = 0; i < kSuffix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(file[start + i])) !=
        kSuffix[i]) {
      return false;
    }
  }
  return true;
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
