#include "settings/recent_files.h"

#include <algorithm>

#include "engine/line_io.h"
#include "settings/one_line_texts.h"
#include "settings/settings_text.h"

namespace zum {

std::vector<std::string> ReadRecentFiles(const std::string& list_file,
                                         FileSystem* fs) {
  std::vector<std::string> list;
  LineReader in(fs);
  // The list holds a few names: a file of anything else, however large, is
  // read no further than the longest list would go.
  constexpr size_t kReadLimit = kRecentFilesCapacity * (kMaxRecentEntry + 2);
  if (!OpenSettingsText(list_file, &in, kReadLimit + 1, LongFile::kCut).ok()) {
    return list;
  }
  in.set_max_line_length(kMaxRecentEntry);
  size_t read = 0;
  std::string line;
  while (list.size() < static_cast<size_t>(kRecentFilesCapacity) &&
         read <= kReadLimit && in.Next(&line)) {
    read += line.size() + 1;
    if (!line.empty()) {
      list.push_back(line);
    }
  }
  // A list cut short by a read failure is not to be trusted.
  if (!in.status().ok()) {
    list.clear();
  }
  return list;
}

void PutFirst(const std::string& path, std::vector<std::string>* list,
              FileSystem* fs) {
  std::erase_if(*list, [&path, fs](const std::string& entry) {
    return entry == path || SameFile(entry, path, fs);
  });
  list->insert(list->begin(), path);
  if (list->size() > static_cast<size_t>(kRecentFilesCapacity)) {
    list->resize(kRecentFilesCapacity);
  }
}

Status WriteRecentFiles(const std::string& list_file,
                        const std::vector<std::string>& list, FileSystem* fs) {
  // A line break would make one entry two.
  for (const std::string& path : list) {
    if (HoldsLineBreak(path)) {
      return Status::InFile(list_file,
                            "an entry holds a line break, which the list "
                            "cannot keep; nothing was written");
    }
  }
  LineWriter out(fs);
  ZUM_RETURN_IF_ERROR(out.OpenReplacing(list_file));
  for (const std::string& path : list) {
    out.WriteLine(path);
  }
  return out.Commit();
}

}  // namespace zum
