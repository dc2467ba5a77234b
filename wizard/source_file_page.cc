// The source file page: rows over the list of up to 50 animations, the
// browse buttons with their pre-scan, files dropped on the page, the rows'
// scrolling by buttons, wheel and keys, and the output file.

#include "wizard/source_file_page.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QWheelEvent>

#include "settings/one_line_texts.h"
#include "settings/pre_scan.h"
#include "wizard/dialogs.h"
#include "wizard/record_boxes.h"
#include "wizard/source_file_controls.h"
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

}  // namespace

SourceFilePage::SourceFilePage(Dialogs* dialogs, SettingsRecord* record,
                               FileSystem* fs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      record_(record),
      file_system_(fs),
      rows_(record),
      c_(std::make_unique<SourceFileControls>(this)) {
  for (int k = 0; k < SourceFileControls::kRows; ++k) {
    connect(c_->cmd_file[k], &QPushButton::clicked, this,
            [this, k] { cmd_file_Click(k); });
    connect(c_->txt_file_in[k], &QLineEdit::textEdited, this,
            [this, k] { txt_file_in_Change(k); });
    connect(c_->txt_secondcond_min[k], &QLineEdit::textEdited, this,
            [this, k] { txt_secondcond_min_Change(k); });
    connect(c_->txt_secondcond_max[k], &QLineEdit::textEdited, this,
            [this, k] { txt_secondcond_max_Change(k); });
  }
  WriteOnEdit(c_->txt_file_out, &record_->txt_file_out);
  connect(c_->cmd_file_out, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_out_Click);
  connect(c_->cmd_file_up, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_up_Click);
  connect(c_->cmd_file_down, &QPushButton::clicked, this,
          &SourceFilePage::cmd_file_down_Click);
  connect(c_->cmd_clear, &QPushButton::clicked, this,
          &SourceFilePage::cmd_clear_Click);
}

SourceFilePage::~SourceFilePage() = default;

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
  rows_.SetRowEntry(Column::kInputFile, index,
                    Bytes(c_->txt_file_in[index]->text()));
}

void SourceFilePage::txt_secondcond_min_Change(int index) {
  rows_.SetRowEntry(Column::kSecondaryMin, index,
                    Bytes(c_->txt_secondcond_min[index]->text()));
}

void SourceFilePage::txt_secondcond_max_Change(int index) {
  rows_.SetRowEntry(Column::kSecondaryMax, index,
                    Bytes(c_->txt_secondcond_max[index]->text()));
}

QString SourceFilePage::PreScanChosenFile(int animation, const QString& file) {
  pre_scan_[animation] = SourceScan();
  Status status =
      PreScanInputFile(Bytes(file), &pre_scan_[animation], file_system_);
  if (status.ok()) {
    return QString();
  }
  return tr("The file %1 cannot be used as animation %2: its animation "
            "tables cannot be read.\n\n%3")
      .arg(file)
      .arg(animation)
      .arg(FromBytes(status.message()));
}

bool SourceFilePage::RefuseFiles(const QStringList& files, bool inputs) {
  for (const QString& file : files) {
    const std::string name = Bytes(file);
    if (inputs && SourceFileRows::IsCompanionName(name)) {
      // What to choose instead comes first.
      dialogs_->ShowError(FromBytes(SourceFileRows::CompanionHint(name)) +
                          QStringLiteral("\n\n") +
                          tr("The file %1 was not taken.").arg(file));
      return true;
    }
    if (HoldsLineBreak(name)) {
      dialogs_->ShowError(
          tr("The name of the file %1 holds a line break, which a settings "
             "file cannot keep. Rename the file, then choose it again. No "
             "file was taken.")
              .arg(file));
      return true;
    }
  }
  return false;
}

void SourceFilePage::cmd_file_Click(int index) {
  if (index == 0) {
    const QStringList files =
        NativeNames(dialogs_->OpenFiles(tr("Select ASM file"), AsmFilters()));
    if (!RefuseFiles(files, true)) {
      FillRowsFromFirst(files);
    }
    return;
  }
  QString chosen =
      NativeName(dialogs_->OpenFile(tr("Select ASM file"), AsmFilters()));
  if (!chosen.isEmpty()) {
    ChooseFileInRow(index, chosen);
  }
}

void SourceFilePage::ChooseFileInRow(int row, const QString& file) {
  if (RefuseFiles({file}, true)) {
    return;
  }
  const int animation = rows_.AnimationOfRow(row);
  const QString problem = PreScanChosenFile(animation, file);
  record_->ChooseInputFile(animation, Bytes(file), row == 0);
  Redraw();
  if (!problem.isEmpty()) {
    dialogs_->ShowError(problem);
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
  const bool secondary = record_->secondary.chk_cond == kTicked;
  if (!secondary &&
      !dialogs_->AskYesNo(
          tr("You chose %1 files, but the secondary condition is off, so "
             "that one animation is made. Turn the secondary condition on "
             "and take the files as animations 1 to %1? No takes the first "
             "file only.")
              .arg(files.size()),
          tr("ZUM warning"))) {
    ChooseFileInRow(0, FromBytes(names.front()));
    return;
  }
  if (!secondary) {
    // The rows show animations 1, 2, .. for the files.
    rows_.ShowFirstRows();
  }
  const int first = rows_.AnimationOfRow(0);
  const bool output_follows = record_->OutputNameFollowsInputs();
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
  const std::string count = record_->txt_num_secondanim;
  if (secondary) {
    record_->RaiseAnimationCount(last);
  } else {
    record_->TurnSecondaryOnFor(last);
  }
  if (!secondary || record_->txt_num_secondanim != count) {
    emit animationCountChanged();
  }
  QStringList problems;
  for (int a = first; a <= last; ++a) {
    const QString problem =
        PreScanChosenFile(a, FromBytes(rows_.Entry(Column::kInputFile, a)));
    if (!problem.isEmpty()) {
      problems << problem;
    }
  }
  if (output_follows) {
    record_->NameOutputAfter(names.front());
  }
  Redraw();
  if (!problems.isEmpty()) {
    dialogs_->ShowError(problems.join(QStringLiteral("\n\n")));
  }
}

void SourceFilePage::cmd_file_out_Click() {
  const QString chosen = NativeName(dialogs_->SaveFile(
      tr("Save the output file as"), AsmFilters(), c_->txt_file_out->text()));
  if (RefuseFiles({chosen}, false)) {
    return;
  }
  record_->txt_file_out = Bytes(chosen);
  ShowText(c_->txt_file_out, record_->txt_file_out);
}

void SourceFilePage::Redraw() {
  c_->ShowRows(rows_, pre_scan_);
  c_->Arrange(rows_, record_->secondary.chk_cond == kTicked,
              record_->AnimationCountShown());
  ShowText(c_->txt_file_out, record_->txt_file_out);
}

void SourceFilePage::FitRowsToHeight() {
  const int count = std::clamp(c_->RowsThatFit(), SourceFileRows::kMinRowCount,
                               SourceFileRows::kMaxRowCount);
  if (count == rows_.row_count()) {
    return;
  }
  rows_.SetRowCount(count);
  c_->PlaceDownButton(count);
  Redraw();
}

bool SourceFilePage::eventFilter(QObject* watched, QEvent* event) {
  QWidget* page = this;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !(widget == page || page->isAncestorOf(widget))) {
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::Resize:
      if (widget == c_->rows_area) {
        FitRowsToHeight();
      }
      break;
    case QEvent::Wheel: {
      // A notch is 120; finer wheels send parts of it, summed until a notch
      // is full. Turning the wheel away from the user shows earlier rows.
      wheel_delta_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      const int notches = wheel_delta_ / 120;
      wheel_delta_ -= notches * 120;
      PressScrollButton(c_->cmd_file_up, c_->cmd_file_down, -notches);
      return true;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        PressScrollButton(
            c_->cmd_file_up, c_->cmd_file_down,
            key == Qt::Key_PageUp ? -rows_.row_count() : rows_.row_count());
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
        if (!RefuseFiles(files, true)) {
          FillRowsFromFirst(files);
        }
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// The buttons are disabled at the ends; Scroll guards calls by code.
void SourceFilePage::cmd_file_up_Click() {
  rows_.Scroll(-1);
  Redraw();
}

void SourceFilePage::cmd_file_down_Click() {
  rows_.Scroll(1);
  Redraw();
}

void SourceFilePage::SetMostRows(int most) {
  c_->most_rows = most;
  FitRowsToHeight();
}

void SourceFilePage::cmd_clear_Click() {
  if (dialogs_->ShowMessageBox(
          tr("Empty the input files, their minimum and maximum values shown "
             "on this page and the output file?"),
          tr("ZUM warning"), Dialogs::Icon::kExclamation,
          Dialogs::Buttons::kYesNoDefaultNo) != Dialogs::Answer::kYes) {
    return;
  }
  rows_.ClearRows();
  record_->txt_file_out.clear();
  Redraw();
}

void SourceFilePage::Enter() {
  rows_.ShowFirstRows();
  Redraw();
}

void SourceFilePage::Draw(bool rows) {
  ShowText(c_->txt_file_out, record_->txt_file_out);
  if (rows) {
    Redraw();
  }
}

bool SourceFilePage::FocusBox(SettingsField field, int index) {
  QLineEdit* box = nullptr;
  if (field == SettingsField::kTxtFileOut) {
    box = c_->txt_file_out;
  } else if (field == SettingsField::kInputFile ||
             field == SettingsField::kSecondaryMin ||
             field == SettingsField::kSecondaryMax) {
    // The row at fault is scrolled into view.
    const int row = rows_.ShowAnimation(index);
    Redraw();
    box = field == SettingsField::kInputFile      ? c_->txt_file_in[row]
          : field == SettingsField::kSecondaryMin ? c_->txt_secondcond_min[row]
                                                  : c_->txt_secondcond_max[row];
  }
  if (box == nullptr) {
    return false;
  }
  box->setFocus(Qt::OtherFocusReason);
  return true;
}

void SourceFilePage::ScanLoadedInputs() {
  for (int a = 1; a <= kMaxAnimations; ++a) {
    if (!rows_.Entry(Column::kInputFile, a).empty()) {
      // A file that cannot be scanned shows an empty scan; the page check
      // reports it when the page is left.
      pre_scan_[a] = SourceScan();
      PreScanInputFile(rows_.Entry(Column::kInputFile, a), &pre_scan_[a],
                       file_system_);
    }
  }
  for (int row = 0; row < rows_.row_count(); ++row) {
    if (!rows_.Entry(Column::kInputFile, row + 1).empty()) {
      c_->txt_file_in[row]->setToolTip(
          FromBytes(ScanTooltipText(pre_scan_[row + 1])));
    }
  }
}

void SourceFilePage::TakeScans(const PageCheckResult& check) {
  for (int a = 1; a <= check.scanned; ++a) {
    pre_scan_[a] = check.pre_scan[a];
  }
  for (int row = 0; row < rows_.row_count(); ++row) {
    c_->txt_file_in[row]->setToolTip(
        FromBytes(ScanTooltipText(pre_scan_[rows_.AnimationOfRow(row)])));
  }
}

void SourceFilePage::ShowProgress(double total) {
  c_->pbar->setValue(static_cast<int>(std::lround(std::min(total, 100.0))));
  c_->pbar->repaint();
}

}  // namespace zum
