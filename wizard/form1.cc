#include "wizard/form1.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "settings/job_builder.h"
#include "settings/relative_names.h"
#include "wizard/condition_page.h"
#include "wizard/dialogs.h"
#include "wizard/finish_page.h"
#include "wizard/named_controls.h"
#include "wizard/secondary_page.h"
#include "wizard/settings_menus.h"
#include "wizard/source_file_page.h"
#include "wizard/text_bytes.h"
#include "wizard/welcome_page.h"

// The application icon (zum.qrc). The resources live in a static library,
// whose unreferenced objects the linker may drop: registered by hand.
static void InitZumResources() {
  Q_INIT_RESOURCE(zum);
}

namespace zum {

Form1::Form1(Dialogs* dialogs, const QString& program_folder, FileSystem* fs,
             QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), file_system_(fs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("ZUM"));
  InitZumResources();
  setWindowIcon(QIcon(QStringLiteral(":/icons/zum.png")));
  variable_table_.AddBuiltInVariables();
  menus_ = new SettingsMenus(
      menuBar(), dialogs_, program_folder, file_system_,
      {[this] { return CurrentSettings(); },
       [this](const std::string& path) { return LoadSettingsFrom(path); }},
      this);

  welcome_ = new WelcomePage;
  conditions_[0] = new ConditionPage(0, &variable_table_);
  conditions_[1] = new ConditionPage(1, &variable_table_);
  secondary_ = new SecondaryPage(&variable_table_);
  source_files_ = new SourceFilePage(dialogs_, secondary_, file_system_);
  finish_ = new FinishPage(dialogs_, &variable_table_, program_folder,
                           [this] { return CurrentSettings().txt_file_out; });
  pages_ = new QStackedWidget;
  for (QWidget* page :
       std::initializer_list<QWidget*>{welcome_, conditions_[0], conditions_[1],
                                       secondary_, source_files_, finish_}) {
    AddPageButtons(pages_->count(), page);
    pages_->addWidget(page);
  }
  source_files_->WatchAllControls();
  finish_->SetPageButtons(cmd_next[kFinishPage], cmd_prev[kFinishPage]);
  setCentralWidget(pages_);
  for (int i = 0; i < kPageCount; ++i) {
    connect(cmd_next[i], &QPushButton::clicked, this,
            [this, i] { cmd_next_Click(i); });
    connect(cmd_prev[i], &QPushButton::clicked, this,
            [this, i] { cmd_prev_Click(i); });
  }
  Form_Load();
}

Form1::~Form1() = default;

void Form1::AddPageButtons(int page, QWidget* frame) {
  auto* layout = static_cast<QVBoxLayout*>(frame->layout());
  cmd_prev[page] = Named(new QPushButton(tr("<- &Previous")), "cmd_prev", page);
  cmd_next[page] = Named(new QPushButton(tr("&Next ->")), "cmd_next", page);
  for (QPushButton* button : {cmd_prev[page], cmd_next[page]}) {
    button->setMinimumWidth(110);
    button->setAutoDefault(false);
  }
  layout->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(cmd_prev[page]);
  row->addWidget(cmd_next[page]);
  layout->addLayout(row);
  Frame1[page] = Named(frame, "Frame1", page);
}

void Form1::Form_Load() {
  // The design state of the pages, set through their own handlers.
  for (ConditionPage* page : conditions_) {
    page->Start();
  }
  secondary_->Start();
  for (int page = 1; page < kPageCount; ++page) {
    cmd_next[page]->setEnabled(false);
    cmd_prev[page]->setEnabled(false);
  }
  cmd_prev[kWelcomePage]->setVisible(false);
  cmd_prev[kFinishPage]->setVisible(false);
  pages_->setCurrentIndex(kWelcomePage);
  resize(860, 560);
}

SettingsRecord Form1::CurrentSettings() const {
  SettingsRecord record;
  for (ConditionPage* page : conditions_) {
    page->SaveInto(&record);
  }
  secondary_->SaveInto(&record);
  source_files_->SaveInto(&record);
  return record;
}

JobSettings Form1::CurrentJob() const {
  return BuildJobSettings(CurrentSettings());
}

int Form1::CurrentPage() const {
  return pages_->currentIndex();
}

DOSOutputs* Form1::TEST_objDOS() {
  return finish_->TEST_objDOS();
}

void Form1::TEST_ShowPage(int page) {
  SwitchPage(CurrentPage(), page);
}

void Form1::AssignSettingsValue(const SettingsValue& value) {
  // Each line belongs to one page.
  if (conditions_[0]->Assign(value) || conditions_[1]->Assign(value) ||
      secondary_->Assign(value)) {
    return;
  }
  source_files_->Assign(value);
}

bool Form1::LoadSettingsFrom(const std::string& path) {
  std::vector<SettingsValue> values;
  const Status status = ReadSettingsFile(path, &values, file_system_);
  // The boxes show full names: a relative one is the settings file's.
  ResolveSettingsNames(SettingsFolder(path), &values);
  // The values before a bad line are assigned all the same.
  for (const SettingsValue& value : values) {
    AssignSettingsValue(value);
  }
  if (CurrentPage() == kSourceFilePage) {
    // The rows show the lists again only when the page is entered; shown
    // now, they would offer the old entries for editing.
    source_files_->Redraw();
  }
  if (!status.ok()) {
    // The message names the file and, for a bad line, the line (FILE:LINE).
    // "occured" is the system's own spelling, kept as users know it.
    dialogs_->ShowError(
        tr("An error occured when loading your configuration file") +
        QStringLiteral("\n\n") + FromBytes(status.message()));
    return false;
  }
  source_files_->ScanLoadedInputs();
  return true;
}

void Form1::closeEvent(QCloseEvent* event) {
  // The compile step's runner lives as long as the window and goes with it.
  if (menus_->SaveOnClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zum
