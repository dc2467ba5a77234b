#ifndef ZUM_WIZARD_TEXT_BYTES_H_
#define ZUM_WIZARD_TEXT_BYTES_H_

#include <string>

#include <QString>
#include <QStringList>

#include "settings/relative_names.h"

namespace zum {

// The engine and the settings take every text and name in UTF-8, on every
// system; the controls hold QStrings. (The ANSI code page is met only where
// an 8-bit program reads ZUM's outputs: see output_code_page.h.)
inline std::string Bytes(const QString& text) {
  return text.toUtf8().toStdString();
}

inline QString FromBytes(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A file name from a dialog or a drop as the boxes hold it: with the
// system's own separators (NativeSeparators; backslashes on Windows).
inline QString NativeName(const QString& name) {
  return FromBytes(NativeSeparators(Bytes(name)));
}

inline QStringList NativeNames(const QStringList& names) {
  QStringList native;
  for (const QString& name : names) {
    native << NativeName(name);
  }
  return native;
}

}  // namespace zum

#endif  // ZUM_WIZARD_TEXT_BYTES_H_
