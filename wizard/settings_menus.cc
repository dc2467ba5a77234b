#include "wizard/settings_menus.h"

#include <vector>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "settings/one_line_texts.h"
#include "settings/relative_names.h"
#include "wizard/dialogs.h"
#include "wizard/named_controls.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

QStringList SettingsFileFilters() {
  return {QObject::tr("ZUM settings (*.cfg)"), QObject::tr("All files (*)")};
}

}  // namespace

SettingsMenus::SettingsMenus(QMenuBar* bar, Dialogs* dialogs,
                             const QString& program_folder, FileSystem* fs,
                             Window window, QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      file_system_(fs),
      window_(std::move(window)),
      store_(Bytes(program_folder), fs) {
  BuildMenus(bar);
  ConnectHandlers();
  ReadSlotNames();
  ShowRecentFiles();
}

void SettingsMenus::BuildMenus(QMenuBar* bar) {
  mSave = Named(bar->addMenu(tr("&Save settings")), "mSave");
  for (int k = 0; k < kSlotCount; ++k) {
    mdata[k] = Named(mSave->addAction(QString()), "mdata", k);
  }
  mLoad = Named(bar->addMenu(tr("&Load settings")), "mLoad");
  for (int k = 0; k < kSlotCount; ++k) {
    mdata2[k] = Named(mLoad->addAction(QString()), "mdata2", k);
  }
  mLoad->addSeparator();
  mdata2[kLastSaveSlot] =
      Named(mLoad->addAction(tr("Last save on exit")), "mdata2", kLastSaveSlot);
  // Settings files anywhere, after the slots.
  mSave->addSeparator();
  mSaveAs = Named(mSave->addAction(tr("Save settings as...")), "mSaveAs");
  mLoad->addSeparator();
  mOpenFile = Named(mLoad->addAction(tr("Open settings file...")), "mOpenFile");
  for (int k = 0; k < kRecentFilesCapacity; ++k) {
    mrecent[k] = Named(mLoad->addAction(QString()), "mrecent", k);
    mrecent[k]->setVisible(false);
  }
}

void SettingsMenus::ConnectHandlers() {
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

void SettingsMenus::ReadSlotNames() {
  // A missing file leaves the slots "Free"; a shorter one keeps "Free" for
  // the slots it does not name. An unreadable file is no reason to refuse
  // to start: the slots stay "Free" too.
  names_.fill(kFreeSlot);
  if (!store_.ReadSlotNames(&names_).ok()) {
    names_.fill(kFreeSlot);
  }
  ShowSlotNames();
}

void SettingsMenus::ShowSlotNames() {
  for (int k = 0; k < kSlotCount; ++k) {
    mdata[k]->setText(FromBytes(names_[k]));
    mdata2[k]->setText(FromBytes(names_[k]));
    // A free slot has nothing to load.
    mdata2[k]->setEnabled(names_[k] != kFreeSlot);
  }
}

void SettingsMenus::ShowSaveError(const Status& status) {
  // The message names the file and the system's reason, which tells more
  // than a guess at the folder's permissions would.
  dialogs_->ShowError(tr("Your ZUM configuration could not be saved:\n\n%1")
                          .arg(FromBytes(status.message())));
}

void SettingsMenus::mdata_Click(int index) {
  if (names_[index] != kFreeSlot &&
      !dialogs_->AskYesNo(tr("This will overwrite your previously saved "
                             "configuration, do you want to continue?"),
                          tr("ZUM warning"))) {
    return;
  }
  const QString name =
      dialogs_->InputBox(tr("Please enter a name for your ZUM configuration"),
                         tr("ZUM"), QString());
  if (name.isEmpty()) {
    dialogs_->ShowError(tr("This is not a valid name"));
    return;
  }
  if (HoldsLineBreak(Bytes(name))) {
    dialogs_->ShowError(
        tr("A slot name must be one line: this name holds a "
           "line break. Nothing was saved."));
    return;
  }
  // The slot takes the name only once its settings are written; the names
  // are written at once, so that a window that ends without closing keeps
  // them too.
  if (SaveSlot(index)) {
    names_[index] = Bytes(name);
    ShowSlotNames();
    const Status status = store_.WriteSlotNames(names_);
    if (!status.ok()) {
      ShowSaveError(status);
    }
  }
}

void SettingsMenus::mdata2_Click(int index) {
  if (index < kSlotCount && names_[index] == kFreeSlot) {
    dialogs_->ShowMessageBox(tr("No ZUM configuration is saved in this slot"),
                             tr("ZUM warning"), Dialogs::Icon::kInformation,
                             Dialogs::Buttons::kOk);
    return;
  }
  if (dialogs_->AskYesNo(
          tr("This will restore all last settings, do you want to continue?"),
          tr("ZUM warning"))) {
    window_.load(store_.SlotFile(index));
  }
}

bool SettingsMenus::SaveSlot(int slot) {
  const Status status = store_.Save(slot, window_.current_settings());
  if (!status.ok()) {
    ShowSaveError(status);
    return false;
  }
  return true;
}

void SettingsMenus::mOpenFile_Click() {
  const QString path =
      dialogs_->OpenFile(tr("Open settings file"), SettingsFileFilters());
  if (!path.isEmpty() && !RefusedForLineBreak(path)) {
    OpenSettingsFile(path);
  }
}

void SettingsMenus::mrecent_Click(int index) {
  // The entry opens the file it shows, whatever another window has since
  // written into the list.
  if (index < static_cast<int>(recent_shown_.size())) {
    OpenSettingsFile(FromBytes(recent_shown_[index]));
  }
}

bool SettingsMenus::RefusedForLineBreak(const QString& path) {
  if (!HoldsLineBreak(Bytes(path))) {
    return false;
  }
  dialogs_->ShowError(
      tr("The name of the settings file %1 holds a line break, which the "
         "list of recent files cannot keep. Rename the file, then choose it "
         "again.")
          .arg(path));
  return true;
}

void SettingsMenus::OpenSettingsFile(const QString& path) {
  // A file that cannot be read stays out of the list; the message names it.
  if (window_.load(Bytes(path))) {
    RememberSettingsFile(path);
  }
}

void SettingsMenus::mSaveAs_Click() {
  const QString path =
      dialogs_->SaveFile(tr("Save settings as"), SettingsFileFilters(), {});
  if (path.isEmpty() || RefusedForLineBreak(path)) {
    return;
  }
  // Written beside its place and moved there only when complete, so a
  // failed save keeps an earlier file of that name.
  // Names in the file's folder are written relative to it, so that the
  // folder can be moved with its settings file.
  const std::string file = Bytes(path);
  const Status status = WriteSettingsFile(
      file, RecordForFolder(SettingsFolder(file), window_.current_settings()),
      file_system_);
  if (!status.ok()) {
    dialogs_->ShowError(tr("Your ZUM configuration could not be saved:\n\n%1")
                            .arg(FromBytes(status.message())));
    return;
  }
  RememberSettingsFile(path);
}

void SettingsMenus::RememberSettingsFile(const QString& path) {
  const Status status = store_.AddRecentFile(Bytes(path));
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

void SettingsMenus::ShowRecentFiles() {
  recent_shown_ = store_.RecentFiles();
  const std::vector<std::string>& recent = recent_shown_;
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

bool SettingsMenus::SaveOnClose() {
  const Dialogs::Answer answer = dialogs_->ShowMessageBox(
      tr("Do you want to save the current settings for later use?"),
      tr("ZUM warning"), Dialogs::Icon::kExclamation,
      Dialogs::Buttons::kYesNoCancel);
  if (answer == Dialogs::Answer::kCancel) {
    return false;  // the window stays open; nothing is written
  }
  Status saved;
  if (answer == Dialogs::Answer::kYes) {
    saved = store_.Save(kLastSaveSlot, window_.current_settings());
  }
  const Status names = store_.WriteSlotNames(names_);
  // One closing, one message: a folder that takes neither file is told
  // once, with both files.
  if (!saved.ok() && !names.ok()) {
    ShowSaveError(Status::Error(saved.message() + "\n\n" + names.message()));
  } else if (!saved.ok() || !names.ok()) {
    ShowSaveError(saved.ok() ? names : saved);
  }
  return true;
}

}  // namespace zum
