// Walking the pages: Next with its page check, Previous, entering the
// source file page, the generation run and the restart.

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

#include "engine/generation_run.h"
#include "settings/job_summary.h"
#include "settings/page_checks.h"
#include "wizard/dialogs.h"
#include "wizard/form1.h"
#include "wizard/text_bytes.h"

namespace zum {

void Form1::SwitchPage(int from, int to) {
  pages_->setCurrentIndex(to);
  cmd_next[from]->setEnabled(false);
  cmd_prev[from]->setEnabled(false);
  cmd_next[to]->setEnabled(true);
  cmd_prev[to]->setEnabled(true);
}

void Form1::ShowCritical(const QString& text, const QString& title) {
  dialogs_->ShowMessageBox(text, title, Dialogs::Icon::kCritical,
                           Dialogs::Buttons::kOk);
}

bool Form1::ValidatePage(int page) {
  int16_t code = kCheckPassed;
  QString detail;
  if (page >= kConditionPage && page <= kSecondaryPage) {
    code = CheckConditionPage(CurrentJob(), page - 1);
  } else if (page == kSourceFilePage) {
    SourceFileCheck check = CheckSourceFiles(CurrentJob());
    code = check.code;
    for (int a = 1; a <= check.scanned; ++a) {
      pre_scan_[a] = check.pre_scan[a];
    }
    for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
      ShowScanTooltip(rows_.AnimationOfRow(row), row);
    }
    if (check.failed_animation != 0) {
      detail = FromBytes(check.scan_error.message());
    }
  }
  if (code == kCheckPassed) {
    return true;
  }
  CheckMessage message = CheckCodeMessage(code);
  QString text = QString::fromUtf8(
      message.message.data(), static_cast<qsizetype>(message.message.size()));
  if (!detail.isEmpty()) {
    text += QStringLiteral("\n\n") + detail;
  }
  ShowCritical(text,
               QString::fromUtf8(message.title.data(),
                                 static_cast<qsizetype>(message.title.size())));
  return false;
}

Status Form1::RunGenerationOfPage(const JobSettings& job) {
  double total = 0;
  pbar->setValue(0);
  // The run holds the thread until it ends: repaint the bar as shares
  // arrive so that it visibly advances.
  RunOptions options;
  options.file_system = file_system_;
  options.progress = [this, &total](double share) {
    total += share;
    pbar->setValue(static_cast<int>(std::lround(std::min(total, 100.0))));
    pbar->repaint();
  };
  Status status = RunGeneration(job, options, nullptr);
  if (!status.ok()) {
    ShowCritical(FromBytes(status.message()), tr("ZUM error"));
  }
  return status;
}

void Form1::ShowRunOutcome(const JobSettings& job, const Status& status) {
  txt_run_summary->setVisible(true);
  if (status.ok()) {
    Label21->setText(ProcessedText());
    Label22->setText(ThankYouText());
    txt_run_summary->setPlainText(
        FromBytes(RunSummary(job, variable_table_)).trimmed());
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
  cmd_prev[kFinishPage]->setVisible(!status.ok());
}

void Form1::EnterSourceFilePage() {
  if (!chk_cond_2->isChecked()) {
    txt_num_secondanim->setText(QStringLiteral("1"));
  }
  rows_.ShowFirstRows();
  ShowFileRows();
  ArrangeFilePage();
}

void Form1::Restart() {
  SwitchPage(kFinishPage, kWelcomePage);
  txt_compile_log->clear();
  pbar->setValue(0);
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
    const Status status = RunGenerationOfPage(job);
    SwitchPage(index, index + 1);
    ShowRunOutcome(job, status);
    return;
  }
  SwitchPage(index, index + 1);
  if (index == kSecondaryPage) {
    EnterSourceFilePage();
  }
}

void Form1::cmd_prev_Click(int index) {
  SwitchPage(index, index - 1);
}

}  // namespace zum
