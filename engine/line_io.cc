#include "engine/line_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zum {
namespace {

constexpr size_t kBufferSize = 1 << 16;

std::string Reason(int error_number) {
  return error_number != 0 ? std::strerror(error_number) : "unknown error";
}

}  // namespace

LineReader::~LineReader() {
  Close();
}

Status LineReader::Open(const std::string& path) {
  Close();
  name_ = path;
  line_number_ = 0;
  buffer_.clear();
  pos_ = 0;
  next_lf_ = kNoLf;
  eof_ = false;
  read_error_ = false;
  errno = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) {
    return Status::InFile(path,
                          "cannot open for reading (" + Reason(errno) + ")");
  }
  return Status::OK();
}

void LineReader::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

// Makes at least one unread byte available; false at the end of the file.
bool LineReader::Fill() {
  if (pos_ < buffer_.size()) {
    return true;
  }
  if (file_ == nullptr || eof_) {
    return false;
  }
  buffer_.resize(kBufferSize);
  size_t n = std::fread(buffer_.data(), 1, kBufferSize, file_);
  buffer_.resize(n);
  pos_ = 0;
  next_lf_ = kNoLf;
  if (n == 0) {
    eof_ = true;
    read_error_ = std::ferror(file_) != 0;
    return false;
  }
  return true;
}

bool LineReader::AtEnd() {
  return !Fill();
}

bool LineReader::Next(std::string* line) {
  line->clear();
  if (!Fill()) {
    return false;
  }
  ++line_number_;
  for (;;) {
    const char* begin = buffer_.data() + pos_;
    const char* end = buffer_.data() + buffer_.size();
    // The line ends at the first LF or CR, whichever comes first. The next
    // LF is remembered, so that a file of lone CRs is not searched again and
    // again for an LF it lacks.
    if (next_lf_ < pos_ || next_lf_ > buffer_.size()) {
      const void* lf =
          std::memchr(begin, '\n', static_cast<size_t>(end - begin));
      next_lf_ = lf == nullptr
                     ? buffer_.size()
                     : static_cast<size_t>(static_cast<const char*>(lf) -
                                           buffer_.data());
    }
    const char* stop = buffer_.data() + next_lf_;
    const char* cr = static_cast<const char*>(
        std::memchr(begin, '\r', static_cast<size_t>(stop - begin)));
    if (cr != nullptr) {
      stop = cr;
    }
    line->append(begin, stop);
    pos_ += static_cast<size_t>(stop - begin);
    if (stop == end) {
      if (!Fill()) {
        return true;  // the last line has no line end
      }
      continue;
    }
    char ending = *stop;
    ++pos_;
    if (ending == '\r' && Fill() && buffer_[pos_] == '\n') {
      ++pos_;
    }
    return true;
  }
}

Status LineReader::ReadLine(std::string* line, std::string_view expected) {
  if (Next(line)) {
    return Status::OK();
  }
  if (read_error_) {
    return ErrorHere("cannot read further (read error)");
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
  Status status = Open(path + kPartialSuffix);
  if (!status.ok()) {
    return Status::InFile(
        path, "cannot create the file (" + Reason(error_number_) + ")");
  }
  target_ = path;
  return Status::OK();
}

Status LineWriter::Commit() {
  std::string target = std::move(target_);
  target_.clear();
  Status status = Close();
  std::error_code ec;
  if (status.ok()) {
    std::filesystem::rename(name_, target, ec);
    if (!ec) {
      return Status::OK();
    }
    status = Status::InFile(target,
                            "cannot replace the file (" + ec.message() + ")");
  } else {
    status = Status::InFile(
        target, "cannot write the file (" + Reason(error_number_) + ")");
  }
  std::filesystem::remove(name_, ec);
  return status;
}

void LineWriter::Abandon() {
  Close().ok();  // the partial file goes whatever its state
  if (!target_.empty()) {
    std::error_code ec;
    std::filesystem::remove(name_, ec);
    target_.clear();
  }
}

Status LineWriter::Open(const std::string& path) {
  if (file_ != nullptr) {
    std::fclose(file_);
  }
  target_.clear();
  name_ = path;
  pending_.clear();
  buffer_.clear();
  buffer_.reserve(kBufferSize + 1024);
  write_error_ = false;
  error_number_ = 0;
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    error_number_ = errno;
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

void LineWriter::FlushBuffer() {
  if (file_ != nullptr && !buffer_.empty() && !write_error_) {
    errno = 0;
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) !=
        buffer_.size()) {
      write_error_ = true;
      error_number_ = errno;
    }
  }
  buffer_.clear();
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
