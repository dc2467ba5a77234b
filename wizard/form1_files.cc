// The source file page: four rows over the list of up to 50 animations,
// the browse buttons with their pre-scan, files dropped on the page, the
// rows' scrolling by buttons, wheel and keys, and the output file.

#include <cstdlib>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QWheelEvent>

#include "engine/number_rules.h"
#include "settings/output_name.h"
#include "settings/pre_scan.h"
#include "wizard/dialogs.h"
#include "wizard/form1.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

const QStringList& AsmFilters() {
  static const QStringList filters = {QStringLiteral("ASM file (*.asm)"),
                                      QStringLiteral("All files (*.*)")};
  return filters;
}

using Column = SourceFileRows::Column;

// The local files of a drag, when every one of them is an ".asm" file (any
// case); none otherwise.
QStringList DroppedAsmFiles(const QMimeData* data) {
  QStringList files;
  for (const QUrl& url : data->urls()) {
    const QString file = url.toLocalFile();
    if (file.isEmpty() ||
        !file.endsWith(QLatin1String(".asm"), Qt::CaseInsensitive)) {
      return {};
    }
    files << file;
  }
  return files;
}

}  // namespace

int Form1::AnimationsOnFilePage() const {
  // Page 3's check has accepted the text as a number not above 50.
  int16_t n = 1;
  std::string err;
  if (!ToInt16(Bytes(txt_num_secondanim->text()), &n, &err)) {
    return 1;
  }
  return n;
}

void Form1::txt_file_in_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kInputFile, index,
                      Bytes(txt_file_in[index]->text()));
  }
}

void Form1::txt_secondcond_min_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kSecondaryMin, index,
                      Bytes(txt_secondcond_min[index]->text()));
  }
}

void Form1::txt_secondcond_max_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kSecondaryMax, index,
                      Bytes(txt_secondcond_max[index]->text()));
  }
}

void Form1::ShowScanTooltip(int animation, int row) {
  txt_file_in[row]->setToolTip(
      FromBytes(ScanTooltipText(pre_scan_[animation])));
}

QString Form1::PreScanChosenFile(int animation, const QString& file) {
  pre_scan_[animation] = SourceScan();
  Status status = PreScanInputFile(Bytes(file), &pre_scan_[animation]);
  if (status.ok()) {
    return QString();
  }
  QString text = tr("The file %1 cannot be used as animation %2: its "
                    "animation tables cannot be read.\n\n%3")
                     .arg(file)
                     .arg(animation)
                     .arg(FromBytes(status.message()));
  if (SourceFileRows::IsCompanionName(Bytes(file))) {
    text += QStringLiteral("\n\n") + CompanionFileHint();
  }
  return text;
}

QString Form1::CompanionFileHint() const {
  return tr(
      "This looks like a companion _0.asm file: choose the main .asm "
      "file instead.");
}

void Form1::NameOutputAfter(const QString& input) {
  txt_file_out->setText(FromBytes(ProposedOutputName(Bytes(input))));
}

void Form1::cmd_file_Click(int index) {
  if (index == 0) {
    FillRowsFromFirst(dialogs_->OpenFiles(tr("Select ASM file"), AsmFilters()));
    return;
  }
  QString chosen = dialogs_->OpenFile(tr("Select ASM file"), AsmFilters());
  if (!chosen.isEmpty()) {
    ChooseFileInRow(index, chosen);
  }
}

void Form1::ChooseFileInRow(int row, const QString& file) {
  txt_file_in[row]->setText(file);
  const int animation = rows_.AnimationOfRow(row);
  const QString problem = PreScanChosenFile(animation, file);
  if (!problem.isEmpty()) {
    ShowCritical(problem, tr("ZUM error"));
  }
  ShowScanTooltip(animation, row);
  if (row == 0) {
    NameOutputAfter(file);
  }
}

void Form1::FillRowsFromFirst(const QStringList& files) {
  if (files.size() <= 1) {
    if (!files.isEmpty()) {
      ChooseFileInRow(0, files.first());
    }
    return;
  }
  std::vector<std::string> names;
  for (const QString& file : files) {
    names.push_back(Bytes(file));
  }
  SourceFileRows::SortFileNames(&names);
  const int first = rows_.AnimationOfRow(0);
  const int last = rows_.FillInputFiles(0, names);
  if (last == 0) {
    ShowCritical(tr("%1 files do not fit from animation %2 on: there are at "
                    "most %3 animations. No file was taken.")
                     .arg(files.size())
                     .arg(first)
                     .arg(kMaxAnimations),
                 tr("ZUM error"));
    return;
  }
  if (chk_cond_2->isChecked() && last > AnimationsOnFilePage()) {
    txt_num_secondanim->setText(QString::number(last));
  }
  QStringList problems;
  for (int a = first; a <= last; ++a) {
    const QString problem =
        PreScanChosenFile(a, FromBytes(rows_.Entry(Column::kInputFile, a)));
    if (!problem.isEmpty()) {
      problems << problem;
    }
  }
  ShowFileRows();
  ArrangeFilePage();
  NameOutputAfter(txt_file_in[0]->text());
  if (!problems.isEmpty()) {
    ShowCritical(problems.join(QStringLiteral("\n\n")), tr("ZUM error"));
  }
}

void Form1::DropFiles(const QStringList& files) {
  for (const QString& file : files) {
    if (SourceFileRows::IsCompanionName(Bytes(file))) {
      ShowCritical(tr("The file %1 was not taken.").arg(file) +
                       QStringLiteral("\n\n") + CompanionFileHint(),
                   tr("ZUM error"));
      return;
    }
  }
  FillRowsFromFirst(files);
}

void Form1::cmd_file_out_Click() {
  txt_file_out->setText(dialogs_->SaveFile(tr("Select ASM file"), AsmFilters(),
                                           txt_file_out->text()));
}

void Form1::ShowFileRows() {
  filling_rows_ = true;
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    txt_file_in[row]->setText(
        FromBytes(rows_.RowEntry(Column::kInputFile, row)));
    txt_secondcond_min[row]->setText(
        FromBytes(rows_.RowEntry(Column::kSecondaryMin, row)));
    txt_secondcond_max[row]->setText(
        FromBytes(rows_.RowEntry(Column::kSecondaryMax, row)));
    lbl_file_count[row]->setText(QString::number(rows_.AnimationOfRow(row)));
    ShowScanTooltip(rows_.AnimationOfRow(row), row);
  }
  filling_rows_ = false;
}

void Form1::StoreFileRows() {
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    rows_.SetRowEntry(Column::kInputFile, row, Bytes(txt_file_in[row]->text()));
    rows_.SetRowEntry(Column::kSecondaryMin, row,
                      Bytes(txt_secondcond_min[row]->text()));
    rows_.SetRowEntry(Column::kSecondaryMax, row,
                      Bytes(txt_secondcond_max[row]->text()));
  }
}

void Form1::ScrollFileRows(int step) {
  // The buttons are disabled at the ends; this guards calls by code.
  if (!rows_.CanScroll(step)) {
    return;
  }
  StoreFileRows();
  rows_.Scroll(step);
  ShowFileRows();
  ArrangeFilePage();
}

void Form1::ScrollFileRowsAsButtons(int steps) {
  QPushButton* button = steps < 0 ? cmd_file_up : cmd_file_down;
  for (int i = 0; i < std::abs(steps); ++i) {
    if (button->isHidden() || !button->isEnabled()) {
      return;
    }
    button->click();
  }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  QWidget* page = Frame1[kSourceFilePage];
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !(widget == page || page->isAncestorOf(widget))) {
    return QMainWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::Wheel: {
      // A notch is 120; finer wheels send parts of it, summed until a notch
      // is full. Turning the wheel away from the user shows earlier rows.
      wheel_delta_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      const int notches = wheel_delta_ / 120;
      wheel_delta_ -= notches * 120;
      ScrollFileRowsAsButtons(-notches);
      return true;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        ScrollFileRowsAsButtons(key == Qt::Key_PageUp
                                    ? -SourceFileRows::kRowCount
                                    : SourceFileRows::kRowCount);
        return true;
      }
      break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (widget == page && !DroppedAsmFiles(drag->mimeData()).isEmpty()) {
        drag->acceptProposedAction();
        return true;
      }
      break;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList files = DroppedAsmFiles(drop->mimeData());
      if (widget == page && !files.isEmpty()) {
        drop->acceptProposedAction();
        DropFiles(files);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void Form1::cmd_file_up_Click() {
  ScrollFileRows(-1);
}

void Form1::cmd_file_down_Click() {
  ScrollFileRows(1);
}

void Form1::ArrangeFilePage() {
  // Without the secondary condition only row 0's input file is shown.
  const bool secondary = chk_cond_2->isChecked();
  const int n = secondary ? AnimationsOnFilePage() : 1;
  Label14->setText(secondary ? tr("Select input files:")
                             : tr("Select input file:"));
  for (QWidget* w : std::initializer_list<QWidget*>{
           Label17, Label18, Label19, lbl_file_count[0], txt_secondcond_min[0],
           txt_secondcond_max[0]}) {
    w->setVisible(secondary);
  }
  cmd_file_up->setVisible(secondary && SourceFileRows::ScrollButtonsShown(n));
  cmd_file_down->setVisible(secondary && SourceFileRows::ScrollButtonsShown(n));
  for (int row = 1; row < SourceFileRows::kRowCount; ++row) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_secondcond_min[row], txt_secondcond_max[row], txt_file_in[row],
             cmd_file[row], lbl_file_count[row]}) {
      w->setVisible(secondary && SourceFileRows::RowShown(row, n));
    }
  }
  if (secondary) {
    cmd_file_up->setEnabled(rows_.CanScrollUp());
    cmd_file_down->setEnabled(rows_.CanScrollDown(n));
  }
  txt_file_in[0]->setVisible(true);
  cmd_file[0]->setVisible(true);
  cmd_compile->setText(tr("Compile MDL"));
}

void Form1::cmd_clear_Click() {
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    txt_file_in[row]->clear();
    txt_secondcond_min[row]->clear();
    txt_secondcond_max[row]->clear();
  }
  txt_file_out->clear();
}

}  // namespace zum
