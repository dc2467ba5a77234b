#include "wizard/form1.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "settings/job_builder.h"
#include "settings/relative_names.h"
#include "settings/settings_file.h"
#include "wizard/condition_page.h"
#include "wizard/dialogs.h"
#include "wizard/finish_page.h"
#include "wizard/named_controls.h"
#include "wizard/one_line_boxes.h"
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
  // The start-up state; "Apply to animation trigger" is chosen.
  record_.opt_condapply0 = true;
  menus_ = new SettingsMenus(
      menuBar(), dialogs_, program_folder, file_system_,
      {[this] { return record_; },
       [this](const std::string& path) { return LoadSettingsFrom(path); }},
      this);

  welcome_ = new WelcomePage;
  conditions_[0] = new ConditionPage(0, &variable_table_, &record_);
  conditions_[1] = new ConditionPage(1, &variable_table_, &record_);
  secondary_ = new SecondaryPage(&variable_table_, &record_);
  source_files_ = new SourceFilePage(dialogs_, &record_, file_system_);
  connect(source_files_, &SourceFilePage::animationCountChanged, secondary_,
          &SecondaryPage::Draw);
  finish_ = new FinishPage(dialogs_, &variable_table_, program_folder,
                           [this] { return record_.txt_file_out; });
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
  RefuseLineBreaksInBoxes(this, dialogs_);
  // While the compiler runs the window handles its events: the settings
  // menus wait, and a close stops the compiler and closes once it ended.
  connect(finish_, &FinishPage::compilingChanged, this, [this](bool on) {
    menuBar()->setEnabled(!on);
    if (!on && close_after_compile_) {
      close_after_compile_ = false;
      QTimer::singleShot(0, this, &QWidget::close);
    }
  });
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
  // The design state of the pages: the start-up record.
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

JobSettings Form1::CurrentJob() const {
  return BuildJobSettings(CurrentSettings());
}

int Form1::CurrentPage() const {
  return pages_->currentIndex();
}

DOSOutputs* Form1::TEST_objDOS() {
  return finish_->TEST_objDOS();
}

void Form1::TEST_SetMostFileRows(int most) {
  source_files_->SetMostRows(most);
}

void Form1::TEST_ShowPage(int page) {
  SwitchPage(CurrentPage(), page);
}

void Form1::DrawPages() {
  for (ConditionPage* page : conditions_) {
    page->Draw();
  }
  secondary_->Draw();
  // Rows drawn on a hidden page would show the loaded row base; entering
  // the page shows animations 1..4.
  source_files_->Draw(CurrentPage() == kSourceFilePage);
}

bool Form1::LoadSettingsFrom(const std::string& path) {
  SettingsRecord loaded;
  const Status status = LoadSettingsFile(path, &loaded, file_system_);
  if (!status.ok()) {
    // The second line names the file, the line and what was wrong.
    // "occured" is the system's own spelling, kept as users know it.
    dialogs_->ShowError(
        tr("An error occured when loading your configuration file") +
        QStringLiteral("\n\n") + FromBytes(status.message()));
    return false;
  }
  // The boxes show full names: a relative one is the settings file's.
  ResolveRecordNames(SettingsFolder(path), &loaded);
  record_.TakeLoaded(std::move(loaded));
  DrawPages();
  source_files_->ScanLoadedInputs();
  return true;
}

void Form1::closeEvent(QCloseEvent* event) {
  if (finish_->Compiling()) {
    finish_->Stop();
    close_after_compile_ = true;
    event->ignore();
    return;
  }
  // The compile step's runner lives as long as the window and goes with it.
  if (menus_->SaveOnClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zum
