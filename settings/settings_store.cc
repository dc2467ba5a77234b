#include "settings/settings_store.h"

#include <string>

#include "engine/line_io.h"
#include "engine/utf8_path.h"
#include "settings/one_line_texts.h"
#include "settings/recent_files.h"
#include "settings/relative_names.h"
#include "settings/settings_text.h"

namespace zum {
namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
  return Utf8Text(Utf8Path(folder) / name);
}

}  // namespace

std::string SettingsStore::SlotNamesFile() const {
  return InFolder(folder_, "zum.cfg");
}

std::string SettingsStore::SlotFile(int slot) const {
  return InFolder(folder_, slot == kLastSaveSlot
                               ? std::string("zuma.cfg")
                               : "zum" + std::to_string(slot) + ".cfg");
}

Status SettingsStore::ReadSlotNames(SlotNames* names) const {
  FileInfo info;
  int error = 0;
  if (fs_->Stat(SlotNamesFile(), &info, &error) &&
      info.type == FileType::kMissing) {
    return Status::OK();
  }
  LineReader in(fs_);
  ZUM_RETURN_IF_ERROR(OpenSettingsText(SlotNamesFile(), &in));
  std::string line;
  for (int slot = 0; slot < kSlotCount && in.Next(&line); ++slot) {
    (*names)[slot] = line;
  }
  return in.status();
}

Status SettingsStore::WriteSlotNames(const SlotNames& names) const {
  // A line break would shift every later slot's name.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (HoldsLineBreak(names[slot])) {
      return Status::InFile(SlotNamesFile(),
                            "the name of slot " + std::to_string(slot) +
                                " holds a line break, which the file cannot "
                                "keep; nothing was written");
    }
  }
  LineWriter out(fs_);
  ZUM_RETURN_IF_ERROR(out.OpenReplacing(SlotNamesFile()));
  for (const std::string& name : names) {
    out.WriteLine(name);
  }
  return out.Commit();
}

Status SettingsStore::Save(int slot, const SettingsRecord& record) const {
  return WriteSettingsFile(SlotFile(slot), record, fs_);
}

Status SettingsStore::Load(int slot, SettingsRecord* record) const {
  return LoadSettingsFile(SlotFile(slot), record, fs_);
}

std::string SettingsStore::RecentFilesFile() const {
  return InFolder(folder_, "zumrecent.txt");
}

std::vector<std::string> SettingsStore::RecentFiles() const {
  return ReadRecentFiles(RecentFilesFile(), fs_);
}

Status SettingsStore::AddRecentFile(const std::string& path) const {
  std::vector<std::string> list = RecentFiles();
  PutFirst(NativeSeparators(AbsoluteName(path)), &list, fs_);
  return WriteRecentFiles(RecentFilesFile(), list, fs_);
}

}  // namespace zum
