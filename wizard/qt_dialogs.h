#ifndef ZUM_WIZARD_QT_DIALOGS_H_
#define ZUM_WIZARD_QT_DIALOGS_H_

#include "wizard/dialogs.h"

class QWidget;

namespace zum {

// Dialogs shown with QMessageBox, QInputDialog and QFileDialog, modal to a
// parent window.
class QtDialogs : public Dialogs {
 public:
  QtDialogs() = default;

  // The window the dialogs are modal to; may be null. It must outlive every
  // later call.
  void set_parent(QWidget* parent) { parent_ = parent; }

  Answer ShowMessageBox(const QString& text, const QString& title, Icon icon,
                        Buttons buttons) override;
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& default_text) override;
  QString OpenFile(const QString& title, const QStringList& filters) override;
  QStringList OpenFiles(const QString& title,
                        const QStringList& filters) override;
  QString SaveFile(const QString& title, const QStringList& filters,
                   const QString& suggested) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace zum

#endif  // ZUM_WIZARD_QT_DIALOGS_H_
