// Windows backend of ConsoleChild: CreatePipe, CreateProcessA with a hidden
// window, ReadFile, CloseHandle.
#ifdef _WIN32

#include <windows.h>

#include <vector>

#include "compiler/console_child.h"

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

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = nullptr;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  PROCESS_INFORMATION process = {};

  // CreateProcessA may write into the command line, so it gets a copy.
  std::vector<char> line(command_line.begin(), command_line.end());
  line.push_back('\0');
  const BOOL started = CreateProcessA(nullptr, line.data(), &security,
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

bool ConsoleChild::Read(char* buffer, std::size_t size, std::size_t* count) {
  *count = 0;
  if (read_handle_ == nullptr) {
    return false;
  }
  DWORD got = 0;
  const BOOL ok = ReadFile(static_cast<HANDLE>(read_handle_), buffer,
                           static_cast<DWORD>(size), &got, nullptr);
  if (!ok) {
    return false;
  }
  *count = got;
  return true;
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
