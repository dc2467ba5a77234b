// Windows backend of ConsoleChild: CreatePipe, CreateProcessW with a hidden
// window, ReadFile, CloseHandle.
#ifdef _WIN32

#include <windows.h>

#include <string>

#include "compiler/console_child.h"
#include "engine/text_encoding.h"

namespace zum {
namespace {

void CloseAndClear(void** handle) {
  if (*handle != nullptr) {
    CloseHandle(static_cast<HANDLE>(*handle));
    *handle = nullptr;
  }
}

}  // namespace

ConsoleChild::~ConsoleChild() {
  Close();
}

ChildStartResult ConsoleChild::Start(const std::string& command_line) {
  ChildStartResult result;
  SECURITY_ATTRIBUTES security = {};
  security.nLength = sizeof(security);
  security.lpSecurityDescriptor = nullptr;
  security.bInheritHandle = TRUE;

  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &security, 0)) {
    result.outcome = ChildStart::kPipeFailed;
    result.error_code = GetLastError();
    return result;
  }
  // Of the pipe the child inherits only the write end, as its standard
  // output and standard error.
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = nullptr;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  PROCESS_INFORMATION process = {};

  // The command line in UTF-16, whatever its letters; CreateProcessW may
  // write into it, so it is a copy.
  std::wstring line = Widen(command_line);
  const BOOL started = CreateProcessW(nullptr, line.data(), &security,
                                      &security, TRUE, NORMAL_PRIORITY_CLASS,
                                      nullptr, nullptr, &startup, &process);
  if (started != 1) {
    CloseHandle(read_end);
    CloseHandle(write_end);
    result.outcome = ChildStart::kNotFound;
    return result;
  }
  CloseHandle(write_end);
  read_handle_ = read_end;
  process_handle_ = process.hProcess;
  thread_handle_ = process.hThread;
  return result;
}

ChildOutput ConsoleChild::Wait(char* buffer, std::size_t size,
                               std::size_t* count, int timeout_ms) {
  *count = 0;
  if (read_handle_ == nullptr) {
    return ChildOutput::kEnded;
  }
  HANDLE pipe = static_cast<HANDLE>(read_handle_);
  HANDLE process = static_cast<HANDLE>(process_handle_);
  // An anonymous pipe cannot be waited on: it is looked into between short
  // waits on the process.
  const ULONGLONG deadline =
      GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
      CloseAndClear(&read_handle_);
      return ChildOutput::kEnded;
    }
    if (available > 0) {
      DWORD got = 0;
      const DWORD wanted =
          static_cast<DWORD>(size < available ? size : available);
      if (!ReadFile(pipe, buffer, wanted, &got, nullptr) || got == 0) {
        CloseAndClear(&read_handle_);
        return ChildOutput::kEnded;
      }
      *count = got;
      return ChildOutput::kRead;
    }
    // Ended, and nothing left in the pipe: what the child started may
    // hold the pipe open, but it is no longer waited for.
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
      PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr);
      if (available == 0) {
        CloseAndClear(&read_handle_);
        return ChildOutput::kEnded;
      }
      continue;
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) {
      return ChildOutput::kWaiting;
    }
    const ULONGLONG left = deadline - now;
    WaitForSingleObject(process, static_cast<DWORD>(left < 10 ? left : 10));
  }
}

void ConsoleChild::Kill() {
  if (process_handle_ != nullptr) {
    TerminateProcess(static_cast<HANDLE>(process_handle_), 1);
  }
}

void ConsoleChild::Close() {
  if (process_handle_ != nullptr) {
    HANDLE process = static_cast<HANDLE>(process_handle_);
    DWORD code = 0;
    if (WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process, &code)) {
      exit_code_ = code;
    }
  }
  CloseAndClear(&process_handle_);
  CloseAndClear(&thread_handle_);
  CloseAndClear(&read_handle_);
}

}  // namespace zum

#endif  // _WIN32
