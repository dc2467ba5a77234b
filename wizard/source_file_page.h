#ifndef ZUM_WIZARD_SOURCE_FILE_PAGE_H_
#define ZUM_WIZARD_SOURCE_FILE_PAGE_H_

#include <array>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/job.h"
#include "settings/page_checks.h"
#include "settings/settings_record.h"
#include "settings/source_file_rows.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zum {

class Dialogs;

// Page 4, the source files: four rows over the lists of up to 50
// animations (input file and secondary range each, SourceFileRows), the
// browse buttons with their pre-scan, files dropped on the page, the rows'
// scrolling by buttons, wheel and keys, the output file, the progress bar
// of the run and "Clear all fields". Each row's input box tells the scan of
// its file in its tooltip.
//
// The page shows its part of the window's SettingsRecord (the lists, the
// row base, the output file) and writes the user's changes into it. The
// number of animations shown and whether the secondary condition is on come
// from the record too; files filled in beyond that number raise it there
// (animationCountChanged).
class SourceFilePage : public QWidget {
  Q_OBJECT

 public:
  // DIALOGS, RECORD and FS (through which the inputs are pre-scanned) must
  // outlive the page.
  SourceFilePage(Dialogs* dialogs, SettingsRecord* record, FileSystem* fs,
                 QWidget* parent = nullptr);

  // Takes the wheel, the keys and drops over the page and every control on
  // it; called once the page has all its controls, its page buttons too.
  void WatchAllControls();

  // Entering the page: the rows show animations 1..4, arranged for the
  // secondary condition's number of animations.
  void Enter();
  // Shows the record's output file and, when ROWS, its rows as the row base
  // says. The rows of a page not shown wait until it is entered, which
  // shows animations 1..4.
  void Draw(bool rows);
  // After a settings file was loaded whole: every named input is
  // pre-scanned again, and the tooltips of the rows as they show animations
  // 1..4, whatever the loaded row base.
  void ScanLoadedInputs();
  // Takes the scans of the page's check and shows them in the tooltips.
  void TakeScans(const PageCheckResult& check);

  // The run's progress bar: TOTAL percent, repainted at once, since the run
  // holds the thread.
  void ShowProgress(double total);

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
  // Files filled in beyond the number of animations raised it.
  void animationCountChanged();

 protected:
  // The wheel, Page Up / Page Down and dropped files anywhere on the page.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Arrange();
  void ScrollFileRows(int step);
  void ShowFileRows();
  // Pre-scans FILE as ANIMATION's input; returns the message that tells why
  // it cannot be used, empty when it can.
  QString PreScanChosenFile(int animation, const QString& file);
  // Puts FILE into row ROW, as chosen with the row's "..." button.
  void ChooseFileInRow(int row, const QString& file);
  // The output file named after the input file INPUT.
  void NameOutputAfter(const QString& input);
  // Puts FILES into the rows from row 0's animation on, as chosen in row 0:
  // one file exactly as cmd_file_Click(0) always did; several in the order
  // of their names, raising the number of animations to the last one filled
  // when the secondary condition is on.
  void FillRowsFromFirst(const QStringList& files);
  // FillRowsFromFirst for dropped files; refuses companion files.
  void DropFiles(const QStringList& files);

  Dialogs* dialogs_;
  SettingsRecord* record_;
  FileSystem* file_system_;

  // The four rows shown of the record's lists, and each animation's scan,
  // [1..50].
  SourceFileRows rows_;
  std::array<SourceScan, kMaxAnimations + 1> pre_scan_;
  // The part of a wheel notch turned over the page and not yet scrolled.
  int wheel_delta_ = 0;

  // The controls, [row] for the rows.
  struct Controls {
    QLabel* Label20 = nullptr;  // the page's text
    QLabel* Label14 = nullptr;  // "Input file:"
    QLabel* Label17 = nullptr;  // "minimum"
    QLabel* Label18 = nullptr;  // "maximum"
    QLabel* Label19 = nullptr;  // "Secondairy condition"
    QLabel* Label32 = nullptr;  // "Output file:"
    std::array<QLabel*, SourceFileRows::kRowCount> lbl_file_count{};
    std::array<QLineEdit*, SourceFileRows::kRowCount> txt_file_in{};
    std::array<QPushButton*, SourceFileRows::kRowCount> cmd_file{};
    std::array<QLineEdit*, SourceFileRows::kRowCount> txt_secondcond_min{};
    std::array<QLineEdit*, SourceFileRows::kRowCount> txt_secondcond_max{};
    QPushButton* cmd_file_up = nullptr;
    QPushButton* cmd_file_down = nullptr;
    QLineEdit* txt_file_out = nullptr;
    QPushButton* cmd_file_out = nullptr;
    QProgressBar* pbar = nullptr;
    QPushButton* cmd_clear = nullptr;
  };
  Controls c_;
};

}  // namespace zum

#endif  // ZUM_WIZARD_SOURCE_FILE_PAGE_H_
