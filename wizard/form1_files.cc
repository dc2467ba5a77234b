// The source file page: four rows over the list of up to 50 animations,
// the browse buttons with their pre-scan, and the output file.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/number_rules.h"
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

void Form1::PreScanChosenFile(int animation, const QString& file) {
  pre_scan_[animation] = SourceScan();
  Status status = PreScanInputFile(Bytes(file), &pre_scan_[animation]);
  if (status.ok()) {
    return;
  }
  QString text = tr("The file %1 cannot be used as animation %2: its "
                    "animation tables cannot be read.\n\n%3")
                     .arg(file)
                     .arg(animation)
                     .arg(FromBytes(status.message()));
  if (file.endsWith(QLatin1String("_0.asm"), Qt::CaseInsensitive)) {
    text +=
        tr("\n\nThis looks like a companion _0.asm file: choose the main "
           ".asm file instead.");
  }
  ShowCritical(text, tr("ZUM error"));
}

void Form1::cmd_file_Click(int index) {
  QString chosen = dialogs_->OpenFile(tr("Select ASM file"), AsmFilters());
  if (chosen.isEmpty()) {
    return;
  }
  txt_file_in[index]->setText(chosen);
  const int animation = rows_.AnimationOfRow(index);
  PreScanChosenFile(animation, chosen);
  ShowScanTooltip(animation, index);
  if (index == 0) {
    QString output = chosen;
    output.replace(QLatin1String(".asm"), QLatin1String("_zum.asm"),
                   Qt::CaseSensitive);
    txt_file_out->setText(output);
  }
}

void Form1::cmd_file_out_Click() {
  txt_file_out->setText(
      dialogs_->OpenFile(tr("Select ASM file"), AsmFilters()));
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

void Form1::cmd_file_up_Click() {
  ScrollFileRows(-1);
}

void Form1::cmd_file_down_Click() {
  ScrollFileRows(1);
}

void Form1::ArrangeFilePage() {
  if (!chk_cond_2->isChecked()) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_secondcond_min[0], txt_secondcond_max[0], cmd_file_up,
             cmd_file_down, lbl_file_count[0], Label17, Label18, Label19}) {
      w->setVisible(false);
    }
    for (int row = 1; row < SourceFileRows::kRowCount; ++row) {
      for (QWidget* w : std::initializer_list<QWidget*>{
               txt_secondcond_min[row], txt_secondcond_max[row],
               txt_file_in[row], cmd_file[row], lbl_file_count[row]}) {
        w->setVisible(false);
      }
    }
    Label14->setText(tr("Select input file:"));
  } else {
    const int n = AnimationsOnFilePage();
    Label14->setText(tr("Select input files:"));
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label17, Label18, Label19, lbl_file_count[0],
             txt_secondcond_min[0], txt_secondcond_max[0]}) {
      w->setVisible(true);
    }
    cmd_file_up->setVisible(SourceFileRows::ScrollButtonsShown(n));
    cmd_file_down->setVisible(SourceFileRows::ScrollButtonsShown(n));
    for (int row = 1; row < SourceFileRows::kRowCount; ++row) {
      for (QWidget* w : std::initializer_list<QWidget*>{
               txt_secondcond_min[row], txt_secondcond_max[row],
               txt_file_in[row], cmd_file[row], lbl_file_count[row]}) {
        w->setVisible(SourceFileRows::RowShown(row, n));
      }
    }
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
