#include "engine/faults_testing.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <regex>

namespace zum::testing {

size_t FaultyFileSystem::Read(std::FILE* file, const std::string& name,
                              char* buffer, size_t size, int* error) {
  const long position = std::ftell(file);
  int pass = 0;
  {
    // A run reads its inputs on several threads.
    const std::lock_guard<std::mutex> lock(mutex_);
    pass = position == 0 ? ++passes_[name] : passes_[name];
  }
  if (name == read_fault_.name && pass == read_fault_.pass &&
      position + static_cast<long>(size) > read_fault_.at) {
    if (position >= read_fault_.at) {
      *error = EIO;
      return 0;
    }
    size = static_cast<size_t>(read_fault_.at - position);
  }
  return DiskFileSystem::Read(file, name, buffer, size, error);
}

std::FILE* FaultyFileSystem::CreateExclusive(const std::string& name,
                                             int* error) {
  // Compared with '/' separators: a Windows path may mix '/' and '\'.
  const std::string generic = std::filesystem::path(name).generic_string();
  if (!create_fault_.empty() &&
      generic.starts_with(
          std::filesystem::path(create_fault_).generic_string())) {
    *error = EACCES;
    return nullptr;
  }
  return DiskFileSystem::CreateExclusive(name, error);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to,
                              int* error) {
  if (!rename_fault_.empty() &&
      std::filesystem::path(to).generic_string() ==
          std::filesystem::path(rename_fault_).generic_string()) {
    *error = EACCES;
    return false;
  }
  return DiskFileSystem::Rename(from, to, error);
}

bool RecordingFileSystem::Sync(std::FILE* file, const std::string& name,
                               int* error) {
  log_.push_back("sync " + name);
  return DiskFileSystem::Sync(file, name, error);
}

bool RecordingFileSystem::SyncFolder(const std::string& folder, int* error) {
  log_.push_back("syncfolder " + folder);
  return DiskFileSystem::SyncFolder(folder, error);
}

bool RecordingFileSystem::Link(const std::string& from, const std::string& to,
                               int* error) {
  log_.push_back("link " + from + " " + to);
  return DiskFileSystem::Link(from, to, error);
}

bool RecordingFileSystem::Rename(const std::string& from, const std::string& to,
                                 int* error) {
  log_.push_back("rename " + from + " " + to);
  return DiskFileSystem::Rename(from, to, error);
}

bool RecordingFileSystem::Remove(const std::string& name, int* error) {
  log_.push_back("remove " + name);
  return DiskFileSystem::Remove(name, error);
}

std::vector<std::string> RecordingFileSystem::Log(
    const std::string& folder) const {
  const std::regex random_part(R"(\.[0-9a-f]{8}\.[0-9a-z]{6}\.zum-partial)");
  std::vector<std::string> log;
  for (std::string entry : log_) {
    // "$", and "$/" for the folder and either separator after it.
    for (size_t p; (p = entry.find(folder)) != std::string::npos;) {
      const bool separator =
          p + folder.size() < entry.size() &&
          (entry[p + folder.size()] == '/' || entry[p + folder.size()] == '\\');
      entry.replace(p, folder.size() + (separator ? 1 : 0),
                    separator ? "$/" : "$");
    }
    log.push_back(std::regex_replace(entry, random_part, ".~.zum-partial"));
  }
  return log;
}

}  // namespace zum::testing
