#ifndef ZUM_WIZARD_SOURCE_FILE_PAGE_H_
#define ZUM_WIZARD_SOURCE_FILE_PAGE_H_

#include <array>
#include <memory>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/job.h"
#include "settings/page_checks.h"
#include "settings/settings_record.h"
#include "settings/source_file_rows.h"

namespace zum {

class Dialogs;
struct SourceFileControls;

// Page 4, the source files: rows over the lists of up to 50 animations
// (input file and secondary range each, SourceFileRows), four or as many
// more as the page's height holds, the browse buttons with their pre-scan,
// files dropped on the page, the rows' scrolling by buttons, wheel and keys,
// the output file, the progress bar of the run and "Clear all fields". Each
// row's input box tells the scan of its file in its tooltip.
//
// The page shows its part of the window's SettingsRecord (the lists, the
// row base, the output file) and writes the user's changes into it. The
// number of animations shown and whether the secondary condition is on come
// from the record too; files filled in beyond that number raise it there,
// and several files chosen with the secondary condition off may turn it on
// (animationCountChanged). A companion "_0.asm" file and a name holding a
// line break are refused where they enter, and the rows keep what they had.
class SourceFilePage : public QWidget {
  Q_OBJECT

 public:
  // DIALOGS, RECORD and FS (through which the inputs are pre-scanned) must
  // outlive the page.
  SourceFilePage(Dialogs* dialogs, SettingsRecord* record, FileSystem* fs,
                 QWidget* parent = nullptr);
  ~SourceFilePage() override;

  // Takes the wheel, the keys, the drops and the resizing over the page and
  // every control on it; called once the page has all its controls, its
  // page buttons too.
  void WatchAllControls();

  // Entering the page: the rows show animations 1, 2, .., arranged for the
  // secondary condition's number of animations.
  void Enter();
  // Shows the record's output file and, when ROWS, its rows as the row base
  // says. The rows of a page not shown wait until it is entered, which
  // shows animations 1, 2, ...
  void Draw(bool rows);
  // After a settings file was loaded whole: every named input is
  // pre-scanned again, and the tooltips of the rows as they show animations
  // 1, 2, .., whatever the loaded row base.
  void ScanLoadedInputs();
  // Takes the scans of the page's check and shows them in the tooltips.
  void TakeScans(const PageCheckResult& check);
  // Puts the focus on the box of FIELD (an animation's input file or
  // range, INDEX the animation, or the output file), the rows moved to show
  // it. False for a field of another page.
  bool FocusBox(SettingsField field, int index);

  // The run's progress bar: TOTAL percent, repainted at once, since the run
  // holds the thread.
  void ShowProgress(double total);
  // Shows at most MOST rows, however tall the page (kMaxRowCount unless
  // set). The window tests set kMinRowCount, so that what they see does not
  // depend on the fonts' heights.
  void SetMostRows(int most);

  // Handlers, named control + event with the row as index.
  void cmd_file_Click(int index);
  void cmd_file_out_Click();
  void txt_file_in_Change(int index);
  void txt_secondcond_min_Change(int index);
  void txt_secondcond_max_Change(int index);
  void cmd_file_up_Click();
  void cmd_file_down_Click();
  void cmd_clear_Click();

 signals:
  // Files chosen raised the number of animations or turned the secondary
  // condition on.
  void animationCountChanged();

 protected:
  // The wheel, Page Up / Page Down and dropped files anywhere on the page;
  // the rows' area resized.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the rows and the output file, arranged for the number of
  // animations.
  void Redraw();
  // Shows as many rows as the page's height holds.
  void FitRowsToHeight();
  // Pre-scans FILE as ANIMATION's input; returns the message that tells why
  // it cannot be used, empty when it can.
  QString PreScanChosenFile(int animation, const QString& file);
  // Puts FILE into row ROW, as chosen with the row's "..." button; a
  // companion file is refused and the row keeps what it held.
  void ChooseFileInRow(int row, const QString& file);
  // Puts FILES into the rows from row 0's animation on, as chosen in row 0:
  // one file exactly as cmd_file_Click(0) always did; several in the order
  // of their names, raising the number of animations to the last one filled
  // when the secondary condition is on, and asking to turn it on when it is
  // off (No keeps the first file only). Companion files and names with line
  // breaks are refused, and nothing is taken.
  void FillRowsFromFirst(const QStringList& files);
  // Tells why FILES cannot be taken (as INPUTS a companion file; a line
  // break in a name) and returns true; false when they can.
  bool RefuseFiles(const QStringList& files, bool inputs);

  Dialogs* dialogs_;
  SettingsRecord* record_;
  FileSystem* file_system_;

  // The rows shown of the record's lists, and each animation's scan,
  // [1..50].
  SourceFileRows rows_;
  std::array<SourceScan, kMaxAnimations + 1> pre_scan_;
  // The part of a wheel notch turned over the page and not yet scrolled.
  int wheel_delta_ = 0;
  std::unique_ptr<SourceFileControls> c_;
};

}  // namespace zum

#endif  // ZUM_WIZARD_SOURCE_FILE_PAGE_H_
