// Walking the pages: Next with its page check, Previous, entering the
// source file page, the generation run and the restart.

#include <QPushButton>
#include <QStackedWidget>

#include "engine/generation_run.h"
#include "settings/page_checks.h"
#include "wizard/dialogs.h"
#include "wizard/finish_page.h"
#include "wizard/form1.h"
#include "wizard/secondary_page.h"
#include "wizard/source_file_page.h"
#include "wizard/text_bytes.h"

namespace zum {

void Form1::SwitchPage(int from, int to) {
  pages_->setCurrentIndex(to);
  cmd_next[from]->setEnabled(false);
  cmd_prev[from]->setEnabled(false);
  cmd_next[to]->setEnabled(true);
  cmd_prev[to]->setEnabled(true);
}

bool Form1::ValidatePage(int page) {
  // The pages before PAGE were checked when they were left.
  const PageId id = static_cast<PageId>(page);
  const PageCheckResult check =
      CheckAllPages(CurrentJob(), id, id, file_system_);
  QString detail;
  if (page == kSourceFilePage) {
    source_files_->TakeScans(check);
    if (check.failed_animation != 0) {
      detail = FromBytes(check.scan_error.message());
    }
  }
  if (check.code == PageCheck::kPassed) {
    return true;
  }
  const CheckMessage message = CheckCodeMessage(check.code);
  QString text = QString::fromUtf8(
      message.message.data(), static_cast<qsizetype>(message.message.size()));
  if (!detail.isEmpty()) {
    text += QStringLiteral("\n\n") + detail;
  }
  dialogs_->ShowMessageBox(
      text,
      QString::fromUtf8(message.title.data(),
                        static_cast<qsizetype>(message.title.size())),
      Dialogs::Icon::kCritical, Dialogs::Buttons::kOk);
  return false;
}

Status Form1::RunGenerationOfPage(const JobSettings& job, RunResult* result) {
  double total = 0;
  source_files_->ShowProgress(0);
  // The run holds the thread until it ends: the bar is repainted as shares
  // arrive so that it visibly advances.
  RunOptions options;
  options.file_system = file_system_;
  options.progress = [this, &total](double share) {
    total += share;
    source_files_->ShowProgress(total);
  };
  Status status = RunGeneration(job, options, result);
  if (!status.ok()) {
    dialogs_->ShowError(FromBytes(status.message()));
  }
  return status;
}

void Form1::Restart() {
  SwitchPage(kFinishPage, kWelcomePage);
  finish_->ClearLog();
  source_files_->ShowProgress(0);
  // The run keeps no state between runs: each RunGeneration starts afresh.
}

void Form1::cmd_next_Click(int index) {
  if (!ValidatePage(index)) {
    return;
  }
  if (index == kFinishPage) {
    Restart();
    return;
  }
  if (index == kSourceFilePage) {
    // Whatever the outcome, the finish page follows and tells it.
    const JobSettings job = CurrentJob();
    RunResult result;
    const Status status = RunGenerationOfPage(job, &result);
    SwitchPage(index, index + 1);
    finish_->ShowRunOutcome(job, status);
    finish_->ShowRunWarnings(result.warnings);
    return;
  }
  SwitchPage(index, index + 1);
  if (index == kSecondaryPage) {
    record_.CountOneAnimationWhenOff();
    secondary_->Draw();
    source_files_->Enter();
  }
}

void Form1::cmd_prev_Click(int index) {
  SwitchPage(index, index - 1);
}

}  // namespace zum
