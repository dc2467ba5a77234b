#ifndef ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
#define ZUM_SETTINGS_SOURCE_FILE_ROWS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/job.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace zum {

// The lists behind the source file page and the four rows it shows of them.
// Per animation 1..kMaxAnimations the lists hold the input file and the
// secondary condition's minimum and maximum. Row k (0..3) shows animation
// row_base() + k - 1, the row base being the settings file's FileRowBase;
// the rows never leave animations 1..kMaxAnimations.
class SourceFileRows {
 public:
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

  int16_t row_base() const { return row_base_; }
  int AnimationOfRow(int row) const { return row_base_ + row - 1; }

  // The rows show animations 1..4 again.
  void ShowFirstRows() { row_base_ = kFirstRowBase; }
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
  bool CanScrollUp() const { return row_base_ != kFirstRowBase; }
  bool CanScrollDown(int n) const { return row_base_ < LastRowBase(n); }

  const std::string& Entry(Column column, int animation) const {
    return lists_[static_cast<int>(column)][animation];
  }
  void SetEntry(Column column, int animation, std::string text) {
    lists_[static_cast<int>(column)][animation] = std::move(text);
  }
  const std::string& RowEntry(Column column, int row) const {
    return Entry(column, AnimationOfRow(row));
  }
  void SetRowEntry(Column column, int row, std::string text) {
    SetEntry(column, AnimationOfRow(row), std::move(text));
  }

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

  // Takes VALUE if it is a line of the page's lists or the row base (a row
  // base is moved to the nearest one that keeps the rows on animations
  // 1..kMaxAnimations); returns false for the other lines.
  bool Assign(const SettingsValue& value);
  // Puts the row base and the lists into RECORD.
  void SaveInto(SettingsRecord* record) const;

 private:
  int16_t row_base_ = kFirstRowBase;
  // [Column][animation], animations 1..kMaxAnimations.
  std::array<std::array<std::string, kMaxAnimations + 1>, 3> lists_;
};

}  // namespace zum

#endif  // ZUM_SETTINGS_SOURCE_FILE_ROWS_H_
