#ifndef ZUM_WIZARD_TEXT_BYTES_H_
#define ZUM_WIZARD_TEXT_BYTES_H_

#include <string>

#include <QString>

namespace zum {

// The engine and the settings files take texts as bytes in the system's
// 8-bit code page (UTF-8 on Linux, the ANSI code page on Windows); the
// controls hold QStrings.
inline std::string Bytes(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

inline QString FromBytes(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(),
                                static_cast<qsizetype>(bytes.size()));
}

}  // namespace zum

#endif  // ZUM_WIZARD_TEXT_BYTES_H_
