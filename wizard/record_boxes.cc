#include "wizard/record_boxes.h"

#include <QLineEdit>

#include "wizard/text_bytes.h"

namespace zum {

bool ShowText(QLineEdit* box, const std::string& text) {
  // Compared as bytes: a text that the code page cannot hold reads back
  // otherwise, and must not be replaced while it is typed.
  if (Bytes(box->text()) == text) {
    return false;
  }
  box->setText(FromBytes(text));
  return true;
}

void WriteOnEdit(QLineEdit* box, std::string* field) {
  QObject::connect(box, &QLineEdit::textEdited, box,
                   [field](const QString& text) { *field = Bytes(text); });
}

}  // namespace zum
