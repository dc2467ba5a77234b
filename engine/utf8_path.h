#ifndef ZUM_ENGINE_UTF8_PATH_H_
#define ZUM_ENGINE_UTF8_PATH_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace zum {

// std::filesystem reads a narrow string in the ANSI code page on Windows;
// ZUM's names are UTF-8, and reach it and leave it as such only through
// these two.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// NAME made absolute from the current folder and normalised ("a/./b/../c"
// is "a/c"); NAME itself when the current folder cannot be had.
inline std::string AbsoluteName(const std::string& name) {
  std::error_code ec;
  const std::filesystem::path absolute =
      std::filesystem::absolute(Utf8Path(name), ec);
  return ec ? name : Utf8Text(absolute.lexically_normal());
}

}  // namespace zum

#endif  // ZUM_ENGINE_UTF8_PATH_H_
