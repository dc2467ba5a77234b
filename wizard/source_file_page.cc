// The source file page: four rows over the list of up to 50 animations,
// the browse buttons with their pre-scan, files dropped on the page, the
// rows' scrolling by buttons, wheel and keys, and the output file.

#include "wizard/source_file_page.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "settings/output_name.h"
#include "settings/pre_scan.h"
#include "wizard/dialogs.h"
#include "wizard/named_controls.h"
#include "wizard/secondary_page.h"
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
    files << NativeName(file);
  }
  return files;
}

// Clicks UP (STEPS < 0) or DOWN |STEPS| times while it is shown and
// enabled, so that the wheel and the keys stop where the buttons do.
void PressScrollButton(QPushButton* up, QPushButton* down, int steps) {
  QPushButton* button = steps < 0 ? up : down;
  for (int i = 0; i < std::abs(steps); ++i) {
    if (button->isHidden() || !button->isEnabled()) {
      return;
    }
    button->click();
  }
}

// BOX's tooltip tells the scan of its file.
void ShowScanTooltip(QLineEdit* box, const SourceScan& scan) {
  box->setToolTip(FromBytes(ScanTooltipText(scan)));
}

QString CompanionFileHint() {
  return QObject::tr(
      "This looks like a companion _0.asm file: choose the main .asm "
      "file instead.");
}

}  // namespace

SourceFilePage::SourceFilePage(Dialogs* dialogs, SecondaryPage* secondary,
                               FileSystem* fs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      secondary_(secondary),
      file_system_(fs) {
  auto* layout = new QVBoxLayout(this);
  c_.Label20 = NewPageText(
      tr("Select the source files to be processed by ZUM and the output file "
         "to save the result in. Never select the _0.asm files!"),
      "Label20");
  layout->addWidget(c_.Label20);

  c_.Label14 = NewLabel(tr("Input file:"), "Label14");
  c_.Label17 = NewLabel(tr("minimum"), "Label17");
  c_.Label18 = NewLabel(tr("maximum"), "Label18");
  // "Secondairy" is the system's own spelling, kept as users know it.
  c_.Label19 = NewLabel(tr("Secondairy condition"), "Label19");
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->addWidget(c_.Label14, 0, 1);
  grid->addWidget(c_.Label19, 0, 3, 1, 2, Qt::AlignHCenter);
  grid->addWidget(c_.Label17, 1, 3, Qt::AlignHCenter);
  grid->addWidget(c_.Label18, 1, 4, Qt::AlignHCenter);
  constexpr int kFirstRow = 2;  // of the grid, below the headings
  for (int k = 0; k < SourceFileRows::kRowCount; ++k) {
    c_.lbl_file_count[k] =
        NewLabel(QString::number(k + 1), "lbl_file_count", k);
    c_.lbl_file_count[k]->setMinimumWidth(24);
    c_.lbl_file_count[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c_.txt_file_in[k] = NewField("txt_file_in", k);
    c_.txt_file_in[k]->setMinimumWidth(360);
    c_.cmd_file[k] = Named(new QPushButton(tr("...")), "cmd_file", k);
    c_.cmd_file[k]->setFixedWidth(kCopyButtonWidth);
    c_.txt_secondcond_min[k] = NewField("txt_secondcond_min", k);
    c_.txt_secondcond_max[k] = NewField("txt_secondcond_max", k);
    c_.txt_secondcond_min[k]->setMinimumWidth(90);
    c_.txt_secondcond_max[k]->setMinimumWidth(90);
    c_.txt_secondcond_min[k]->setMaximumWidth(110);
    c_.txt_secondcond_max[k]->setMaximumWidth(110);
    AddWarningMark(c_.txt_secondcond_min[k], MarkedBox::kPasted);
    AddWarningMark(c_.txt_secondcond_max[k], MarkedBox::kPasted);
    grid->addWidget(c_.lbl_file_count[k], kFirstRow + k, 0);
    grid->addWidget(c_.txt_file_in[k], kFirstRow + k, 1);
    grid->addWidget(c_.cmd_file[k], kFirstRow + k, 2);
    grid->addWidget(c_.txt_secondcond_min[k], kFirstRow + k, 3);
    grid->addWidget(c_.txt_secondcond_max[k], kFirstRow + k, 4);
  }
  c_.cmd_file_up = Named(new QPushButton, "cmd_file_up");
  c_.cmd_file_down = Named(new QPushButton, "cmd_file_down");
  c_.cmd_file_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  c_.cmd_file_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  c_.cmd_file_up->setToolTip(tr("Show the previous animation"));
  c_.cmd_file_down->setToolTip(tr("Show the next animation"));
  // As high as the rows' boxes, so that rows 0 and 3 keep the spacing.
  for (QPushButton* button : {c_.cmd_file_up, c_.cmd_file_down}) {
    button->setFixedSize(kCopyButtonWidth,
                         c_.txt_file_in[0]->sizeHint().height());
  }
  grid->addWidget(c_.cmd_file_up, kFirstRow, 5);
  grid->addWidget(c_.cmd_file_down, kFirstRow + SourceFileRows::kRowCount - 1,
                  5);

  c_.Label32 = NewLabel(tr("Output file:"), "Label32");
  c_.txt_file_out = NewField("txt_file_out");
  c_.cmd_file_out = Named(new QPushButton(tr("...")), "cmd_file_out");
  c_.cmd_file_out->setFixedWidth(kCopyButtonWidth);
  c_.Label32->setBuddy(c_.txt_file_out);
  grid->setRowMinimumHeight(6, 12);
  grid->addWidget(c_.Label32, 7, 1);
  grid->addWidget(c_.txt_file_out, 8, 1);
  grid->addWidget(c_.cmd_file_out, 8, 2);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  c_.pbar = Named(new QProgressBar, "pbar");
  c_.pbar->setRange(0, 100);
  c_.pbar->setValue(0);
  c_.cmd_clear = Named(new QPushButton(tr("&Clear all fields")), "cmd_clear");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(c_.pbar, 1);
  bottom->addSpacing(12);
  bottom->addWidget(c_.cmd_clear);
  layout->addSpacing(12);
  layout->addLayout(bottom);

  for (int k = 0; k < SourceFileRows::kRowCount; ++k) {
    connect(c_.cmd_file[k], &QPushButton::clicked, this,
            [this, k] { cmd_file_Click(k); });
    connect(c_.txt_file_in[k], &QLineEdit::textChanged, this,
            [this, k] { txt_file_in_Change(k); });
    connect(c_.txt_secondcond_min[k], &QLineEdit::textChanged, this,
            [this, k] { txt_secondcond_min_Change(k); });
    connect(c_.txt_secondcond_max[k], &QLineEdit::textChanged, this,
            [this, k] { txt_secondcond_max_Change(k); });
  }
  connect(c_.cmd_file_out, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_out_Click);
  connect(c_.cmd_file_up, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_up_Click);
  connect(c_.cmd_file_down, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_down_Click);
  connect(c_.cmd_clear, &QPushButton::clicked, this,
          &SourceFilePage::cmd_clear_Click);
}

void SourceFilePage::WatchAllControls() {
  // Files dropped anywhere on the page fill the rows, so its boxes do not
  // take the dropped names as text; the wheel and Page Up / Page Down over
  // the page scroll the rows (eventFilter).
  setAcceptDrops(true);
  installEventFilter(this);
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    box->setAcceptDrops(false);
  }
  for (QWidget* control : findChildren<QWidget*>()) {
    control->installEventFilter(this);
  }
}

void SourceFilePage::txt_file_in_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kInputFile, index,
                      Bytes(c_.txt_file_in[index]->text()));
  }
}

void SourceFilePage::txt_secondcond_min_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kSecondaryMin, index,
                      Bytes(c_.txt_secondcond_min[index]->text()));
  }
}

void SourceFilePage::txt_secondcond_max_Change(int index) {
  if (!filling_rows_) {
    rows_.SetRowEntry(Column::kSecondaryMax, index,
                      Bytes(c_.txt_secondcond_max[index]->text()));
  }
}

QString SourceFilePage::PreScanChosenFile(int animation, const QString& file) {
  pre_scan_[animation] = SourceScan();
  Status status =
      PreScanInputFile(Bytes(file), &pre_scan_[animation], file_system_);
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

void SourceFilePage::cmd_file_Click(int index) {
  if (index == 0) {
    FillRowsFromFirst(
        NativeNames(dialogs_->OpenFiles(tr("Select ASM file"), AsmFilters())));
    return;
  }
  QString chosen =
      NativeName(dialogs_->OpenFile(tr("Select ASM file"), AsmFilters()));
  if (!chosen.isEmpty()) {
    ChooseFileInRow(index, chosen);
  }
}

void SourceFilePage::ChooseFileInRow(int row, const QString& file) {
  c_.txt_file_in[row]->setText(file);
  const int animation = rows_.AnimationOfRow(row);
  const QString problem = PreScanChosenFile(animation, file);
  if (!problem.isEmpty()) {
    dialogs_->ShowError(problem);
  }
  ShowScanTooltip(c_.txt_file_in[row], pre_scan_[animation]);
  if (row == 0) {
    c_.txt_file_out->setText(FromBytes(ProposedOutputName(Bytes(file))));
  }
}

void SourceFilePage::FillRowsFromFirst(const QStringList& files) {
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
    dialogs_->ShowError(
        tr("%1 files do not fit from animation %2 on: there are at "
           "most %3 animations. No file was taken.")
            .arg(files.size())
            .arg(first)
            .arg(kMaxAnimations));
    return;
  }
  if (secondary_->IsOn()) {
    secondary_->RaiseAnimationCount(last);
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
  Arrange();
  c_.txt_file_out->setText(
      FromBytes(ProposedOutputName(Bytes(c_.txt_file_in[0]->text()))));
  if (!problems.isEmpty()) {
    dialogs_->ShowError(problems.join(QStringLiteral("\n\n")));
  }
}

void SourceFilePage::DropFiles(const QStringList& files) {
  for (const QString& file : files) {
    if (SourceFileRows::IsCompanionName(Bytes(file))) {
      dialogs_->ShowError(tr("The file %1 was not taken.").arg(file) +
                          QStringLiteral("\n\n") + CompanionFileHint());
      return;
    }
  }
  FillRowsFromFirst(files);
}

void SourceFilePage::cmd_file_out_Click() {
  c_.txt_file_out->setText(NativeName(dialogs_->SaveFile(
      tr("Select ASM file"), AsmFilters(), c_.txt_file_out->text())));
}

void SourceFilePage::ShowFileRows() {
  filling_rows_ = true;
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    c_.txt_file_in[row]->setText(
        FromBytes(rows_.RowEntry(Column::kInputFile, row)));
    c_.txt_secondcond_min[row]->setText(
        FromBytes(rows_.RowEntry(Column::kSecondaryMin, row)));
    c_.txt_secondcond_max[row]->setText(
        FromBytes(rows_.RowEntry(Column::kSecondaryMax, row)));
    c_.lbl_file_count[row]->setText(QString::number(rows_.AnimationOfRow(row)));
    ShowScanTooltip(c_.txt_file_in[row], pre_scan_[rows_.AnimationOfRow(row)]);
  }
  filling_rows_ = false;
}

void SourceFilePage::ScrollFileRows(int step) {
  // The buttons are disabled at the ends; this guards calls by code.
  if (!rows_.CanScroll(step)) {
    return;
  }
  // The rows' boxes go back into the lists before the rows move.
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    rows_.SetRowEntry(Column::kInputFile, row,
                      Bytes(c_.txt_file_in[row]->text()));
    rows_.SetRowEntry(Column::kSecondaryMin, row,
                      Bytes(c_.txt_secondcond_min[row]->text()));
    rows_.SetRowEntry(Column::kSecondaryMax, row,
                      Bytes(c_.txt_secondcond_max[row]->text()));
  }
  rows_.Scroll(step);
  ShowFileRows();
  Arrange();
}

bool SourceFilePage::eventFilter(QObject* watched, QEvent* event) {
  QWidget* page = this;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !(widget == page || page->isAncestorOf(widget))) {
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::Wheel: {
      // A notch is 120; finer wheels send parts of it, summed until a notch
      // is full. Turning the wheel away from the user shows earlier rows.
      wheel_delta_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      const int notches = wheel_delta_ / 120;
      wheel_delta_ -= notches * 120;
      PressScrollButton(c_.cmd_file_up, c_.cmd_file_down, -notches);
      return true;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        PressScrollButton(c_.cmd_file_up, c_.cmd_file_down,
                          key == Qt::Key_PageUp ? -SourceFileRows::kRowCount
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
  return QWidget::eventFilter(watched, event);
}

void SourceFilePage::cmd_file_up_Click() {
  ScrollFileRows(-1);
}

void SourceFilePage::cmd_file_down_Click() {
  ScrollFileRows(1);
}

void SourceFilePage::Arrange() {
  // Without the secondary condition only row 0's input file is shown.
  const bool secondary = secondary_->IsOn();
  const int n = secondary ? secondary_->AnimationCount() : 1;
  c_.Label14->setText(secondary ? tr("Select input files:")
                                : tr("Select input file:"));
  for (QWidget* w : std::initializer_list<QWidget*>{
           c_.Label17, c_.Label18, c_.Label19, c_.lbl_file_count[0],
           c_.txt_secondcond_min[0], c_.txt_secondcond_max[0]}) {
    w->setVisible(secondary);
  }
  c_.cmd_file_up->setVisible(secondary &&
                             SourceFileRows::ScrollButtonsShown(n));
  c_.cmd_file_down->setVisible(secondary &&
                               SourceFileRows::ScrollButtonsShown(n));
  for (int row = 1; row < SourceFileRows::kRowCount; ++row) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             c_.txt_secondcond_min[row], c_.txt_secondcond_max[row],
             c_.txt_file_in[row], c_.cmd_file[row], c_.lbl_file_count[row]}) {
      w->setVisible(secondary && SourceFileRows::RowShown(row, n));
    }
  }
  if (secondary) {
    c_.cmd_file_up->setEnabled(rows_.CanScrollUp());
    c_.cmd_file_down->setEnabled(rows_.CanScrollDown(n));
  }
  c_.txt_file_in[0]->setVisible(true);
  c_.cmd_file[0]->setVisible(true);
}

void SourceFilePage::cmd_clear_Click() {
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    c_.txt_file_in[row]->clear();
    c_.txt_secondcond_min[row]->clear();
    c_.txt_secondcond_max[row]->clear();
  }
  c_.txt_file_out->clear();
}

void SourceFilePage::Enter() {
  rows_.ShowFirstRows();
  ShowFileRows();
  Arrange();
}

void SourceFilePage::Redraw() {
  ShowFileRows();
  Arrange();
}

void SourceFilePage::ScanLoadedInputs() {
  using Column = SourceFileRows::Column;
  for (int a = 1; a <= kMaxAnimations; ++a) {
    if (!rows_.Entry(Column::kInputFile, a).empty()) {
      // A file that cannot be scanned shows an empty scan; the page check
      // reports it when the page is left.
      pre_scan_[a] = SourceScan();
      PreScanInputFile(rows_.Entry(Column::kInputFile, a), &pre_scan_[a],
                       file_system_);
    }
  }
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    if (!rows_.Entry(Column::kInputFile, row + 1).empty()) {
      ShowScanTooltip(c_.txt_file_in[row], pre_scan_[row + 1]);
    }
  }
}

void SourceFilePage::TakeScans(const PageCheckResult& check) {
  for (int a = 1; a <= check.scanned; ++a) {
    pre_scan_[a] = check.pre_scan[a];
  }
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    ShowScanTooltip(c_.txt_file_in[row], pre_scan_[rows_.AnimationOfRow(row)]);
  }
}

void SourceFilePage::ShowProgress(double total) {
  c_.pbar->setValue(static_cast<int>(std::lround(std::min(total, 100.0))));
  c_.pbar->repaint();
}

void SourceFilePage::SaveInto(SettingsRecord* record) const {
  record->txt_file_out = Bytes(c_.txt_file_out->text());
  rows_.SaveInto(record);
}

bool SourceFilePage::Assign(const SettingsValue& value) {
  if (rows_.Assign(value)) {
    return true;
  }
  if (value.slot.field == SettingsField::kTxtFileOut) {
    c_.txt_file_out->setText(FromBytes(value.text));
    return true;
  }
  return false;
}

}  // namespace zum
