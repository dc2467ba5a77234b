#ifndef ZUM_ENGINE_LINE_IO_H_
#define ZUM_ENGINE_LINE_IO_H_

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/file_system.h"
#include "engine/status.h"

namespace zum {

// Removes every temporary file that a LineWriter has open now. Safe to call
// from a signal handler: it only unlinks names kept in fixed storage.
void RemoveTemporaryFiles();

// The folder of PATH ("." when PATH names none) and where its file name
// starts.
std::string FolderOf(const std::string& path);
size_t FileNameStart(const std::string& path);

// At most this many bytes of a target's file name start its temporary
// files' names, so that their length does not depend on the target's.
inline constexpr size_t kTemporaryHead = 24;

// The start of the name of every temporary file of TARGET: TARGET's folder,
// the first kTemporaryHead bytes of its file name (never half a UTF-8
// character), a dot, 8 hex digits of a hash of the whole file name and a
// dot. Six letters or digits and LineWriter::kPartialSuffix complete it.
std::string TemporaryPrefix(const std::string& target);

// A name for a new temporary file of TARGET, not yet taken as far as
// chance goes.
std::string NewTemporaryName(const std::string& target);

// Removes the temporary files of TARGET that lie beside it. Only for a
// caller that knows their writers gone (see OutputLock).
void RemoveStaleTemporaries(const std::string& target, FileSystem* fs);

// True when A and B name the same file: the same file on FS when both
// exist (links and hard links included), otherwise the same normalised
// absolute path.
bool SameFile(const std::string& a, const std::string& b,
              FileSystem* fs = RealFileSystem());

// The longest line a reader takes: far above any exporter's line or any
// settings value.
inline constexpr size_t kMaxLineLength = 1 << 20;

// Reads a text file line by line as bytes. CR LF, LF and a lone CR each end
// a line; the line returned carries no line end. The reader knows its file
// name and the number of the last line it returned, so every error can name
// both. Not copyable; the file is closed by Close() or the destructor.
class LineReader {
 public:
  // FS must outlive the reader.
  explicit LineReader(FileSystem* fs = RealFileSystem()) : fs_(fs) {}
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Opens PATH for reading. Anything but a regular file is refused before
  // it is opened ("PATH: is a directory", "PATH: not a regular file"), so a
  // FIFO or a device cannot block the reader. On failure returns "PATH:
  // cannot open for reading (reason)".
  Status Open(const std::string& path);
  // Open(), and then refuses a file without a single byte: "PATH: the file
  // is empty" (or the read failure that came first).
  Status OpenNonEmpty(const std::string& path);
  void Close();
  bool is_open() const { return file_ != nullptr; }

  // Appends the rest of the open file to *BYTES, at most LIMIT bytes. True
  // when that reached the end of the file; false when more was left (or a
  // read failed: see status()). Lines read afterwards start after *BYTES.
  bool ReadUpTo(size_t limit, std::string* bytes);
  // Reads TEXT as the content of the file PATH, from its first line: the
  // lines and errors are those of a file holding TEXT.
  void OpenText(const std::string& path, std::string text);

  // True when no further line can be read: at the end of the file or after
  // a read failure (see status()).
  bool AtEnd();

  // Reads the next line into *line. At the end of the file returns the
  // error "FILE:LINE: the file ends here, but EXPECTED was expected", LINE
  // being the last line read; after a read failure returns status().
  Status ReadLine(std::string* line, std::string_view expected);

  // Reads the next line; false at the end of the file and after a read
  // failure, which every caller tells apart through status(). A line cut by
  // a read failure is never returned.
  bool Next(std::string* line);

  // Next() and ReadLine() without a copy: *LINE views the reader's buffer
  // and stays valid until the reader's next call. The byte after it is
  // readable and is its line end (CR or LF) or a NUL, so that a scan of the
  // line may stop there without testing its length.
  bool NextView(std::string_view* line);
  Status ReadLineView(std::string_view* line, std::string_view expected);

  // Passes over the next line as ReadLine() reads it, with the same line
  // count and errors, without keeping it: a line only counted costs no copy.
  Status SkipLine(std::string_view expected);

  // OK, or the read failure that stopped the reader: "FILE:LINE: cannot
  // read the file (reason)", LINE being the line that could not be read, or
  // "FILE:LINE: line longer than N bytes" for a line over the maximum.
  Status status() const;

  // Lines longer than this many bytes stop the reader as a read failure
  // does (see status()); no more of one than that is held in memory.
  // Default: kMaxLineLength.
  void set_max_line_length(size_t bytes) { max_line_length_ = bytes; }

  const std::string& name() const { return name_; }
  long line_number() const { return line_number_; }

  // An error about the last line returned: "FILE:LINE: MESSAGE".
  Status ErrorHere(const std::string& message) const {
    return Status::AtLine(name_, line_number_, message);
  }

 private:
  // Closes any file and starts over on PATH at line 0 with BUFFERED as the
  // bytes read so far; EOF tells whether more come from a file.
  void Restart(const std::string& path, std::string buffered, bool eof);

  bool Fill();
  // Moves the unread bytes to the buffer's front and reads more after them;
  // false at the end of the file or after a read failure.
  bool ReadMore();
  // Why the last NextView() gave no line: status() after a read failure,
  // else the end of the file where EXPECTED was expected.
  Status EndOrFailure(std::string_view expected) const;

  FileSystem* fs_;
  std::FILE* file_ = nullptr;
  std::string name_;
  long line_number_ = 0;
  // The bytes read are [0, end_) of the buffer; [pos_, end_) are not yet
  // returned.
  std::string buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool eof_ = false;
  bool in_line_ = false;  // Next() has counted a line it has not returned
  // errno of a read failure, -1 when unknown, or kLineTooLong.
  int read_error_ = 0;
  static constexpr int kLineTooLong = -2;
  size_t max_line_length_ = kMaxLineLength;
  long error_line_ = 0;
};

// Writes a text file line by line; every line gets CR LF. Output is
// buffered; Close() reports any write failure.
//
// Opened with OpenReplacing(), the writer writes beside the target, into a
// temporary file of its own (see TemporaryPrefix), created exclusively so
// that two runs never share one. Commit() syncs the complete file to the
// disk, puts it in the target's place and syncs the folder, so that after a
// power cut the target is the old file or the complete new one; until then
// an existing target is untouched, and a writer destroyed or abandoned
// before its commit removes its temporary file. No output name ends in
// kPartialSuffix, so a temporary left by a killed process is never taken for
// an output.
//
// A target that is a symbolic link stays one: the file it leads to is
// replaced, by a temporary file made in that file's folder. A replaced
// file's permission bits are kept.
class LineWriter {
 public:
  static constexpr const char* kPartialSuffix = ".zum-partial";

  // FS must outlive the writer.
  explicit LineWriter(FileSystem* fs = RealFileSystem()) : fs_(fs) {}
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
  // Syncs and closes the temporary file, keeping it for Commit(); returns
  // any write failure, naming the target. Commit() calls it when needed.
  Status Finish();
  // Finishes the temporary file, renames it onto the target and syncs the
  // target's folder. On any failure before the rename the temporary file is
  // removed, the target left as it was, and the error names the target.
  Status Commit();
  // For a caller that renames the finished temporary file itself (see
  // CommitPair): the file is the target's now and no longer this writer's.
  void Committed();
  // Syncs FILE's folder; an error names the target.
  Status SyncFolderOf(const std::string& file);
  // The temporary file, and the file it replaces once links are followed.
  const std::string& temporary_name() const { return name_; }
  const std::string& target() const { return target_; }
  // The target as given to OpenReplacing, which messages name.
  const std::string& shown_name() const { return shown_; }
  // Closes and removes the partial file; the target stays as it was.
  void Abandon();

  void WriteLine(std::string_view line);
  void WriteEmptyLine() { WriteLine({}); }
  // Writes TEXT as it is: whole lines, each already ended by CR LF. A large
  // text goes to the file at once, without a copy in the buffer.
  void WriteText(std::string_view text);

  // Appends raw text to the current line being built; EndLine() ends it.
  void Append(std::string_view text) { pending_.append(text); }
  void EndLine();

  const std::string& name() const { return name_; }

 private:
  void FlushBuffer();
  void WriteToFile(std::string_view bytes);
  // Asks the system to start writing what the file holds to the disk.
  void StartWriteback();
  // Bytes written since the last StartWriteback; every this many bytes a
  // large file's writing to the disk starts while the run goes on.
  static constexpr size_t kWritebackBytes = 8 << 20;
  size_t unsynced_ = 0;
  // Abandons any file and starts afresh on PATH.
  void Reset(const std::string& path);

  FileSystem* fs_;
  std::FILE* file_ = nullptr;
  std::string name_;
  std::string shown_;
  std::string target_;  // set by OpenReplacing until committed or abandoned
  int temporary_slot_ = -1;  // where RemoveTemporaryFiles() finds name_
  std::string pending_;
  std::string buffer_;
  bool write_error_ = false;
  int error_number_ = 0;
};

}  // namespace zum

#endif  // ZUM_ENGINE_LINE_IO_H_
