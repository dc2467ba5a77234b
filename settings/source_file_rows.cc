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

std::array<std::string, kMaxAnimations + 1>& SourceFileRows::ListOf(
    Column column) const {
  switch (column) {
    case Column::kInputFile:
      return record_->InputFile;
    case Column::kSecondaryMin:
      return record_->SecondaryMin;
    case Column::kSecondaryMax:
      break;
  }
  return record_->SecondaryMax;
}

void SourceFileRows::SetRowCount(int count) {
  row_count_ = std::clamp(count, kMinRowCount, kMaxRowCount);
  SetRowBase(row_base());
}

void SourceFileRows::SetRowBase(int16_t base) {
  record_->FileRowBase =
      std::clamp(base, kFirstRowBase, LastRowBase(kMaxAnimations));
}

int SourceFileRows::ShowAnimation(int animation) {
  if (animation < AnimationOfRow(0)) {
    SetRowBase(static_cast<int16_t>(animation + 1));
  } else if (animation > AnimationOfRow(row_count_ - 1)) {
    SetRowBase(LastRowBase(animation));
  }
  return animation - AnimationOfRow(0);
}

bool SourceFileRows::CanScroll(int step) const {
  const int base = row_base() + step;
  return base >= kFirstRowBase && base <= LastRowBase(kMaxAnimations);
}

void SourceFileRows::Scroll(int step) {
  if (CanScroll(step)) {
    record_->FileRowBase = static_cast<int16_t>(row_base() + step);
  }
}

void SourceFileRows::ClearRows() {
  for (int row = 0; row < row_count_; ++row) {
    for (Column column :
         {Column::kInputFile, Column::kSecondaryMin, Column::kSecondaryMax}) {
      SetRowEntry(column, row, std::string());
    }
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

std::string SourceFileRows::CompanionHint(const std::string& file) {
  const size_t slash = file.find_last_of("/\\");
  const std::string name =
      slash == std::string::npos ? file : file.substr(slash + 1);
  if (!IsCompanionName(name)) {
    return std::string();
  }
  // "_0.asm" keeps the extension's case: "GATE_0.ASM" gives "GATE.ASM".
  const size_t cut = name.size() - std::string_view("_0.asm").size();
  return name + " looks like a companion _0.asm file: choose " +
         name.substr(0, cut) + name.substr(cut + 2) + " instead.";
}

}  // namespace zum
