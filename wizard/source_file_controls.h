#ifndef ZUM_WIZARD_SOURCE_FILE_CONTROLS_H_
#define ZUM_WIZARD_SOURCE_FILE_CONTROLS_H_

#include <array>

#include "engine/job.h"
#include "settings/settings_record.h"
#include "settings/source_file_rows.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace zum {

// The controls of the source file page, named with the system's names, and
// how they show the rows: a rows' area with the headings, up to
// SourceFileRows::kMaxRowCount rows and the scroll buttons, which takes the
// page's spare height; below it the output file, the progress bar and
// "Clear all fields". The area is never smaller than kMinRowCount rows, and
// RowsThatFit tells how many rows its height has room for.
struct SourceFileControls {
  // Builds the controls into PAGE, which has no layout yet.
  explicit SourceFileControls(QWidget* page);

  // Shows ROWS' texts and row numbers, and each input's scan in its
  // tooltip, SCANS being [1..kMaxAnimations].
  void ShowRows(const SourceFileRows& rows,
                const std::array<SourceScan, kMaxAnimations + 1>& scans);
  // Shows or hides the rows and the scroll buttons for ROWS, the secondary
  // condition on (SECONDARY) or off, and N animations.
  void Arrange(const SourceFileRows& rows, bool secondary, int n);
  // The rows that rows_area's height has room for, at most most_rows.
  int RowsThatFit() const;
  // Puts the down button beside the last of COUNT rows.
  void PlaceDownButton(int count);

  static constexpr int kRows = SourceFileRows::kMaxRowCount;

  QWidget* rows_area = nullptr;
  QGridLayout* grid = nullptr;
  QLabel* Label20 = nullptr;  // the page's text
  QLabel* Label14 = nullptr;  // "Input file:"
  QLabel* Label17 = nullptr;  // "minimum"
  QLabel* Label18 = nullptr;  // "maximum"
  QLabel* Label19 = nullptr;  // "Secondairy condition"
  QLabel* Label32 = nullptr;  // "Output file:"
  std::array<QLabel*, kRows> lbl_file_count{};
  std::array<QLineEdit*, kRows> txt_file_in{};
  std::array<QPushButton*, kRows> cmd_file{};
  std::array<QLineEdit*, kRows> txt_secondcond_min{};
  std::array<QLineEdit*, kRows> txt_secondcond_max{};
  QPushButton* cmd_file_up = nullptr;
  QPushButton* cmd_file_down = nullptr;
  QLineEdit* txt_file_out = nullptr;
  QPushButton* cmd_file_out = nullptr;
  QProgressBar* pbar = nullptr;
  QPushButton* cmd_clear = nullptr;
  // The height of a row with the spacing below it.
  int row_pitch = 0;
  int most_rows = kRows;
};

}  // namespace zum

#endif  // ZUM_WIZARD_SOURCE_FILE_CONTROLS_H_
