#ifndef ZUM_SETTINGS_SETTINGS_STORE_H_
#define ZUM_SETTINGS_SETTINGS_STORE_H_

#include <array>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/status.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace zum {

inline constexpr int kSlotCount = 10;
// The eleventh slot, "Last save on exit", saved when the program closes.
inline constexpr int kLastSaveSlot = 10;
// The caption of a slot that holds no saved settings.
inline constexpr const char* kFreeSlot = "Free";

using SlotNames = std::array<std::string, kSlotCount>;

// The settings files in one folder (the program's own): "zum.cfg" with the
// ten slot names, "zum0.cfg" .. "zum9.cfg" with the slots' settings,
// "zuma.cfg" with the settings saved at exit and "zumrecent.txt" with the
// settings files last opened or saved elsewhere (see recent_files.h).
//
// A settings file anywhere else is read with LoadSettingsFile and written
// with WriteSettingsFile, by the same rules as a slot.
class SettingsStore {
 public:
  // Every file is read and written through FS, which must outlive the store.
  explicit SettingsStore(std::string folder, FileSystem* fs = RealFileSystem())
      : folder_(std::move(folder)), fs_(fs) {}

  const std::string& folder() const { return folder_; }
  std::string SlotNamesFile() const;
  // SLOT 0..9, or kLastSaveSlot.
  std::string SlotFile(int slot) const;

  // Reads the slot names into *NAMES, line k + 1 naming slot k. A missing
  // file is no error and changes nothing; a file with fewer than ten lines
  // sets the slots it names and leaves the others as they were.
  Status ReadSlotNames(SlotNames* names) const;
  // Writes the ten names, replacing the file only once it is complete. A
  // name holding a line break is refused and nothing is written.
  Status WriteSlotNames(const SlotNames& names) const;

  // Saves RECORD into SLOT; a failed save leaves the slot's earlier file as
  // it was. Errors name the file and the reason.
  Status Save(int slot, const SettingsRecord& record) const;
  // Reads SLOT's file whole into *RECORD, or nothing (see
  // LoadSettingsFile).
  Status Load(int slot, SettingsRecord* record) const;

  std::string RecentFilesFile() const;
  // The recently used settings files, most recent first; empty when the
  // list is missing or unreadable.
  std::vector<std::string> RecentFiles() const;
  // Puts PATH, made absolute, first in the list and writes the list.
  // Errors name the list's file and the reason.
  Status AddRecentFile(const std::string& path) const;

 private:
  std::string folder_;
  FileSystem* fs_;
};

}  // namespace zum

#endif  // ZUM_SETTINGS_SETTINGS_STORE_H_
