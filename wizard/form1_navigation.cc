// Walking the pages: Next with its page check, Previous, entering the
// source file page, the generation run and the restart.

#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "preview/written_finding.h"
#include "settings/checked_run.h"
#include "settings/page_checks.h"
#include "settings/source_file_rows.h"
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
  if (check.code == PageCheck::kPassed) {
    return true;
  }
  ShowRefusal(check);
  return false;
}

void Form1::ShowRefusal(const PageCheckResult& check) {
  const CheckMessage message = CheckCodeMessage(check.code);
  QString text = QString::fromUtf8(
      message.message.data(), static_cast<qsizetype>(message.message.size()));
  if (check.failed_animation != 0) {
    text += QStringLiteral("\n\n") + FromBytes(check.scan_error.message());
    // A companion file in a row: what to choose instead comes first.
    const std::string& input = record_.InputFile[check.failed_animation];
    if (SourceFileRows::IsCompanionName(input)) {
      text = FromBytes(SourceFileRows::CompanionHint(input)) +
             QStringLiteral("\n\n") + text;
    }
  }
  dialogs_->ShowMessageBox(
      text,
      QString::fromUtf8(message.title.data(),
                        static_cast<qsizetype>(message.title.size())),
      Dialogs::Icon::kCritical, Dialogs::Buttons::kOk);
  // The focus goes to the box to correct, its row scrolled into view.
  if (check.box.has_value() &&
      !source_files_->FocusBox(check.box->field, check.box->index)) {
    // "txt_var(3)" is the box named "txt_var_3".
    QString name =
        FromBytes(SettingsFieldName(check.box->field, check.box->index));
    name.replace(QLatin1Char('('), QLatin1Char('_'));
    name.remove(QLatin1Char(')'));
    if (auto* box = findChild<QLineEdit*>(name)) {
      box->setFocus(Qt::OtherFocusReason);
    }
  }
}

CheckedRun Form1::RunFromSourceFilePage(const JobSettings& job) {
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
  const CheckedRun run =
      CheckAndRun(job, PageId::kSourceFiles, PageId::kSourceFiles, options,
                  variable_table_, WrittenForwardRunFinding);
  source_files_->TakeScans(run.check);
  // After a failure the bar does not claim a part done; the finish page
  // tells the error.
  if (run.ran && !run.status.ok()) {
    source_files_->ShowProgress(0);
  }
  return run;
}

void Form1::Restart() {
  SwitchPage(kFinishPage, kWelcomePage);
  finish_->ClearLog();
  source_files_->ShowProgress(0);
  // The run keeps no state between runs: each RunGeneration starts afresh.
}

void Form1::cmd_next_Click(int index) {
  if (index == kSourceFilePage) {
    // The page's check, then the run; whatever the run's outcome, the
    // finish page follows and tells it.
    const JobSettings job = CurrentJob();
    const CheckedRun run = RunFromSourceFilePage(job);
    if (!run.ran) {
      ShowRefusal(run.check);
      return;
    }
    SwitchPage(index, index + 1);
    finish_->ShowRunOutcome(run);
    return;
  }
  if (!ValidatePage(index)) {
    return;
  }
  if (index == kFinishPage) {
    Restart();
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
