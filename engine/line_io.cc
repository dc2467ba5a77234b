#include "engine/line_io.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "engine/utf8_path.h"

namespace zum {
namespace {

constexpr size_t kBufferSize = 1 << 16;

// The first CR or LF in [P, END), or END.
const char* FindLineEnd(const char* p, const char* end) {
#ifdef __SSE2__
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int ends = _mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
    if (ends != 0) {
      return p + std::countr_zero(static_cast<unsigned>(ends));
    }
  }
#endif
  for (; p != end; ++p) {
    if (*p == '\r' || *p == '\n') {
      return p;
    }
  }
  return end;
}

std::string Reason(int error_number) {
  return ErrorText(error_number);
}

// The names of the temporary files open now, in storage that a signal
// handler may read: a slot is filled before it is marked ready and unmarked
// before it is reused.
constexpr int kTemporarySlots = 16;
constexpr size_t kTemporaryNameSize = 4096;
struct TemporarySlot {
  std::atomic<bool> taken{false};
  std::atomic<bool> ready{false};
  char name[kTemporaryNameSize];
};
TemporarySlot g_temporaries[kTemporarySlots];

// Records NAME for RemoveTemporaryFiles(); -1 when it cannot be recorded.
int RegisterTemporary(const std::string& name) {
  if (name.size() >= kTemporaryNameSize) {
    return -1;
  }
  for (int i = 0; i < kTemporarySlots; ++i) {
    bool expected = false;
    if (g_temporaries[i].taken.compare_exchange_strong(expected, true)) {
      std::memcpy(g_temporaries[i].name, name.c_str(), name.size() + 1);
      g_temporaries[i].ready.store(true);
      return i;
    }
  }
  return -1;
}

void ForgetTemporary(int* slot) {
  if (*slot >= 0) {
    g_temporaries[*slot].ready.store(false);
    g_temporaries[*slot].taken.store(false);
    *slot = -1;
  }
}

// FNV-1a, 32 bits: a short digest of a name.
uint32_t NameHash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  return hash;
}

// Six letters or digits that differ between processes, threads and calls.
std::string UniquePart() {
  static constexpr char kChars[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random([] {
    std::random_device device;
#ifdef _WIN32
    const uint64_t pid = static_cast<uint64_t>(_getpid());
#else
    const uint64_t pid = static_cast<uint64_t>(getpid());
#endif
    int local = 0;
    std::seed_seq seed{
        static_cast<uint64_t>(device()), pid,
        static_cast<uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()),
        static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&local))};
    return std::mt19937_64(seed);
  }());
  std::string part(6, '0');
  for (char& c : part) {
    c = kChars[random() % 36];
  }
  return part;
}

}  // namespace

size_t FileNameStart(const std::string& path) {
#ifdef _WIN32
  const size_t separator = path.find_last_of("/\\:");
#else
  const size_t separator = path.find_last_of('/');
#endif
  return separator == std::string::npos ? 0 : separator + 1;
}

std::string FolderOf(const std::string& path) {
  const size_t start = FileNameStart(path);
  if (start == 0) {
    return ".";
  }
  // "/x" lies in "/", "C:\\x" in "C:\\".
  return start == 1 || (start >= 2 && path[start - 2] == ':')
             ? path.substr(0, start)
             : path.substr(0, start - 1);
}

std::string TemporaryPrefix(const std::string& target) {
  const size_t start = FileNameStart(target);
  const std::string_view file_name = std::string_view(target).substr(start);
  size_t head = std::min(file_name.size(), kTemporaryHead);
  // Not inside a UTF-8 sequence: the name stays valid text.
  while (head > 0 && head < file_name.size() &&
         (static_cast<unsigned char>(file_name[head]) & 0xC0) == 0x80) {
    --head;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string digest(8, '0');
  uint32_t hash = NameHash(file_name);
  for (int i = 7; i >= 0; --i, hash >>= 4) {
    digest[static_cast<size_t>(i)] = kHex[hash & 0xF];
  }
  return target.substr(0, start) + std::string(file_name.substr(0, head)) +
         "." + digest + ".";
}

std::string NewTemporaryName(const std::string& target) {
  return TemporaryPrefix(target) + UniquePart() + LineWriter::kPartialSuffix;
}

void RemoveStaleTemporaries(const std::string& target, FileSystem* fs) {
  const std::string prefix = TemporaryPrefix(target);
  const std::string folder = FolderOf(target);
  const std::string name_start = prefix.substr(FileNameStart(prefix));
  const size_t name_size =
      name_start.size() + 6 +
      std::char_traits<char>::length(LineWriter::kPartialSuffix);
  std::vector<std::string> names;
  int error = 0;
  if (!fs->ListFolder(folder, &names, &error)) {
    return;
  }
  for (const std::string& name : names) {
    if (name.size() == name_size && name.starts_with(name_start) &&
        name.ends_with(LineWriter::kPartialSuffix)) {
      fs->Remove(prefix.substr(0, FileNameStart(prefix)) + name, &error);
    }
  }
}

bool SameFile(const std::string& a, const std::string& b, FileSystem* fs) {
  FileInfo info_a;
  FileInfo info_b;
  int error = 0;
  if (fs->Stat(a, &info_a, &error) && fs->Stat(b, &info_b, &error) &&
      info_a.type != FileType::kMissing && info_b.type != FileType::kMissing) {
    return info_a.device == info_b.device && info_a.index == info_b.index;
  }
  return Utf8Path(AbsoluteName(a)) == Utf8Path(AbsoluteName(b));
}

void RemoveTemporaryFiles() {
  for (TemporarySlot& slot : g_temporaries) {
    if (slot.ready.load()) {
#ifdef _WIN32
      // Converted on the stack: nothing here may allocate.
      wchar_t wide[kTemporaryNameSize];
      if (MultiByteToWideChar(CP_UTF8, 0, slot.name, -1, wide,
                              static_cast<int>(kTemporaryNameSize)) > 0) {
        DeleteFileW(wide);
      }
#else
      unlink(slot.name);
#endif
    }
  }
}

LineReader::~LineReader() {
  Close();
}

void LineReader::Restart(const std::string& path, std::string buffered,
                         bool eof) {
  Close();
  name_ = path;
  line_number_ = 0;
  buffer_ = std::move(buffered);
  end_ = buffer_.size();
  pos_ = 0;
  eof_ = eof;
  in_line_ = false;
  read_error_ = 0;
  error_line_ = 0;
}

Status LineReader::Open(const std::string& path) {
  Restart(path, std::string(), false);
  FileInfo info;
  int error = 0;
  if (fs_->Stat(path, &info, &error)) {
    if (info.type == FileType::kDirectory) {
      return Status::InFile(path, "is a directory");
    }
    if (info.type == FileType::kOther) {
      return Status::InFile(path, "not a regular file");
    }
  }
  error = 0;
  file_ = fs_->OpenForReading(path, &error);
  if (file_ == nullptr) {
    return Status::InFile(path,
                          "cannot open for reading (" + Reason(error) + ")");
  }
  return Status::OK();
}

Status LineReader::OpenNonEmpty(const std::string& path) {
  ZUM_RETURN_IF_ERROR(Open(path));
  if (AtEnd()) {
    ZUM_RETURN_IF_ERROR(status());
    return Status::InFile(path, "the file is empty");
  }
  return Status::OK();
}

bool LineReader::ReadUpTo(size_t limit, std::string* bytes) {
  const size_t start = bytes->size();
  size_t left = limit;
  while (Fill()) {
    const size_t piece = std::min(end_ - pos_, left);
    if (piece == 0) {
      return false;
    }
    bytes->append(buffer_, pos_, piece);
    pos_ += piece;
    left -= piece;
  }
  if (read_error_ != 0) {
    // The failure is told at the line it cut, as Next() tells it.
    const std::string_view read = std::string_view(*bytes).substr(start);
    long lines = 0;
    for (size_t i = 0; i < read.size(); ++i) {
      if (read[i] == '\n' ||
          (read[i] == '\r' && (i + 1 == read.size() || read[i + 1] != '\n'))) {
        ++lines;
      }
    }
    error_line_ = line_number_ + lines + 1;
  }
  return read_error_ == 0;
}

void LineReader::OpenText(const std::string& path, std::string text) {
  Restart(path, std::move(text), true);
}

void LineReader::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

// Makes at least one unread byte available; false at the end of the file.
bool LineReader::Fill() {
  return pos_ < end_ || ReadMore();
}

bool LineReader::ReadMore() {
  if (file_ == nullptr || eof_) {
    return false;
  }
  // The unread bytes, at most a line's worth, move to the front.
  const size_t kept = end_ - pos_;
  std::memmove(buffer_.data(), buffer_.data() + pos_, kept);
  pos_ = 0;
  end_ = kept;
  // The buffer keeps its size unless a line fills half of it.
  const size_t wanted =
      kept < kBufferSize / 2 ? kBufferSize - kept : kBufferSize;
  // One byte more for the NUL after the bytes read.
  if (buffer_.size() < kept + wanted + 1) {
    buffer_.resize(kept + wanted + 1);
  }
  int error = 0;
  const size_t n =
      fs_->Read(file_, name_, buffer_.data() + kept, wanted, &error);
  if (error == 0) {
    end_ += n;
  }
  buffer_[end_] = '\0';
  if (error == 0 && n > 0) {
    return true;
  }
  eof_ = true;
  if (error != 0) {
    read_error_ = error;
    error_line_ = in_line_ ? line_number_ : line_number_ + 1;
  }
  return false;
}

Status LineReader::status() const {
  if (read_error_ == 0) {
    return Status::OK();
  }
  if (read_error_ == kLineTooLong) {
    return Status::AtLine(
        name_, error_line_,
        "line longer than " + std::to_string(max_line_length_) + " bytes");
  }
  return Status::AtLine(name_, error_line_,
                        "cannot read the file (" + Reason(read_error_) + ")");
}

bool LineReader::AtEnd() {
  return !Fill();
}

bool LineReader::Next(std::string* line) {
  std::string_view view;
  const bool taken = NextView(&view);
  line->assign(view);
  return taken;
}

// The line is kept whole in the buffer, its end (or the end of the file)
// read, before it is returned.
bool LineReader::NextView(std::string_view* line) {
  *line = {};
  if (!Fill()) {
    return false;
  }
  ++line_number_;
  in_line_ = true;
  size_t length = 0;  // bytes of the line known to hold no line end
  for (;;) {
    const char* begin = buffer_.data() + pos_;
    const char* end = buffer_.data() + end_;
    const char* stop = FindLineEnd(begin + length, end);
    length = static_cast<size_t>(stop - begin);
    if (length > max_line_length_) {
      // Read no further: the rest of the line may not even fit in memory.
      in_line_ = false;
      eof_ = true;
      buffer_ = std::string();
      pos_ = 0;
      end_ = 0;
      read_error_ = kLineTooLong;
      error_line_ = line_number_;
      return false;
    }
    if (stop == end) {
      // The line goes on past the bytes read so far.
      if (ReadMore()) {
        continue;
      }
      in_line_ = false;
      if (read_error_ != 0) {
        return false;  // a line cut short by a failure is no line
      }
      break;  // the last line may lack its line end
    }
    in_line_ = false;
    // Whether an LF follows a CR is known only once the next byte is read;
    // a failure then belongs to the next line.
    if (*stop == '\r' && stop + 1 == end && ReadMore()) {
      continue;
    }
    break;
  }
  *line = std::string_view(buffer_.data() + pos_, length);
  pos_ += length;
  if (pos_ < end_) {
    const bool cr = buffer_[pos_] == '\r';
    ++pos_;
    if (cr && pos_ < end_ && buffer_[pos_] == '\n') {
      ++pos_;
    }
  }
  return true;
}

Status LineReader::ReadLine(std::string* line, std::string_view expected) {
  return Next(line) ? Status::OK() : EndOrFailure(expected);
}

Status LineReader::ReadLineView(std::string_view* line,
                                std::string_view expected) {
  return NextView(line) ? Status::OK() : EndOrFailure(expected);
}

Status LineReader::SkipLine(std::string_view expected) {
  std::string_view ignored;
  return ReadLineView(&ignored, expected);
}

Status LineReader::EndOrFailure(std::string_view expected) const {
  if (read_error_ != 0) {
    return status();
  }
  return ErrorHere("the file ends here, but " + std::string(expected) +
                   " was expected");
}

LineWriter::~LineWriter() {
  if (!target_.empty()) {
    Abandon();
  } else if (file_ != nullptr) {
    std::fclose(file_);
  }
}

Status LineWriter::OpenReplacing(const std::string& path) {
  Reset(path);
  // A link stays a link: the file it leads to gets the new content, and
  // the temporary file is made in that file's folder.
  const std::string target = fs_->FollowLinks(path);
  FileInfo existing;
  int error = 0;
  const bool replaces = fs_->Stat(target, &existing, &error) &&
                        existing.type == FileType::kRegular;
  const std::string prefix = TemporaryPrefix(target);
  // A name already taken, by another run or a leftover, is skipped.
  error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    name_ = prefix + UniquePart() + kPartialSuffix;
    error = 0;
    file_ = fs_->CreateExclusive(name_, &error);
  }
  if (file_ == nullptr) {
    return Status::InFile(path,
                          "cannot create the file (" + Reason(error) + ")");
  }
  target_ = target;
  temporary_slot_ = RegisterTemporary(name_);
  // The replaced file's permission bits stay the file's.
  if (replaces && !fs_->SetMode(file_, name_, existing.mode, &error)) {
    Abandon();
    return Status::InFile(path,
                          "cannot create the file (" + Reason(error) + ")");
  }
  return Status::OK();
}

Status LineWriter::Finish() {
  if (file_ != nullptr) {
    FlushBuffer();
    // On the disk before the rename, so that a power cut leaves the old
    // file or the complete new one, never an empty one.
    int error = 0;
    if (!write_error_ && !fs_->Sync(file_, name_, &error)) {
      write_error_ = true;
      error_number_ = error;
    }
  }
  if (Close().ok()) {
    return Status::OK();
  }
  return Status::InFile(
      shown_, "cannot write the file (" + Reason(error_number_) + ")");
}

Status LineWriter::Commit() {
  Status status = Finish();
  if (status.ok()) {
    int error = 0;
    if (fs_->Rename(name_, target_, &error)) {
      const std::string target = target_;
      Committed();
      return SyncFolderOf(target);
    }
    status = Status::InFile(shown_,
                            "cannot replace the file (" + Reason(error) + ")");
  }
  Abandon();
  return status;
}

void LineWriter::Committed() {
  ForgetTemporary(&temporary_slot_);
  target_.clear();
}

Status LineWriter::SyncFolderOf(const std::string& file) {
  int error = 0;
  if (!fs_->SyncFolder(FolderOf(file), &error)) {
    return Status::InFile(shown_,
                          "cannot write the file (" + Reason(error) + ")");
  }
  return Status::OK();
}

void LineWriter::Abandon() {
  Close().ok();  // the temporary file goes whatever its state
  if (!target_.empty()) {
    int error = 0;
    fs_->Remove(name_, &error);
    ForgetTemporary(&temporary_slot_);
    target_.clear();
  }
}

void LineWriter::Reset(const std::string& path) {
  Abandon();
  name_ = path;
  shown_ = path;
  pending_.clear();
  buffer_.clear();
  buffer_.reserve(kBufferSize + 1024);
  write_error_ = false;
  error_number_ = 0;
}

Status LineWriter::Open(const std::string& path) {
  Reset(path);
  file_ = fs_->OpenForWriting(path, &error_number_);
  if (file_ == nullptr) {
    return Status::InFile(
        path, "cannot create the file (" + Reason(error_number_) + ")");
  }
  return Status::OK();
}

void LineWriter::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n", 2);
  if (buffer_.size() >= kBufferSize) {
    FlushBuffer();
  }
}

void LineWriter::EndLine() {
  WriteLine(pending_);
  pending_.clear();
}

void LineWriter::WriteText(std::string_view text) {
  if (buffer_.size() + text.size() < kBufferSize) {
    buffer_.append(text);
    return;
  }
  FlushBuffer();
  WriteToFile(text);
}

void LineWriter::FlushBuffer() {
  WriteToFile(buffer_);
  buffer_.clear();
}

void LineWriter::WriteToFile(std::string_view bytes) {
  if (file_ != nullptr && !bytes.empty() && !write_error_) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
      write_error_ = true;
      error_number_ = errno;
    }
    unsynced_ += bytes.size();
    if (unsynced_ >= kWritebackBytes) {
      StartWriteback();
    }
  }
}

// Only a hint to the system: the sync before the commit stays what makes
// the file durable, and it finds less left to write.
void LineWriter::StartWriteback() {
  unsynced_ = 0;
#ifdef __linux__
  if (std::fflush(file_) == 0) {
    sync_file_range(fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
  }
#endif
}

Status LineWriter::Close() {
  if (file_ == nullptr) {
    return Status::OK();
  }
  FlushBuffer();
  errno = 0;
  if (std::fclose(file_) != 0 && !write_error_) {
    write_error_ = true;
    error_number_ = errno;
  }
  file_ = nullptr;
  if (write_error_) {
    return Status::InFile(
        name_, "cannot write the file (" + Reason(error_number_) + ")");
  }
  return Status::OK();
}

}  // namespace zum
