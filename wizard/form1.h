#ifndef ZUM_WIZARD_FORM1_H_
#define ZUM_WIZARD_FORM1_H_

#include <array>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QString>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/checked_run.h"
#include "settings/page_checks.h"
#include "settings/settings_record.h"
#include "settings/variable_table.h"

class QCloseEvent;
class QPushButton;
class QStackedWidget;

namespace zum {

class ConditionPage;
class Dialogs;
class DOSOutputs;
class FinishPage;
struct RunResult;
class SecondaryPage;
class SettingsMenus;
class SourceFilePage;
class WelcomePage;

// The wizard window: six pages in a stacked widget, each with its own Next
// and Previous buttons, walked in order (welcome, conditions, trigger,
// secondary condition, source files, finish), and the two settings menus.
// The window owns one SettingsRecord, the 184 values of a settings file:
// each page is a class of its own that shows its part of the record and
// writes the user's changes into it. The window keeps the page order, Next
// with the page checks and the run, Previous, and the loading of settings
// files, which replaces the record and draws every page again. Controls
// keep the system's names: the
// widget txt_file_in[3] has the object name "txt_file_in_3", and its change
// handler is txt_file_in_Change(3).
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
  // The page numbers, in walking order.
  enum Page {
    kWelcomePage = static_cast<int>(PageId::kWelcome),
    kConditionPage = static_cast<int>(PageId::kCondition),
    kTriggerPage = static_cast<int>(PageId::kTrigger),
    kSecondaryPage = static_cast<int>(PageId::kSecondary),
    kSourceFilePage = static_cast<int>(PageId::kSourceFiles),
    kFinishPage = static_cast<int>(PageId::kFinish),
  };
  static constexpr int kPageCount = zum::kPageCount;

  // DIALOGS must outlive the window. PROGRAM_FOLDER is the program's own
  // folder (the program passes QCoreApplication::applicationDirPath(); tests
  // pass a temporary folder): it holds the settings files and the compiler.
  // The window is set up as at start-up (Form_Load) and shows the welcome
  // page. The settings files and the run's files are reached through FS,
  // which must outlive the window.
  Form1(Dialogs* dialogs, const QString& program_folder,
        FileSystem* fs = RealFileSystem(), QWidget* parent = nullptr);
  ~Form1() override;

  // The 184 values of the settings file, as the pages show them.
  const SettingsRecord& CurrentSettings() const { return record_; }

  // The job that a run started now would get.
  JobSettings CurrentJob() const;

  int CurrentPage() const;

  // Used by tests only: the console command runner of the finish page.
  DOSOutputs* TEST_objDOS();

  // Used by tests and by the screenshot mode only: shows PAGE as Next or
  // Previous would, without any check, run or page entry step.
  void TEST_ShowPage(int page);

  // Used by tests only: the source file page shows at most MOST rows,
  // however tall the window.
  void TEST_SetMostFileRows(int most);

  // The page buttons' handlers, INDEX being the page.
  void cmd_next_Click(int index);
  void cmd_prev_Click(int index);

 protected:
  // Form_Unload: offers to save the settings into "Last save on exit" and
  // writes the slot names; Cancel keeps the window open. While the compiler
  // runs, it is stopped first, and the window closes once it has ended.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Adds PAGE's Previous and Next buttons at the foot of its layout and
  // names it Frame1(PAGE).
  void AddPageButtons(int page, QWidget* frame);
  void Form_Load();

  void SwitchPage(int from, int to);
  // The check of PAGE; shows its message and returns false when it refuses.
  bool ValidatePage(int page);
  // Shows the message of the refused check CHECK.
  void ShowRefusal(const PageCheckResult& check);
  // Next on the source file page: its check, then the run of JOB with the
  // progress bar, then the summary (CheckAndRun).
  CheckedRun RunFromSourceFilePage(const JobSettings& job);
  void Restart();

  // Loads the settings file PATH: read whole, it replaces the record and
  // every page shows it; a file that cannot be read whole changes nothing
  // and is told. False then.
  bool LoadSettingsFrom(const std::string& path);
  // Shows the record on every page; the source file page's rows only while
  // that page is shown.
  void DrawPages();

  Dialogs* dialogs_;
  FileSystem* file_system_;
  VariableTable variable_table_;
  SettingsRecord record_;

  QStackedWidget* pages_ = nullptr;
  WelcomePage* welcome_ = nullptr;
  // Pages 1 (the animation condition) and 2 (the trigger).
  std::array<ConditionPage*, 2> conditions_{};
  SecondaryPage* secondary_ = nullptr;
  SourceFilePage* source_files_ = nullptr;
  FinishPage* finish_ = nullptr;
  SettingsMenus* menus_ = nullptr;

  std::array<QWidget*, kPageCount> Frame1{};
  std::array<QPushButton*, kPageCount> cmd_next{};
  std::array<QPushButton*, kPageCount> cmd_prev{};
  // A close was asked for while the compiler ran.
  bool close_after_compile_ = false;
};

}  // namespace zum

#endif  // ZUM_WIZARD_FORM1_H_
