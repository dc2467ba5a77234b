// A settings file as the window opens it: read whole, taken into the
// window's record (TakeLoaded), saved and opened again. What the window shows
// after the second opening must equal what it showed after the first, and
// the saved file must be the record's text: a file that the window opens
// never comes back changed, or cut, from a save.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "settings/one_line_texts.h"
#include "settings/settings_file.h"

namespace {

// The window's record after opening PATH: its start-up record with the
// file's values taken in. False when the file does not open.
bool OpenAsWindow(const std::string& path, zum::SettingsRecord* window) {
  zum::SettingsRecord loaded;
  if (!zum::LoadSettingsFile(path, &loaded).ok()) {
    return false;
  }
  *window = zum::SettingsRecord();
  window->opt_condapply0 = true;  // the window's start-up choice
  window->TakeLoaded(std::move(loaded));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zum;
  const std::string path = fuzz::InFolder("window.cfg");
  const std::string saved = fuzz::InFolder("saved.cfg");
  fuzz::WriteBytes(path, data, size);
  SettingsRecord first;
  if (!OpenAsWindow(path, &first)) {
    return 0;
  }
  const std::string text = SettingsFileText(first);
  // Every text fits a box and is one line, so that the save takes it.
  for (int line = 1; line <= kSettingsLines; ++line) {
    const std::string value = SettingsLineText(first, line);
    if (HoldsLineBreak(value) || BoxLength(value) > kMaxBoxLength) {
      std::abort();
    }
  }
  if (!WriteSettingsFile(saved, first).ok()) {
    std::abort();
  }
  SettingsRecord second;
  if (!OpenAsWindow(saved, &second) || SettingsFileText(second) != text) {
    std::abort();
  }
  return 0;
}
