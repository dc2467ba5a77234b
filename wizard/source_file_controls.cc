#include "wizard/source_file_controls.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "settings/pre_scan.h"
#include "wizard/named_controls.h"
#include "wizard/record_boxes.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

using Column = SourceFileRows::Column;

constexpr int kFirstRow = 2;  // of the grid, below the headings
constexpr int kRowSpacing = 6;

}  // namespace

SourceFileControls::SourceFileControls(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  Label20 = NewPageText(
      QObject::tr("Select the source files to be processed by ZUM and the "
                  "output file to save the result in. Never select the "
                  "_0.asm files!"),
      "Label20");
  layout->addWidget(Label20);

  Label14 = NewLabel(QObject::tr("Input file:"), "Label14");
  Label17 = NewLabel(QObject::tr("minimum"), "Label17");
  Label18 = NewLabel(QObject::tr("maximum"), "Label18");
  // "Secondairy" is the system's own spelling, kept as users know it.
  Label19 = NewLabel(QObject::tr("Secondairy condition"), "Label19");
  rows_area = new QWidget;
  grid = new QGridLayout(rows_area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(kRowSpacing);
  grid->addWidget(Label14, 0, 1);
  grid->addWidget(Label19, 0, 3, 1, 2, Qt::AlignHCenter);
  grid->addWidget(Label17, 1, 3, Qt::AlignHCenter);
  grid->addWidget(Label18, 1, 4, Qt::AlignHCenter);
  for (int k = 0; k < kRows; ++k) {
    lbl_file_count[k] = NewLabel(QString::number(k + 1), "lbl_file_count", k);
    lbl_file_count[k]->setMinimumWidth(24);
    lbl_file_count[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txt_file_in[k] = NewField("txt_file_in", k);
    txt_file_in[k]->setMinimumWidth(360);
    cmd_file[k] = Named(new QPushButton(QObject::tr("...")), "cmd_file", k);
    cmd_file[k]->setFixedWidth(kCopyButtonWidth);
    txt_secondcond_min[k] = NewField("txt_secondcond_min", k);
    txt_secondcond_max[k] = NewField("txt_secondcond_max", k);
    for (QLineEdit* box : {txt_secondcond_min[k], txt_secondcond_max[k]}) {
      box->setMinimumWidth(90);
      box->setMaximumWidth(110);
      AddWarningMark(box, MarkedBox::kPasted);
    }
    grid->addWidget(lbl_file_count[k], kFirstRow + k, 0);
    grid->addWidget(txt_file_in[k], kFirstRow + k, 1);
    grid->addWidget(cmd_file[k], kFirstRow + k, 2);
    grid->addWidget(txt_secondcond_min[k], kFirstRow + k, 3);
    grid->addWidget(txt_secondcond_max[k], kFirstRow + k, 4);
  }
  cmd_file_up = Named(new QPushButton, "cmd_file_up");
  cmd_file_down = Named(new QPushButton, "cmd_file_down");
  cmd_file_up->setIcon(page->style()->standardIcon(QStyle::SP_ArrowUp));
  cmd_file_down->setIcon(page->style()->standardIcon(QStyle::SP_ArrowDown));
  cmd_file_up->setToolTip(QObject::tr("Show the previous animation"));
  cmd_file_down->setToolTip(QObject::tr("Show the next animation"));
  // As high as the rows' boxes, so that the rows keep their spacing.
  row_pitch = std::max(txt_file_in[0]->sizeHint().height(),
                       cmd_file[0]->sizeHint().height());
  for (QPushButton* button : {cmd_file_up, cmd_file_down}) {
    button->setFixedSize(kCopyButtonWidth, txt_file_in[0]->sizeHint().height());
  }
  row_pitch += kRowSpacing;
  grid->addWidget(cmd_file_up, kFirstRow, 5);
  grid->addWidget(cmd_file_down, kFirstRow + SourceFileRows::kMinRowCount - 1,
                  5);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(kFirstRow + kRows, 1);
  // The area keeps the height of the fewest rows whatever it shows, so
  // that rows shown in a taller window never keep it from shrinking.
  for (int k = SourceFileRows::kMinRowCount; k < kRows; ++k) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             lbl_file_count[k], txt_file_in[k], cmd_file[k],
             txt_secondcond_min[k], txt_secondcond_max[k]}) {
      w->setVisible(false);
    }
  }
  rows_area->setMinimumSize(grid->sizeHint());
  grid->setSizeConstraint(QLayout::SetNoConstraint);
  // Nearly all of the page's spare height; the page buttons' stretch below
  // keeps a share too small to hold a row.
  layout->addWidget(rows_area, 100);

  Label32 = NewLabel(QObject::tr("Output file:"), "Label32");
  txt_file_out = NewField("txt_file_out");
  cmd_file_out = Named(new QPushButton(QObject::tr("...")), "cmd_file_out");
  cmd_file_out->setFixedWidth(kCopyButtonWidth);
  Label32->setBuddy(txt_file_out);
  auto* output = new QGridLayout;
  output->setHorizontalSpacing(6);
  output->setColumnMinimumWidth(0, 24);
  output->addWidget(Label32, 0, 1);
  output->addWidget(txt_file_out, 1, 1);
  output->addWidget(cmd_file_out, 1, 2);
  output->setColumnStretch(1, 1);
  layout->addSpacing(12);
  layout->addLayout(output);

  pbar = Named(new QProgressBar, "pbar");
  pbar->setRange(0, 100);
  pbar->setValue(0);
  cmd_clear =
      Named(new QPushButton(QObject::tr("&Clear all fields")), "cmd_clear");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(pbar, 1);
  bottom->addSpacing(12);
  bottom->addWidget(cmd_clear);
  layout->addSpacing(12);
  layout->addLayout(bottom);
}

void SourceFileControls::ShowRows(
    const SourceFileRows& rows,
    const std::array<SourceScan, kMaxAnimations + 1>& scans) {
  for (int row = 0; row < rows.row_count(); ++row) {
    const int animation = rows.AnimationOfRow(row);
    ShowText(txt_file_in[row], rows.RowEntry(Column::kInputFile, row));
    ShowText(txt_secondcond_min[row],
             rows.RowEntry(Column::kSecondaryMin, row));
    ShowText(txt_secondcond_max[row],
             rows.RowEntry(Column::kSecondaryMax, row));
    lbl_file_count[row]->setText(QString::number(animation));
    txt_file_in[row]->setToolTip(FromBytes(ScanTooltipText(scans[animation])));
  }
}

void SourceFileControls::Arrange(const SourceFileRows& rows, bool secondary,
                                 int n) {
  // Without the secondary condition only row 0's input file is shown.
  Label14->setText(secondary ? QObject::tr("Select input files:")
                             : QObject::tr("Select input file:"));
  for (QWidget* w : std::initializer_list<QWidget*>{
           Label17, Label18, Label19, lbl_file_count[0], txt_secondcond_min[0],
           txt_secondcond_max[0]}) {
    w->setVisible(secondary);
  }
  const bool arrows = secondary && rows.ScrollButtonsShown(n);
  cmd_file_up->setVisible(arrows);
  cmd_file_down->setVisible(arrows);
  for (int row = 1; row < kRows; ++row) {
    const bool shown =
        secondary && row < rows.row_count() && SourceFileRows::RowShown(row, n);
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_secondcond_min[row], txt_secondcond_max[row], txt_file_in[row],
             cmd_file[row], lbl_file_count[row]}) {
      w->setVisible(shown);
    }
  }
  if (secondary) {
    cmd_file_up->setEnabled(rows.CanScrollUp());
    cmd_file_down->setEnabled(rows.CanScrollDown(n));
  }
  txt_file_in[0]->setVisible(true);
  cmd_file[0]->setVisible(true);
}

int SourceFileControls::RowsThatFit() const {
  const int spare = rows_area->height() - rows_area->minimumHeight();
  return std::min(most_rows,
                  SourceFileRows::kMinRowCount +
                      (spare > 0 ? spare / std::max(row_pitch, 1) : 0));
}

void SourceFileControls::PlaceDownButton(int count) {
  grid->removeWidget(cmd_file_down);
  grid->addWidget(cmd_file_down, kFirstRow + count - 1, 5);
}

}  // namespace zum
