#ifndef ZUM_ENGINE_LINE_IO_H_
#define ZUM_ENGINE_LINE_IO_H_

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/status.h"

namespace zum {

// Reads a text file line by line as bytes. CR LF, LF and a lone CR each end
// a line; the line returned carries no line end. The reader knows its file
// name and the number of the last line it returned, so every error can name
// both. Not copyable; the file is closed by Close() or the destructor.
class LineReader {
 public:
  LineReader() = default;
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens PATH for reading. On failure returns "PATH: cannot open for
  // reading (reason)".
  Status Open(const std::string& path);
  void Close();
  bool is_open() const { return file_ != nullptr; }

  // True when no further line can be read.
  bool AtEnd();

  // Reads the next line into *line. At the end of the file returns the
  // error "FILE:LINE: the file ends here, but EXPECTED was expected", LINE
  // being the last line read.
  Status ReadLine(std::string* line, std::string_view expected);

  // Reads the next line; false at the end of the file.
  bool Next(std::string* line);

  const std::string& name() const { return name_; }
  long line_number() const { return line_number_; }

  // An error about the last line returned: "FILE:LINE: MESSAGE".
  Status ErrorHere(const std::string& message) const {
    return Status::AtLine(name_, line_number_, message);
  }

 private:
  bool Fill();

  std::FILE* file_ = nullptr;
  std::string name_;
  long line_number_ = 0;
  static constexpr size_t kNoLf = static_cast<size_t>(-1);

  std::string buffer_;
  size_t pos_ = 0;
  size_t next_lf_ = kNoLf;  // index of the next LF in buffer_, or its size
  bool eof_ = false;
  bool read_error_ = false;
};

// Writes a text file line by line; every line gets CR LF. Output is
// buffered; Close() reports any write failure.
//
// Opened with OpenReplacing(), the writer writes beside the target, into
// TARGET + kPartialSuffix, and Commit() puts the complete file in the
// target's place; until then an existing target is untouched, and a writer
// destroyed or abandoned before its commit removes the partial file.
class LineWriter {
 public:
  static constexpr const char* kPartialSuffix = ".zum-partial";

  LineWriter() = default;
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // Creates (or empties) PATH for writing.
  Status Open(const std::string& path);
  // Flushes and closes; returns the first write error, if any.
  Status Close();
  bool is_open() const { return file_ != nullptr; }

  // Starts a file that replaces PATH only when committed. Errors name PATH.
  Status OpenReplacing(const std::string& path);
  // Closes the partial file and renames it onto the target. On any failure
  // the partial file is removed, the target left as it was, and the error
  // names the target.
  Status Commit();
  // Closes and removes the partial file; the target stays as it was.
  void Abandon();

  void WriteLine(std::string_view line);
  void WriteEmptyLine() { WriteLine({}); }

  // Appends raw text to the current line being built; EndLine() ends it.
  void Append(std::string_view text) { pending_.append(text); }
  void EndLine();

  const std::string& name() const { return name_; }

 private:
  void FlushBuffer();

  std::FILE* file_ = nullptr;
  std::string name_;
  std::string target_;  // set by OpenReplacing until committed or abandoned
  std::string pending_;
  std::string buffer_;
  bool write_error_ = false;
  int error_number_ = 0;
};

}  // namespace zum

#endif  // ZUM_ENGINE_LINE_IO_H_
