#include "wizard/one_line_boxes.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QValidator>

#include "wizard/dialogs.h"

namespace zum {
namespace {

// Refuses a text with a line break. A refused edit is told once, after the
// box has undone it: a message box opened while the box is still changing
// would run the window's events in the middle of that change.
class OneLineValidator : public QValidator {
 public:
  OneLineValidator(QLineEdit* box, Dialogs* dialogs)
      : QValidator(box), dialogs_(dialogs) {}

  State validate(QString& input, int& /*pos*/) const override {
    if (!input.contains(QLatin1Char('\n')) &&
        !input.contains(QLatin1Char('\r'))) {
      return Acceptable;
    }
    if (!telling_) {
      telling_ = true;
      QMetaObject::invokeMethod(
          const_cast<OneLineValidator*>(this),
          [this] {
            telling_ = false;
            dialogs_->ShowError(
                tr("A text in ZUM is one line, as the settings file keeps "
                   "it: the text with a line break was not taken."));
          },
          Qt::QueuedConnection);
    }
    return Invalid;
  }

 private:
  Dialogs* dialogs_;
  mutable bool telling_ = false;
};

}  // namespace

void RefuseLineBreaksInBoxes(QWidget* window, Dialogs* dialogs) {
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    box->setValidator(new OneLineValidator(box, dialogs));
  }
}

}  // namespace zum
