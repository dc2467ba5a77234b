#include "engine/text_encoding.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zum {
namespace {

// Windows-1252's bytes 80..9F; the rest of the code page is Latin-1.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The character at TEXT[*POS], advancing *POS; false (and *POS unchanged)
// where TEXT holds no well-formed UTF-8 sequence.
bool NextCharacter(std::string_view text, size_t* pos, char32_t* c) {
  const auto byte = [&text](size_t i) {
    return static_cast<unsigned char>(text[i]);
  };
  const unsigned char lead = byte(*pos);
  size_t length = 0;
  char32_t value = 0;
  char32_t lowest = 0;
  if (lead < 0x80) {
    *c = lead;
    ++*pos;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return false;
  }
  if (text.size() - *pos < length) {
    return false;
  }
  for (size_t i = 1; i < length; ++i) {
    if ((byte(*pos + i) & 0xC0) != 0x80) {
      return false;
    }
    value = (value << 6) | (byte(*pos + i) & 0x3F);
  }
  if (value < lowest || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF)) {
    return false;
  }
  *c = value;
  *pos += length;
  return true;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  size_t pos = 0;
  char32_t c = 0;
  while (pos < text.size()) {
    if (!NextCharacter(text, &pos, &c)) {
      return false;
    }
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    AppendUtf8(u >= 0x80 && u < 0xA0 ? k1252High[u - 0x80] : u, &out);
  }
  return out;
}

bool Utf8ToWindows1252(std::string_view utf8, std::string* bytes) {
  bytes->clear();
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    if (!NextCharacter(utf8, &pos, &c)) {
      return false;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      bytes->push_back(static_cast<char>(c));
      continue;
    }
    bool found = false;
    for (int i = 0; i < 32 && !found; ++i) {
      if (k1252High[i] == c) {
        bytes->push_back(static_cast<char>(0x80 + i));
        found = true;
      }
    }
    if (!found) {
      return false;
    }
  }
  return true;
}

#ifdef _WIN32
namespace {

// BYTES, in the code page CODE_PAGE, as UTF-16.
std::wstring WideFromCodePage(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) {
    return std::wstring();
  }
  const int size = static_cast<int>(bytes.size());
  const int n =
      MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), n);
  return wide;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  return WideFromCodePage(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) {
    return std::string();
  }
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0,
                                    nullptr, nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr,
                      nullptr);
  return utf8;
}

std::string AnsiToUtf8(std::string_view bytes) {
  return Narrow(WideFromCodePage(CP_ACP, bytes));
}

bool Utf8ToAnsi(std::string_view utf8, std::string* bytes) {
  bytes->clear();
  if (!IsValidUtf8(utf8)) {
    return false;
  }
  // A system set to UTF-8 as its ANSI code page holds every character.
  if (GetACP() == CP_UTF8) {
    bytes->assign(utf8);
    return true;
  }
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) {
    return true;
  }
  const int size = static_cast<int>(wide.size());
  // No best fit: a character the code page lacks is a failure, not a
  // look-alike that names another file.
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                    size, nullptr, 0, nullptr, &lossy);
  bytes->assign(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                      bytes->data(), n, nullptr, &lossy);
  return n > 0 && lossy == FALSE;
}

std::string AnsiCodePageName() {
  return std::to_string(GetACP());
}
#else
std::string AnsiToUtf8(std::string_view bytes) {
  return Windows1252ToUtf8(bytes);
}

bool Utf8ToAnsi(std::string_view utf8, std::string* bytes) {
  return Utf8ToWindows1252(utf8, bytes);
}

std::string AnsiCodePageName() {
  return "1252";
}
#endif

std::string SettingsTextToUtf8(std::string_view bytes) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return IsValidUtf8(bytes) ? std::string(bytes) : AnsiToUtf8(bytes);
}

}  // namespace zum
