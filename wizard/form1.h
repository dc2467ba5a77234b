#ifndef ZUM_WIZARD_FORM1_H_
#define ZUM_WIZARD_FORM1_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"
#include "settings/source_file_rows.h"
#include "settings/variable_table.h"

class QAction;
class QCloseEvent;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;
class QVBoxLayout;

namespace zum {

class CompileLogBox;
class ConditionEditor;
class Dialogs;
class DialogsMessageSink;
class DOSOutputs;

// The wizard window: six pages in a stacked widget, each with its own Next
// and Previous buttons, walked in order (welcome, conditions, trigger,
// secondary condition, source files, finish). Next on the source file page
// runs the generation. Controls keep the system's names: the member
// txt_file_in[3] is the widget with object name "txt_file_in_3", and its
// change handler is txt_file_in_Change(3).
//
// Every handler runs whether the user or the program changed the control:
// the widgets' toggled/textChanged signals call them. Pages 1 and 2 are
// ConditionEditors with handlers of their own; the source file page's
// lists are a SourceFileRows.
//
// All modal interaction goes through the Dialogs passed in.
//
// The program's folder holds the settings files (the slot names "zum.cfg",
// the slots "zum0.cfg" .. "zum9.cfg" and "zuma.cfg", the settings saved on
// exit, and "zumrecent.txt", the settings files last used elsewhere) and the
// BGL compiler bglc_9.exe that the finish page runs.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // The page numbers.
  enum Page {
    kWelcomePage = 0,
    kConditionPage = 1,
    kTriggerPage = 2,
    kSecondaryPage = 3,
    kSourceFilePage = 4,
    kFinishPage = 5,
  };
  static constexpr int kPageCount = 6;

  // DIALOGS must outlive the window. PROGRAM_FOLDER is the program's own
  // folder (the program passes QCoreApplication::applicationDirPath(); tests
  // pass a temporary folder): it holds the settings files and the compiler.
  // The window is set up as at start-up (Form_Load) and shows the welcome
  // page. The settings files and the run's files are reached through FS,
  // which must outlive the window.
  Form1(Dialogs* dialogs, const QString& program_folder,
        FileSystem* fs = RealFileSystem(), QWidget* parent = nullptr);
  ~Form1() override;

  // The 184 values of the settings file, taken from the controls and the
  // per-animation lists as they stand now.
  SettingsRecord CurrentSettings() const;

  // The job that a run started now would get.
  JobSettings CurrentJob() const;

  int CurrentPage() const;
  const VariableTable& variables() const { return variable_table_; }
  const SourceScan& PreScan(int animation) const {
    return pre_scan_[animation];
  }

  // Used by tests only: the console command runner created at start-up.
  DOSOutputs* TEST_objDOS() { return objDOS.get(); }

  // Used by tests and by the screenshot mode only: shows PAGE as Next or
  // Previous would, without any check, run or page entry step.
  void TEST_ShowPage(int page);

  // Handlers, named control + event with the control-array index. The
  // condition editors of pages 1 and 2 have their own (ConditionEditor);
  // chk_cond_Click, cmd_copyvar_Click and txt_var_Change here are the
  // secondary condition's, index 2.
  void cmd_next_Click(int index);
  void cmd_prev_Click(int index);
  void chk_cond_Click(int index);
  void cmd_copyvar_Click(int index);
  void txt_var_Change(int index);
  void cmd_file_Click(int index);
  void cmd_file_out_Click();
  void txt_file_in_Change(int index);
  void txt_secondcond_min_Change(int index);
  void txt_secondcond_max_Change(int index);
  void cmd_file_up_Click();
  void cmd_file_down_Click();
  void cmd_clear_Click();

  // Finish page: the compile step and its log.
  void cmd_compile_Click();
  void objDOS_ReceiveOutputs(const std::string& CommandOutputs);
  void txt_compile_log_Change();

  // Settings menus: save into slot INDEX (0..9), load slot INDEX (0..9, or
  // 10 for "Last save on exit").
  void mdata_Click(int index);
  void mdata2_Click(int index);
  // Settings files anywhere: "Open settings file...", "Save settings
  // as..." and the recently used files under the first, INDEX 0 the most
  // recent.
  void mOpenFile_Click();
  void mSaveAs_Click();
  void mrecent_Click(int index);

 protected:
  // Form_Unload: offers to save the settings into "Last save on exit" and
  // writes the slot names; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

  // The source file page's wheel, Page Up / Page Down and dropped files.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window (form1_pages.cc).
  void BuildMenus();
  QWidget* BuildWelcomePage();
  QWidget* BuildConditionPage();
  QWidget* BuildTriggerPage();
  QWidget* BuildSecondaryPage();
  QWidget* BuildSourceFilePage();
  QWidget* BuildFinishPage();
  void AddPageButtons(int page, QWidget* frame, QVBoxLayout* layout);
  // The finish page's texts after a successful run.
  static QString ProcessedText();
  static QString ThankYouText();
  void ConnectHandlers();

  // Start-up.
  void Form_Load();
  void ReadSlotNames();

  // Navigation.
  void SwitchPage(int from, int to);
  bool ValidatePage(int page);
  Status RunGenerationOfPage(const JobSettings& job);
  // The finish page after a run of JOB that ended with STATUS.
  void ShowRunOutcome(const JobSettings& job, const Status& status);
  void EnterSourceFilePage();
  void Restart();
  void ShowCritical(const QString& text, const QString& title);

  // Settings slots (form1_settings.cc).
  // False when the user cancelled the closing.
  bool Form_Unload();
  void ConnectSettingsMenus();
  bool SaveConfiguration(int slot);
  bool LoadConfiguration(int slot);
  // Loads the settings file PATH as a slot is loaded.
  bool LoadSettingsFrom(const std::string& path);
  // Opens PATH and, once it is loaded, puts it first among the recent files.
  void OpenSettingsFile(const QString& path);
  void RememberSettingsFile(const QString& path);
  // The recent files' entries as the list in the program's folder names
  // them; unused entries are hidden.
  void ShowRecentFiles();
  void AssignSettingsValue(const SettingsValue& value);
  void SetSlotCaption(int slot, const QString& caption);
  void ShowSaveError(const Status& status);

  // Source file page.
  void ArrangeFilePage();
  void ShowScanTooltip(int animation, int row);
  void ScrollFileRows(int step);
  void StoreFileRows();
  void ShowFileRows();
  // Pre-scans FILE as ANIMATION's input; returns the message that tells why
  // it cannot be used, empty when it can.
  QString PreScanChosenFile(int animation, const QString& file);
  QString CompanionFileHint() const;
  // Puts FILE into row ROW, as chosen with the row's "..." button.
  void ChooseFileInRow(int row, const QString& file);
  // Sets the output file's name from the input file named in row 0.
  void NameOutputAfter(const QString& input);
  // Puts FILES into the rows from row 0's animation on, as chosen in row 0:
  // one file exactly as cmd_file_Click(0) always did; several in the order
  // of their names, raising the number of animations to the last one filled
  // when the secondary condition is on.
  void FillRowsFromFirst(const QStringList& files);
  // FillRowsFromFirst for dropped files; refuses companion files.
  void DropFiles(const QStringList& files);
  // Clicks the up (STEPS < 0) or down button |STEPS| times while it is
  // shown and enabled.
  void ScrollFileRowsAsButtons(int steps);
  int AnimationsOnFilePage() const;

  Dialogs* dialogs_;
  QString program_folder_;
  FileSystem* file_system_;
  // The console command runner, its message boxes and the log it feeds.
  std::unique_ptr<DialogsMessageSink> runner_messages_;
  std::unique_ptr<CompileLogBox> compile_log_;
  std::unique_ptr<DOSOutputs> objDOS;
  VariableTable variable_table_;

  // The source file page's lists and the four rows shown of them, and each
  // animation's scan, [1..50].
  SourceFileRows rows_;
  std::array<SourceScan, kMaxAnimations + 1> pre_scan_;

  // While true, row text changes are not stored (the rows are being filled
  // from the lists by scrolling).
  bool filling_rows_ = false;
  // The part of a wheel notch turned over the source file page and not yet
  // scrolled.
  int wheel_delta_ = 0;

  QStackedWidget* pages_ = nullptr;

  // Settings menus and their slots.
  QMenu* mSave = nullptr;
  QMenu* mLoad = nullptr;
  std::array<QAction*, kSlotCount> mdata{};
  std::array<QAction*, kLastSaveSlot + 1> mdata2{};
  QAction* mSaveAs = nullptr;
  QAction* mOpenFile = nullptr;
  std::array<QAction*, kRecentFilesCapacity> mrecent{};

  // Pages and page buttons.
  std::array<QWidget*, kPageCount> Frame1{};
  std::array<QPushButton*, kPageCount> cmd_next{};
  std::array<QPushButton*, kPageCount> cmd_prev{};

  // Welcome page.
  QLabel* Label1 = nullptr;  // "Welcome to"
  QLabel* Label2 = nullptr;  // "ZUM"
  QLabel* Label3 = nullptr;  // version
  QLabel* Label5 = nullptr;  // "for Fs2004"
  QLabel* Label9 = nullptr;  // "Please click next to continue."
  QLabel* Image1 = nullptr;  // picture

  // The condition editors of pages 1 (the animation condition with the
  // additional condition) and 2 (the trigger).
  std::array<ConditionEditor*, 2> editors_{};
  QLabel* Label13 = nullptr;  // page 1 text
  QLabel* Label15 = nullptr;  // page 2 text
  QGroupBox* Frame2 = nullptr;
  std::array<QRadioButton*, 2> opt_condapply{};

  // The secondary condition (page 3), index 2 of the condition controls.
  QLabel* Label16 = nullptr;  // page 3 text
  QCheckBox* chk_cond_2 = nullptr;
  QLineEdit* txt_var_2 = nullptr;
  QPushButton* cmd_copyvar_2 = nullptr;
  QComboBox* cmb_var_2 = nullptr;
  QLabel* Label25 = nullptr;  // page 3 "Variable:"
  QLabel* Label26 = nullptr;  // page 3 number of animations
  QLineEdit* txt_num_secondanim = nullptr;

  // Source file page.
  QLabel* Label20 = nullptr;  // page 4 text
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

  // Finish page. After a failed run the texts say so, Previous leads back
  // to the source file page, and the compile button stays disabled until a
  // run succeeds.
  QLabel* Label21 = nullptr;  // "Your animation has been processed..."
  QLabel* Label22 = nullptr;  // thank-you note
  // What the last run wrote and does, or why it stopped; hidden before the
  // first run.
  QTextEdit* txt_run_summary = nullptr;
  QPushButton* cmd_compile = nullptr;
  QPlainTextEdit* txt_compile_log = nullptr;
};

}  // namespace zum

#endif  // ZUM_WIZARD_FORM1_H_
