#ifndef ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
#define ZUM_SETTINGS_SOURCE_FILE_ROWS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/job.h"
#include "settings/settings_record.h"

namespace zum {

// The four rows that the source file page shows of a SettingsRecord's
// per-animation lists: for each animation 1..kMaxAnimations the input file
// and the secondary condition's minimum and maximum. Row k (0..3) shows
// animation row_base() + k - 1, the row base being the record's
// FileRowBase; the rows never leave animations 1..kMaxAnimations.
class SourceFileRows {
 public:
  // RECORD must outlive the rows; they read and write its lists and row
  // base.
  explicit SourceFileRows(SettingsRecord* record) : record_(record) {}

  static constexpr int kRowCount = 4;

  // The row bases that show animation 1 in the first row and
  // kMaxAnimations in the last.
  static constexpr int16_t kFirstRowBase = 2;
  static constexpr int16_t kLastRowBase = kMaxAnimations - kRowCount + 2;
  // The row base that shows animation N in the last row.
  static int16_t LastRowBase(int n) {
    return static_cast<int16_t>(n - kRowCount + 2);
  }

  enum class Column { kInputFile, kSecondaryMin, kSecondaryMax };

  int16_t row_base() const { return record_->FileRowBase; }
  int AnimationOfRow(int row) const { return row_base() + row - 1; }

  // The rows show animations 1..4 again.
  void ShowFirstRows() { record_->FileRowBase = kFirstRowBase; }
  // Moves the rows to BASE, or to the nearest row base that keeps them on
  // animations 1..kMaxAnimations.
  void SetRowBase(int16_t base);
  // Whether moving the rows by STEP (-1 up, 1 down) keeps them on
  // animations 1..kMaxAnimations.
  bool CanScroll(int step) const;
  // Moves the rows by STEP if CanScroll(STEP); otherwise does nothing.
  void Scroll(int step);

  // With N animations on the page: row ROW (1..3) is shown, the scroll
  // buttons are shown, and which of them may be pressed. Down stops being
  // pressable once the last row shows animation N, and stays so for any row
  // base beyond that.
  static bool RowShown(int row, int n) { return row < n; }
  static bool ScrollButtonsShown(int n) { return n > kRowCount; }
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

  // "Clear all fields": empties the entries that the four rows show, shown
  // or not.
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

 private:
  // The record's list of COLUMN, [1..kMaxAnimations].
  std::array<std::string, kMaxAnimations + 1>& ListOf(Column column) const;

  SettingsRecord* record_;
};

}  // namespace zum

#endif  // ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
