#ifndef ZUM_ENGINE_TEXT_ENCODING_H_
#define ZUM_ENGINE_TEXT_ENCODING_H_

#include <string>
#include <string_view>

// Inside ZUM every name and text is UTF-8. These functions convert at the
// edges: settings files written by older tools in an 8-bit code page, the
// outputs that an 8-bit compiler reads, and on Windows the UTF-16 of the
// system's wide functions.
namespace zum {

// True when TEXT is well-formed UTF-8: no stray continuation byte, no
// overlong form, no surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// BYTES read as Windows-1252, in UTF-8. Never fails: the five bytes that the
// code page leaves undefined (81, 8D, 8F, 90, 9D) stand for the C1 control
// characters of the same number, as Windows reads them.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF8 (valid UTF-8) written in Windows-1252 into *BYTES. False when a
// character has no byte there; *BYTES is then unspecified.
bool Utf8ToWindows1252(std::string_view utf8, std::string* bytes);

// The system's 8-bit code page: on Windows the ANSI code page (GetACP());
// elsewhere, where no system code page is to be asked, Windows-1252.
std::string AnsiToUtf8(std::string_view bytes);
bool Utf8ToAnsi(std::string_view utf8, std::string* bytes);
// "1252": the number of that code page, for messages.
std::string AnsiCodePageName();

// The text of a settings file in UTF-8: the file's BYTES as UTF-8 when they
// are valid UTF-8, else read in the ANSI code page (AnsiToUtf8), so that
// files written by older tools keep working. A leading UTF-8 byte order mark
// is dropped. ASCII comes out as it went in.
std::string SettingsTextToUtf8(std::string_view bytes);

#ifdef _WIN32
// UTF-8 and the UTF-16 of the wide Windows functions. Invalid UTF-8 becomes
// U+FFFD, so a name that is no text reaches no file.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
#endif

}  // namespace zum

#endif  // ZUM_ENGINE_TEXT_ENCODING_H_
