#include "wizard/form1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"
#include "settings/job_builder.h"
#include "settings/settings_store.h"
#include "wizard/condition_editor.h"
#include "wizard/dialogs.h"
#include "wizard/runner_messages.h"
#include "wizard/text_bytes.h"

// The application icon (zum.qrc). The resources live in a static library,
// whose unreferenced objects the linker may drop: registered by hand.
static void InitZumResources() {
  Q_INIT_RESOURCE(zum);
}

namespace zum {

Form1::Form1(Dialogs* dialogs, const QString& program_folder, FileSystem* fs,
             QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      program_folder_(program_folder),
      file_system_(fs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("ZUM"));
  InitZumResources();
  setWindowIcon(QIcon(QStringLiteral(":/icons/zum.png")));
  BuildMenus();
  pages_ = new QStackedWidget;
  pages_->addWidget(BuildWelcomePage());
  pages_->addWidget(BuildConditionPage());
  pages_->addWidget(BuildTriggerPage());
  pages_->addWidget(BuildSecondaryPage());
  pages_->addWidget(BuildSourceFilePage());
  pages_->addWidget(BuildFinishPage());
  setCentralWidget(pages_);
  ConnectHandlers();
  Form_Load();
}

Form1::~Form1() = default;

void Form1::ConnectHandlers() {
  for (int i = 0; i < kPageCount; ++i) {
    connect(cmd_next[i], &QPushButton::clicked, this,
            [this, i] { cmd_next_Click(i); });
    connect(cmd_prev[i], &QPushButton::clicked, this,
            [this, i] { cmd_prev_Click(i); });
  }
  connect(chk_cond_2, &QCheckBox::toggled, this, [this] { chk_cond_Click(2); });
  connect(txt_var_2, &QLineEdit::textChanged, this,
          [this] { txt_var_Change(2); });
  connect(cmd_copyvar_2, &QPushButton::clicked, this,
          [this] { cmd_copyvar_Click(2); });
  for (int k = 0; k < SourceFileRows::kRowCount; ++k) {
    connect(cmd_file[k], &QPushButton::clicked, this,
            [this, k] { cmd_file_Click(k); });
    connect(txt_file_in[k], &QLineEdit::textChanged, this,
            [this, k] { txt_file_in_Change(k); });
    connect(txt_secondcond_min[k], &QLineEdit::textChanged, this,
            [this, k] { txt_secondcond_min_Change(k); });
    connect(txt_secondcond_max[k], &QLineEdit::textChanged, this,
            [this, k] { txt_secondcond_max_Change(k); });
  }
  connect(cmd_file_out, &QPushButton::clicked, this,
          &Form1::cmd_file_out_Click);
  connect(cmd_file_up, &QPushButton::clicked, this, &Form1::cmd_file_up_Click);
  connect(cmd_file_down, &QPushButton::clicked, this,
          &Form1::cmd_file_down_Click);
  connect(cmd_clear, &QPushButton::clicked, this, &Form1::cmd_clear_Click);
  connect(cmd_compile, &QPushButton::clicked, this, &Form1::cmd_compile_Click);
  connect(txt_compile_log, &QPlainTextEdit::textChanged, this,
          &Form1::txt_compile_log_Change);
  ConnectSettingsMenus();
}

void Form1::Form_Load() {
  Label3->setText(QStringLiteral("ZUM v%1.%2.%3")
                      .arg(ZUM_VERSION_MAJOR)
                      .arg(ZUM_VERSION_MINOR)
                      .arg(ZUM_VERSION_PATCH));

  variable_table_.AddBuiltInVariables();
  // The design state of the editors, set through their own handlers.
  for (ConditionEditor* editor : editors_) {
    editor->Start();
  }
  for (int row = 1; row <= variable_table_.VariableCount(); ++row) {
    cmb_var_2->addItem(FromBytes(variable_table_.DisplayName(row)));
  }
  cmb_var_2->setCurrentIndex(-1);
  cmb_var_2->setEditText(tr("Select variable"));
  chk_cond_Click(2);

  for (int page = 1; page < kPageCount; ++page) {
    cmd_next[page]->setEnabled(false);
    cmd_prev[page]->setEnabled(false);
  }
  cmd_prev[kWelcomePage]->setVisible(false);
  cmd_prev[kFinishPage]->setVisible(false);

  runner_messages_ = std::make_unique<DialogsMessageSink>(dialogs_);
  compile_log_ = std::make_unique<CompileLogBox>(txt_compile_log);
  objDOS = std::make_unique<DOSOutputs>(runner_messages_.get());
  objDOS->SetReceiveOutputs([this](const std::string& CommandOutputs) {
    objDOS_ReceiveOutputs(CommandOutputs);
  });

  ReadSlotNames();
  ShowRecentFiles();
  pages_->setCurrentIndex(kWelcomePage);
  resize(860, 560);
}

void Form1::ReadSlotNames() {
  // A missing file leaves the captions "Free"; a shorter one keeps "Free"
  // for the slots it does not name. An unreadable file is no reason to
  // refuse to start: the slots stay "Free" too.
  SlotNames names;
  names.fill(kFreeSlot);
  SettingsStore store(Bytes(program_folder_), file_system_);
  if (!store.ReadSlotNames(&names).ok()) {
    names.fill(kFreeSlot);
  }
  for (int k = 0; k < kSlotCount; ++k) {
    mdata[k]->setText(FromBytes(names[k]));
    mdata2[k]->setText(FromBytes(names[k]));
  }
}

SettingsRecord Form1::CurrentSettings() const {
  SettingsRecord record;
  for (ConditionEditor* editor : editors_) {
    editor->SaveInto(&record);
  }
  record.chk_cond[2] = chk_cond_2->isChecked() ? 1 : 0;
  record.txt_var[2] = Bytes(txt_var_2->text());
  record.txt_num_secondanim = Bytes(txt_num_secondanim->text());
  record.txt_file_out = Bytes(txt_file_out->text());
  rows_.SaveInto(&record);
  record.opt_condapply0 = opt_condapply[0]->isChecked();
  return record;
}

JobSettings Form1::CurrentJob() const {
  return BuildJobSettings(CurrentSettings());
}

int Form1::CurrentPage() const {
  return pages_->currentIndex();
}

void Form1::TEST_ShowPage(int page) {
  SwitchPage(CurrentPage(), page);
}

}  // namespace zum
