#ifndef ZUM_WIZARD_TESTING_H_
#define ZUM_WIZARD_TESTING_H_

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "engine/testing.h"
#include "wizard/dialogs.h"
#include "wizard/form1.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Helpers of the window tests. Used by tests only.
namespace zum::testing {

// One dialog that the window asked for.
struct ShownDialog {
  enum class Kind { kMessage, kInput, kOpenFile };
  Kind kind = Kind::kMessage;
  QString text;  // message text or prompt
  QString title;
  Dialogs::Icon icon = Dialogs::Icon::kNone;
  Dialogs::Buttons buttons = Dialogs::Buttons::kOk;
  QStringList filters;
};

// Dialogs that record what was shown and answer from queues. A question or
// a file dialog with no scripted answer fails the test and answers No or
// Cancel.
class ScriptedDialogs : public Dialogs {
 public:
  Answer ShowMessageBox(const QString& text, const QString& title, Icon icon,
                        Buttons buttons) override;
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& default_text) override;
  QString OpenFile(const QString& title, const QStringList& filters) override;

  std::vector<ShownDialog> shown;
  std::deque<Answer> answers;  // for yes/no questions
  std::deque<QString> inputs;
  std::deque<QString> files;  // "" answers Cancel
};

// A fresh window over a temporary program folder, shown offscreen. The
// fixture checks that no top-level widget is left once the window is gone.
class WizardTest : public ::testing::Test {
 protected:
  WizardTest();
  ~WizardTest() override;
  void TearDown() override;

  template <typename W>
  W* Find(const QString& name) {
    W* widget = form_->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    return widget;
  }
  QLineEdit* Edit(const QString& name);
  QPushButton* Button(const QString& name);
  QCheckBox* Check(const QString& name);
  QRadioButton* Option(const QString& name);
  QLabel* Label(const QString& name);
  QComboBox* List(const QString& name);

  // Whether control NAME is shown (its own state: its page may be hidden).
  bool Shown(const QString& name);
  bool Enabled(const QString& name);

  void Type(const QString& name, const QString& text);
  // Clicks button NAME as the user would; fails when it is disabled or
  // hidden.
  void Click(const QString& name);
  // Next / Previous on the page shown.
  void ClickNext();
  void ClickPrev();
  // Walks from the page shown to PAGE with Next, failing if a page refuses.
  void WalkTo(int page);

  // The message boxes shown so far, as "title|text".
  std::vector<std::string> Messages() const;

  TempDir folder_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<Form1> form_;
};

}  // namespace zum::testing

#endif  // ZUM_WIZARD_TESTING_H_
