// settings_saver: saves one settings file the way the window does, for the
// power-cut script (scripts/test-power-cut.sh). Test-only.
//
//   settings_saver FOLDER SETTINGS_FILE
//
// Loads SETTINGS_FILE and, in the program folder FOLDER, saves it into slot
// 0 and "Last save on exit", writes the slot names (slot 0 named after the
// file) and puts the file first in the recent list. Exits 0 when every file
// was written, 1 otherwise, with the error on standard error.

#include <iostream>
#include <string>

#include "engine/status.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: settings_saver FOLDER SETTINGS_FILE\n";
    return 2;
  }
  zum::SettingsRecord record;
  zum::Status status = zum::LoadSettingsFile(argv[2], &record);
  const zum::SettingsStore store(argv[1]);
  zum::SlotNames names;
  names.fill(zum::kFreeSlot);
  names[0] = argv[2];
  if (status.ok()) {
    status = store.Save(0, record);
  }
  if (status.ok()) {
    status = store.Save(zum::kLastSaveSlot, record);
  }
  if (status.ok()) {
    status = store.WriteSlotNames(names);
  }
  if (status.ok()) {
    status = store.AddRecentFile(argv[2]);
  }
  if (!status.ok()) {
    std::cerr << status.message() << '\n';
    return 1;
  }
  return 0;
}
