#ifndef ZUM_WIZARD_SETTINGS_MENUS_H_
#define ZUM_WIZARD_SETTINGS_MENUS_H_

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "engine/status.h"
#include "settings/recent_files.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

class QAction;
class QMenu;
class QMenuBar;

namespace zum {

class Dialogs;

// The two settings menus: saving into the ten named slots and loading a
// slot or "Last save on exit", settings files anywhere with the list of
// those recently used, and the question when the window closes. The menus
// own the window's one SettingsStore over the program's folder and keep the
// slot names themselves; the captions only show them.
//
// A save that fails (the program's folder cannot be written, or something
// else stands where the file should be) shows a message naming the file and
// the reason. The file is written beside its place and takes it only when
// complete, so the slot's earlier file is kept, and so is its name. The
// slot names are written with each slot saved and when the window closes.
// "Load settings" disables the free slots.
class SettingsMenus : public QObject {
  Q_OBJECT

 public:
  // What the menus need of the window: the settings it holds now, and the
  // loading of a settings file into it, which returns false (having told
  // the user why) when the file could not be read whole.
  struct Window {
    std::function<SettingsRecord()> current_settings;
    std::function<bool(const std::string& path)> load;
  };

  // Adds the menus to BAR. DIALOGS must outlive the menus. Reads the slot
  // names and the recent files from PROGRAM_FOLDER.
  // Settings files are reached through FS, which must outlive the menus.
  SettingsMenus(QMenuBar* bar, Dialogs* dialogs, const QString& program_folder,
                FileSystem* fs, Window window, QObject* parent = nullptr);

  // Form_Unload: offers to save into "Last save on exit" and writes the
  // slot names. False when the user cancelled the closing; nothing is
  // written then.
  bool SaveOnClose();

  // Handlers: save into slot INDEX (0..9), load slot INDEX (0..9, or
  // kLastSaveSlot), "Open settings file...", "Save settings as..." and the
  // recently used files under the first, INDEX 0 the most recent.
  void mdata_Click(int index);
  void mdata2_Click(int index);
  void mOpenFile_Click();
  void mSaveAs_Click();
  void mrecent_Click(int index);

 private:
  void BuildMenus(QMenuBar* bar);
  void ConnectHandlers();
  void ReadSlotNames();
  void ShowSlotNames();
  bool SaveSlot(int slot);
  void ShowSaveError(const Status& status);
  // Opens PATH and, once it is loaded, puts it first among the recent files.
  void OpenSettingsFile(const QString& path);
  // A settings file whose name holds a line break cannot be listed among
  // the recent files: told, and true.
  bool RefusedForLineBreak(const QString& path);
  void RememberSettingsFile(const QString& path);
  // The recent files' entries as the list names them; unused entries are
  // hidden.
  void ShowRecentFiles();

  Dialogs* dialogs_;
  FileSystem* file_system_;
  Window window_;
  SettingsStore store_;
  SlotNames names_;
  // The recent files as their entries show them.
  std::vector<std::string> recent_shown_;

  QMenu* mSave = nullptr;
  QMenu* mLoad = nullptr;
  std::array<QAction*, kSlotCount> mdata{};
  std::array<QAction*, kLastSaveSlot + 1> mdata2{};
  QAction* mSaveAs = nullptr;
  QAction* mOpenFile = nullptr;
  std::array<QAction*, kRecentFilesCapacity> mrecent{};
};

}  // namespace zum

#endif  // ZUM_WIZARD_SETTINGS_MENUS_H_
