#ifndef ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
#define ZUM_SETTINGS_SOURCE_FILE_ROWS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/job.h"
#include "settings/settings_record.h"

namespace zum {

// The rows that the source file page shows of a SettingsRecord's
// per-animation lists: for each animation 1..kMaxAnimations the input file
// and the secondary condition's minimum and maximum. Row k (0 ..
// row_count() - 1) shows animation row_base() + k - 1, the row base being
// the record's FileRowBase; the rows never leave animations
// 1..kMaxAnimations. The page shows kMinRowCount rows, and more as its
// height allows.
class SourceFileRows {
 public:
  // RECORD must outlive the rows; they read and write its lists and row
  // base.
  explicit SourceFileRows(SettingsRecord* record) : record_(record) {}

  static constexpr int kMinRowCount = 4;
  static constexpr int kMaxRowCount = 12;

  // The row base that shows animation 1 in the first row.
  static constexpr int16_t kFirstRowBase = 2;
  // The row base that shows animation N in the last row.
  int16_t LastRowBase(int n) const {
    return static_cast<int16_t>(n - row_count_ + 2);
  }

  enum class Column { kInputFile, kSecondaryMin, kSecondaryMax };

  int row_count() const { return row_count_; }
  // Shows COUNT rows, kept within kMinRowCount..kMaxRowCount; the row base
  // moves back as far as needed to keep them on animations
  // 1..kMaxAnimations.
  void SetRowCount(int count);

  int16_t row_base() const { return record_->FileRowBase; }
  int AnimationOfRow(int row) const { return row_base() + row - 1; }

  // The rows show animations 1, 2, .. again.
  void ShowFirstRows() { record_->FileRowBase = kFirstRowBase; }
  // Moves the rows to BASE, or to the nearest row base that keeps them on
  // animations 1..kMaxAnimations.
  void SetRowBase(int16_t base);
  // Moves the rows as little as needed for a row to show ANIMATION
  // (1..kMaxAnimations), and returns that row.
  int ShowAnimation(int animation);
  // Whether moving the rows by STEP (-1 up, 1 down) keeps them on
  // animations 1..kMaxAnimations.
  bool CanScroll(int step) const;
  // Moves the rows by STEP if CanScroll(STEP); otherwise does nothing.
  void Scroll(int step);

  // With N animations on the page: row ROW (1 and on) is shown, the scroll
  // buttons are shown, and which of them may be pressed. Down stops being
  // pressable once the last row shows animation N, and stays so for any row
  // base beyond that.
  static bool RowShown(int row, int n) { return row < n; }
  bool ScrollButtonsShown(int n) const { return n > row_count_; }
  bool CanScrollUp() const { return row_base() != kFirstRowBase; }
  bool CanScrollDown(int n) const { return row_base() < LastRowBase(n); }

  const std::string& Entry(Column column, int animation) const {
    return ListOf(column)[animation];
  }
  void SetEntry(Column column, int animation, std::string text) {
    ListOf(column)[animation] = std::move(text);
  }
  const std::string& RowEntry(Column column, int row) const {
    return Entry(column, AnimationOfRow(row));
  }
  void SetRowEntry(Column column, int row, std::string text) {
    SetEntry(column, AnimationOfRow(row), std::move(text));
  }

  // "Clear all fields": empties the entries that the rows show, shown or
  // not.
  void ClearRows();

  // Puts FILES into the input file list, one animation each, from the
  // animation that row ROW shows on; the secondary ranges stay as they are.
  // Returns the last animation filled; 0, with nothing changed, when FILES
  // is empty or would pass animation kMaxAnimations.
  int FillInputFiles(int row, const std::vector<std::string>& files);

  // Sorts FILES as an author numbers them: runs of digits by their value
  // ("gate2" before "gate10"), other characters by byte with ASCII letters
  // compared case-blind; names that these rules find equal ("g08", "g8",
  // "G8") by their bytes.
  static void SortFileNames(std::vector<std::string>* files);

  // Whether FILE names a companion file ("_0.asm", any case), which is
  // never an input of its own.
  static bool IsCompanionName(const std::string& file);
  // What to choose instead of the companion file FILE: "gate_0.asm looks
  // like a companion _0.asm file: choose gate.asm instead.", with FILE's
  // name without its folder.
  static std::string CompanionHint(const std::string& file);

 private:
  // The record's list of COLUMN, [1..kMaxAnimations].
  std::array<std::string, kMaxAnimations + 1>& ListOf(Column column) const;

  SettingsRecord* record_;
  int row_count_ = kMinRowCount;
};

}  // namespace zum

#endif  // ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
