#include "engine/pair_commit.h"

#include <string>

namespace zum {
namespace {

std::string CannotReplace(int error) {
  return "cannot replace the file (" + ErrorText(error) + ")";
}

// The companion's earlier file, kept under another name until the main file
// is in place.
class KeptAside {
 public:
  KeptAside(const std::string& target, FileSystem* fs)
      : target_(target), fs_(fs) {}

  // Keeps the target's file aside, if there is one: a second name where the
  // disk allows it, so that the target is never missing, or else a move.
  bool Keep(int* error) {
    FileInfo info;
    if (!fs_->Stat(target_, &info, error)) {
      return false;
    }
    if (info.type == FileType::kMissing) {
      return true;
    }
    for (int attempt = 0; attempt < 10; ++attempt) {
      name_ = NewTemporaryName(target_);
      if (fs_->Link(target_, name_, error)) {
        return true;
      }
      if (*error != EEXIST) {
        break;
      }
    }
    moved_ = fs_->Rename(target_, name_, error);
    if (!moved_) {
      name_.clear();
    }
    return moved_;
  }

  // Puts the earlier file back in the target's place, or removes the
  // target where there was none.
  bool PutBack(int* error) {
    if (name_.empty()) {
      return fs_->Remove(target_, error);
    }
    if (!fs_->Rename(name_, target_, error)) {
      return false;
    }
    name_.clear();
    return true;
  }

  // Undoes Keep() when the target was never replaced.
  void Release() {
    int error = 0;
    if (name_.empty()) {
      return;
    }
    if (moved_) {
      fs_->Rename(name_, target_, &error);
    } else {
      fs_->Remove(name_, &error);
    }
    name_.clear();
  }

  // Forgets the earlier file once the new pair is in place.
  void Drop() {
    int error = 0;
    if (!name_.empty()) {
      fs_->Remove(name_, &error);
      name_.clear();
    }
  }

  const std::string& name() const { return name_; }

 private:
  std::string target_;
  FileSystem* fs_;
  std::string name_;
  bool moved_ = false;
};

}  // namespace

Status CheckReplaceable(const std::string& name, FileSystem* fs) {
  FileInfo info;
  int error = 0;
  if (!fs->Stat(name, &info, &error)) {
    return Status::InFile(name, CannotReplace(error));
  }
  switch (info.type) {
    case FileType::kMissing:
      return Status::OK();
    case FileType::kDirectory:
      return Status::InFile(name, "is a directory");
    case FileType::kOther:
      return Status::InFile(name, "not a regular file");
    case FileType::kRegular:
      break;
  }
  if (info.read_only) {
    return Status::InFile(name, "is read-only");
  }
  return Status::OK();
}

Status CommitPair(LineWriter& companion, LineWriter& main, FileSystem* fs) {
  ZUM_RETURN_IF_ERROR(companion.Finish());
  ZUM_RETURN_IF_ERROR(main.Finish());
  ZUM_RETURN_IF_ERROR(CheckReplaceable(companion.shown_name(), fs));
  ZUM_RETURN_IF_ERROR(CheckReplaceable(main.shown_name(), fs));

  // Committed() forgets them.
  const std::string companion_target = companion.target();
  const std::string main_target = main.target();
  KeptAside earlier(companion_target, fs);
  int error = 0;
  if (!earlier.Keep(&error)) {
    return Status::InFile(companion.shown_name(), CannotReplace(error));
  }
  if (!fs->Rename(companion.temporary_name(), companion_target, &error)) {
    earlier.Release();
    return Status::InFile(companion.shown_name(), CannotReplace(error));
  }
  companion.Committed();
  if (!fs->Rename(main.temporary_name(), main_target, &error)) {
    Status failed = Status::InFile(main.shown_name(), CannotReplace(error));
    int restore_error = 0;
    if (earlier.PutBack(&restore_error)) {
      return failed;
    }
    std::string message = failed.message() + "; " +
                          ShortName(companion.shown_name()) +
                          " was changed and could not be put back (" +
                          ErrorText(restore_error) + ")";
    if (!earlier.name().empty()) {
      message += "; its earlier file is " + ShortName(earlier.name());
    }
    return Status::Error(message);
  }
  main.Committed();
  earlier.Drop();
  // One sync of a folder keeps both renames made in it.
  ZUM_RETURN_IF_ERROR(companion.SyncFolderOf(companion_target));
  if (FolderOf(main_target) == FolderOf(companion_target)) {
    return Status::OK();
  }
  return main.SyncFolderOf(main_target);
}

}  // namespace zum
