// The settings menus: saving into the ten named slots, loading a slot or
// "Last save on exit" through the controls' own handlers, settings files
// anywhere with the list of those recently used, and the question when the
// window closes.
//
// A save that fails (the program's folder cannot be written, or something
// else stands where the file should be) shows a message naming the file and
// the reason. The file is written beside its place and takes it only when
// complete, so the slot's earlier file is kept; its captions are put back
// as they were, so that the menus never name settings that were not
// written.

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "settings/pre_scan.h"
#include "settings/settings_store.h"
#include "wizard/condition_editor.h"
#include "wizard/dialogs.h"
#include "wizard/form1.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

QString FreeCaption() {
  return QString::fromLatin1(kFreeSlot);
}

QStringList SettingsFileFilters() {
  return {QObject::tr("ZUM settings (*.cfg)"), QObject::tr("All files (*)")};
}

}  // namespace

void Form1::ConnectSettingsMenus() {
  for (int k = 0; k < kSlotCount; ++k) {
    connect(mdata[k], &QAction::triggered, this, [this, k] { mdata_Click(k); });
  }
  for (int k = 0; k <= kLastSaveSlot; ++k) {
    connect(mdata2[k], &QAction::triggered, this,
            [this, k] { mdata2_Click(k); });
  }
  connect(mOpenFile, &QAction::triggered, this, [this] { mOpenFile_Click(); });
  connect(mSaveAs, &QAction::triggered, this, [this] { mSaveAs_Click(); });
  for (int k = 0; k < kRecentFilesCapacity; ++k) {
    connect(mrecent[k], &QAction::triggered, this,
            [this, k] { mrecent_Click(k); });
  }
}

void Form1::SetSlotCaption(int slot, const QString& caption) {
  mdata[slot]->setText(caption);
  mdata2[slot]->setText(caption);
}

void Form1::ShowSaveError(const Status& status) {
  ShowCritical(
      tr("Your ZUM configuration could not be saved:\n\n%1\n\nThe settings "
         "are kept in the program's folder, which must be writable.")
          .arg(FromBytes(status.message())),
      tr("ZUM error"));
}

void Form1::mdata_Click(int index) {
  if (mdata[index]->text() != FreeCaption() &&
      !dialogs_->AskYesNo(tr("This will overwrite your previously saved "
                             "configuration, do you want to continue?"),
                          tr("ZUM warning"))) {
    return;
  }
  QString name =
      dialogs_->InputBox(tr("Please enter a name for your ZUM configuration"),
                         tr("ZUM"), QString());
  if (name.isEmpty()) {
    ShowCritical(tr("This is not a valid name"), tr("ZUM error"));
    return;
  }
  const QString before = mdata[index]->text();
  SetSlotCaption(index, name);
  if (!SaveConfiguration(index)) {
    SetSlotCaption(index, before);
  }
}

void Form1::mdata2_Click(int index) {
  if (mdata2[index]->text() == FreeCaption()) {
    dialogs_->ShowMessageBox(tr("No ZUM configuration is saved in this slot"),
                             tr("ZUM warning"), Dialogs::Icon::kInformation,
                             Dialogs::Buttons::kOk);
    return;
  }
  if (dialogs_->AskYesNo(
          tr("This will restore all last settings, do you want to continue?"),
          tr("ZUM warning"))) {
    LoadConfiguration(index);
  }
}

bool Form1::SaveConfiguration(int slot) {
  Status status = SettingsStore(Bytes(program_folder_), file_system_)
                      .Save(slot, CurrentSettings());
  if (!status.ok()) {
    ShowSaveError(status);
    return false;
  }
  return true;
}

void Form1::AssignSettingsValue(const SettingsValue& value) {
  // The row base and the lists are written directly, not through the rows.
  if (rows_.Assign(value) || editors_[0]->Assign(value) ||
      editors_[1]->Assign(value)) {
    return;
  }
  // What is left are the secondary condition's lines (index 2), the number
  // of animations, the output file and the apply choice.
  switch (value.slot.kind) {
    case SettingsLineKind::kCheckBox:
      // A greyed box (2) counts as unticked, as everywhere else.
      chk_cond_2->setChecked(value.number == 1);
      return;
    case SettingsLineKind::kNumber:  // the row base, taken above
    case SettingsLineKind::kKind:    // the editors' own
      return;
    case SettingsLineKind::kApplyTo:
      opt_condapply[value.number == 0 ? 0 : 1]->setChecked(true);
      return;
    case SettingsLineKind::kText:
      break;
  }
  QLineEdit* box = nullptr;
  switch (value.slot.field) {
    case SettingsField::kTxtVar:
      box = txt_var_2;
      break;
    case SettingsField::kTxtNumSecondanim:
      box = txt_num_secondanim;
      break;
    case SettingsField::kTxtFileOut:
      box = txt_file_out;
      break;
    default:
      return;
  }
  box->setText(FromBytes(value.text));
}

void Form1::mOpenFile_Click() {
  const QString path =
      dialogs_->OpenFile(tr("Open settings file"), SettingsFileFilters());
  if (!path.isEmpty()) {
    OpenSettingsFile(path);
  }
}

void Form1::mrecent_Click(int index) {
  const std::vector<std::string> recent =
      SettingsStore(Bytes(program_folder_), file_system_).RecentFiles();
  if (index < static_cast<int>(recent.size())) {
    OpenSettingsFile(FromBytes(recent[index]));
  }
}

void Form1::OpenSettingsFile(const QString& path) {
  // A file that cannot be read stays out of the list; the message names it.
  if (LoadSettingsFrom(Bytes(path))) {
    RememberSettingsFile(path);
  }
}

void Form1::mSaveAs_Click() {
  const QString path =
      dialogs_->SaveFile(tr("Save settings as"), SettingsFileFilters(), {});
  if (path.isEmpty()) {
    return;
  }
  // Written beside its place and moved there only when complete, so a
  // failed save keeps an earlier file of that name.
  Status status =
      WriteSettingsFile(Bytes(path), CurrentSettings(), file_system_);
  if (!status.ok()) {
    ShowCritical(tr("Your ZUM configuration could not be saved:\n\n%1")
                     .arg(FromBytes(status.message())),
                 tr("ZUM error"));
    return;
  }
  RememberSettingsFile(path);
}

void Form1::RememberSettingsFile(const QString& path) {
  Status status = SettingsStore(Bytes(program_folder_), file_system_)
                      .AddRecentFile(Bytes(path));
  if (!status.ok()) {
    // The settings themselves were read or written; only the list is
    // behind.
    dialogs_->ShowMessageBox(
        tr("The list of recently used settings files could not be "
           "saved:\n\n%1")
            .arg(FromBytes(status.message())),
        tr("ZUM warning"), Dialogs::Icon::kExclamation, Dialogs::Buttons::kOk);
  }
  ShowRecentFiles();
}

void Form1::ShowRecentFiles() {
  const std::vector<std::string> recent =
      SettingsStore(Bytes(program_folder_), file_system_).RecentFiles();
  for (int k = 0; k < kRecentFilesCapacity; ++k) {
    const bool used = k < static_cast<int>(recent.size());
    QString path = used ? FromBytes(recent[k]) : QString();
    // "&&" shows an ampersand of the path instead of underlining.
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    mrecent[k]->setText(used ? QStringLiteral("&%1 %2").arg(k + 1).arg(path)
                             : QString());
    mrecent[k]->setVisible(used);
  }
}

bool Form1::LoadConfiguration(int slot) {
  return LoadSettingsFrom(
      SettingsStore(Bytes(program_folder_), file_system_).SlotFile(slot));
}

bool Form1::LoadSettingsFrom(const std::string& path) {
  std::vector<SettingsValue> values;
  Status status = ReadSettingsFile(path, &values, file_system_);
  // The values before a bad line are assigned all the same.
  for (const SettingsValue& value : values) {
    AssignSettingsValue(value);
  }
  if (CurrentPage() == kSourceFilePage) {
    // The rows show the lists again only when the page is entered; shown
    // now, they would offer the old entries for editing.
    ShowFileRows();
    ArrangeFilePage();
  }
  if (!status.ok()) {
    // The store names the file and, for a bad line, the line (FILE:LINE).
    ShowCritical(tr("An error occured when loading your configuration file") +
                     QStringLiteral("\n\n") + FromBytes(status.message()),
                 tr("ZUM error"));
    return false;
  }
  using Column = SourceFileRows::Column;
  for (int a = 1; a <= kMaxAnimations; ++a) {
    if (!rows_.Entry(Column::kInputFile, a).empty()) {
      // A file that cannot be scanned shows an empty scan; the page check
      // reports it when the file page is left.
      pre_scan_[a] = SourceScan();
      PreScanInputFile(rows_.Entry(Column::kInputFile, a), &pre_scan_[a]);
    }
  }
  // The tooltips of the rows as they show animations 1..4, whatever the
  // loaded row base.
  for (int row = 0; row < SourceFileRows::kRowCount; ++row) {
    if (!rows_.Entry(Column::kInputFile, row + 1).empty()) {
      ShowScanTooltip(row + 1, row);
    }
  }
  return true;
}

bool Form1::Form_Unload() {
  // objDOS lives as long as the window and goes with it.
  const Dialogs::Answer answer = dialogs_->ShowMessageBox(
      tr("Do you want to save the current settings for later use?"),
      tr("ZUM warning"), Dialogs::Icon::kExclamation,
      Dialogs::Buttons::kYesNoCancel);
  if (answer == Dialogs::Answer::kCancel) {
    return false;  // the window stays open; nothing is written
  }
  if (answer == Dialogs::Answer::kYes) {
    SaveConfiguration(kLastSaveSlot);
  }
  SlotNames names;
  for (int k = 0; k < kSlotCount; ++k) {
    names[k] = Bytes(mdata[k]->text());
  }
  Status status =
      SettingsStore(Bytes(program_folder_), file_system_).WriteSlotNames(names);
  if (!status.ok()) {
    ShowSaveError(status);
  }
  return true;
}

void Form1::closeEvent(QCloseEvent* event) {
  if (Form_Unload()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zum
