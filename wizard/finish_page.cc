#include "wizard/finish_page.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"
#include "wizard/dialogs.h"
#include "wizard/named_controls.h"
#include "wizard/preview_window.h"
#include "wizard/runner_messages.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

// The warnings box shows this many lines at most; more scroll.
constexpr int kWarningLinesShown = 6;

QString ProcessedText() {
  return QObject::tr(
      "Your animation has been processed and the source files have been "
      "saved on the indicated location.");
}

QString ThankYouText() {
  return QObject::tr(
      "Thank you for using ZUM. You can compile the result with the BGL "
      "compiler of the SDK below, or restart to process another object.");
}

// A read-only, hidden box named NAME, as high as its text up to MOST_LINES
// lines; a longer text scrolls.
QTextEdit* NewFittingTextBox(const char* name, int most_lines) {
  auto* box = Named(new QTextEdit, name);
  box->setReadOnly(true);
  box->setAcceptRichText(false);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVisible(false);
  QObject::connect(
      box->document()->documentLayout(),
      &QAbstractTextDocumentLayout::documentSizeChanged, box,
      [box, most_lines](const QSizeF& size) {
        const int most = box->fontMetrics().lineSpacing() * most_lines;
        box->setFixedHeight(std::min(static_cast<int>(size.height()), most) +
                            2 * box->frameWidth());
      });
  return box;
}

}  // namespace

FinishPage::FinishPage(Dialogs* dialogs, const VariableTable* variables,
                       const QString& program_folder,
                       std::function<std::string()> output_file,
                       QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      variables_(variables),
      program_folder_(program_folder),
      output_file_(std::move(output_file)) {
  auto* layout = new QVBoxLayout(this);
  Label21 = NewPageText(ProcessedText(), "Label21");
  Label21->setMinimumHeight(Label21->fontMetrics().lineSpacing() * 2);
  Label22 = NewLabel(ThankYouText(), "Label22");
  Label22->setWordWrap(true);
  txt_run_summary = NewFittingTextBox("txt_run_summary", 12);
  lbl_run_warnings = NewLabel(QString(), "lbl_run_warnings");
  lbl_run_warnings->setVisible(false);
  txt_run_warnings = NewFittingTextBox("txt_run_warnings", kWarningLinesShown);
  layout->addWidget(Label21);
  layout->addWidget(txt_run_summary);
  layout->addWidget(lbl_run_warnings);
  layout->addWidget(txt_run_warnings);
  layout->addWidget(Label22);
  cmd_compile = Named(new QPushButton(tr("Compile MDL")), "cmd_compile");
  cmd_compile->setMinimumWidth(140);
  cmd_preview = Named(new QPushButton(tr("Pre&view")), "cmd_preview");
  cmd_preview->setToolTip(
      tr("Runs the written code over time and shows what the object does"));
  cmd_preview->setMinimumWidth(140);
  cmd_preview->setVisible(false);
  cmd_stop = Named(new QPushButton(tr("S&top")), "cmd_stop");
  cmd_stop->setToolTip(tr("Ends the compiler"));
  cmd_stop->setEnabled(false);
  auto* row = new QHBoxLayout;
  row->addWidget(cmd_compile);
  row->addWidget(cmd_stop);
  row->addWidget(cmd_preview);
  row->addStretch(1);
  layout->addSpacing(8);
  layout->addLayout(row);
  txt_compile_log = Named(new QPlainTextEdit, "txt_compile_log");
  txt_compile_log->setReadOnly(true);
  txt_compile_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(txt_compile_log, 3);

  connect(cmd_compile, &QPushButton::clicked, this,
          &FinishPage::cmd_compile_Click);
  connect(cmd_preview, &QPushButton::clicked, this,
          &FinishPage::cmd_preview_Click);
  connect(cmd_stop, &QPushButton::clicked, this, &FinishPage::cmd_stop_Click);
  connect(txt_compile_log, &QPlainTextEdit::textChanged, this,
          &FinishPage::txt_compile_log_Change);
  runner_messages_ = std::make_unique<DialogsMessageSink>(dialogs_);
  compile_log_ = std::make_unique<CompileLogBox>(txt_compile_log);
  objDOS = std::make_unique<DOSOutputs>(runner_messages_.get());
  objDOS->SetReceiveOutputs([this](const std::string& CommandOutputs) {
    objDOS_ReceiveOutputs(CommandOutputs);
  });
  // The window stays responsive while the compiler runs: Stop can be
  // pressed, the window moved and repainted.
  objDOS->SetWaiting([] { QCoreApplication::processEvents(); });
}

FinishPage::~FinishPage() = default;

void FinishPage::SetPageButtons(QPushButton* restart, QPushButton* previous) {
  restart_ = restart;
  previous_ = previous;
  restart_->setText(tr("&Restart ZUM"));
}

void FinishPage::ShowRunOutcome(const CheckedRun& run) {
  const Status& status = run.status;
  txt_run_summary->setVisible(true);
  if (status.ok()) {
    Label21->setText(ProcessedText());
    Label22->setText(ThankYouText());
    txt_run_summary->setPlainText(FromBytes(run.summary).trimmed());
  } else {
    // The run writes its outputs under other names and gives them their
    // own only when complete, so a failed run leaves the old files alone.
    Label21->setText(
        tr("The run stopped with the error below. No output file was "
           "changed."));
    Label22->setText(
        tr("Correct the input, then go back to the source file page with "
           "Previous and run again with Next. The result can be compiled "
           "after a run that succeeds."));
    txt_run_summary->setPlainText(FromBytes(status.message()));
  }
  cmd_compile->setEnabled(status.ok());
  previous_->setVisible(!status.ok());
  // The preview of an earlier run shows files that this run replaced.
  previewed_output_ = status.ok() && !run.result.files_written.empty()
                          ? run.result.files_written[0]
                          : std::string();
  cmd_preview->setVisible(status.ok());
  if (preview_ != nullptr) {
    preview_->hide();
  }
  ShowRunWarnings(run.result.warnings);
}

void FinishPage::ShowRunWarnings(const RunWarnings& warnings) {
  lbl_run_warnings->setVisible(!warnings.empty());
  txt_run_warnings->setVisible(!warnings.empty());
  lbl_run_warnings->setText(
      warnings.empty() ? QString() : tr("Warnings (%1)").arg(warnings.total()));
  QStringList lines;
  for (const std::string& warning : warnings.kept()) {
    lines << FromBytes(warning);
  }
  const long more =
      warnings.total() - static_cast<long>(warnings.kept().size());
  if (more > 0) {
    lines << tr("and %1 more").arg(more);
  }
  txt_run_warnings->setPlainText(lines.join('\n'));
}

void FinishPage::ClearLog() {
  txt_compile_log->clear();
}

void FinishPage::cmd_compile_Click() {
  if (compiling_) {
    return;
  }
  // The window's events are handled while the compiler runs (the runner's
  // Waiting, each piece of output): what must not be pressed meanwhile is
  // disabled, and Stop is enabled.
  // The focus goes from the compile button to Stop and back, so that the
  // keyboard can stop what it started.
  compiling_ = true;
  cmd_stop->setEnabled(true);
  if (window()->focusWidget() == cmd_compile) {
    cmd_stop->setFocus(Qt::OtherFocusReason);
  }
  restart_->setEnabled(false);
  cmd_compile->setEnabled(false);
  emit compilingChanged(true);
  RunCompileStep(Bytes(QDir::toNativeSeparators(program_folder_)),
                 output_file_(), objDOS.get(), compile_log_.get());
  compiling_ = false;
  cmd_compile->setEnabled(true);
  if (window()->focusWidget() == cmd_stop) {
    cmd_compile->setFocus(Qt::OtherFocusReason);
  }
  cmd_stop->setEnabled(false);
  restart_->setEnabled(true);
  emit compilingChanged(false);
}

void FinishPage::cmd_stop_Click() {
  Stop();
}

void FinishPage::Stop() {
  if (compiling_) {
    objDOS->Stop();
  }
}

void FinishPage::cmd_preview_Click() {
  const bool made = preview_ == nullptr;
  if (made) {
    preview_ = new PreviewWindow(dialogs_, variables_, this);
  }
  const Status status = preview_->Load(previewed_output_);
  if (!status.ok()) {
    if (made) {
      delete preview_;
      preview_ = nullptr;
    }
    dialogs_->ShowError(FromBytes(status.message()));
    return;
  }
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
}

void FinishPage::objDOS_ReceiveOutputs(const std::string& CommandOutputs) {
  compile_log_->AppendToLog(CommandOutputs);
  // A compiler that writes without pause still lets Stop be pressed.
  QCoreApplication::processEvents();
}

void FinishPage::txt_compile_log_Change() {
  // The caret after the last character keeps the newest output in view.
  txt_compile_log->moveCursor(QTextCursor::End);
  txt_compile_log->ensureCursorVisible();
  txt_compile_log->repaint();
}

}  // namespace zum
