#ifndef ZUM_ENGINE_STATUS_H_
#define ZUM_ENGINE_STATUS_H_

#include <string>
#include <string_view>
#include <utility>

namespace zum {

// The longest file name that messages repeat whole.
inline constexpr size_t kMaxNameInMessage = 260;

// NAME as messages show it: whole up to kMaxNameInMessage bytes, or else
// its first and last 120 bytes with "..." between them (never half a UTF-8
// character), so that a name of any length makes a message of a few lines.
inline std::string ShortName(std::string_view name) {
  if (name.size() <= kMaxNameInMessage) {
    return std::string(name);
  }
  constexpr size_t kKept = 120;
  auto continuation = [&name](size_t i) {
    return (static_cast<unsigned char>(name[i]) & 0xC0) == 0x80;
  };
  size_t head = kKept;
  while (head > 0 && continuation(head)) {
    --head;
  }
  size_t tail = name.size() - kKept;
  while (tail < name.size() && continuation(tail)) {
    ++tail;
  }
  return std::string(name.substr(0, head)) + "..." +
         std::string(name.substr(tail));
}

// The outcome of an operation: success, or an error with a message that says
// where and what, for example "door_0.asm:412: keyframe table has 1100 rows;
// at most 1025 fit". Errors are values; nothing in the engine throws.
class Status {
 public:
  Status() = default;

  static Status OK() { return Status(); }
  static Status Error(std::string message) {
    return Status(std::move(message));
  }
  // An error that names a line of a file: "FILE:LINE: message", FILE
  // shortened (ShortName), as in every error that names a file.
  static Status AtLine(const std::string& file, long line,
                       const std::string& message) {
    return Status(ShortName(file) + ":" + std::to_string(line) + ": " +
                  message);
  }
  // An error that names a file but no line: "FILE: message".
  static Status InFile(const std::string& file, const std::string& message) {
    return Status(ShortName(file) + ": " + message);
  }

  bool ok() const { return !error_; }
  const std::string& message() const { return message_; }
  std::string ToString() const { return ok() ? "OK" : message_; }

 private:
  explicit Status(std::string message)
      : error_(true), message_(std::move(message)) {}

  bool error_ = false;
  std::string message_;
};

}  // namespace zum

// Returns from the calling function when EXPR yields an error status.
#define ZUM_RETURN_IF_ERROR(expr)       \
  do {                                  \
    ::zum::Status zum_status_ = (expr); \
    if (!zum_status_.ok())              \
      return zum_status_;               \
  } while (false)

#endif  // ZUM_ENGINE_STATUS_H_
