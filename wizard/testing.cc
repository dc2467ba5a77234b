#include "wizard/testing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zum::testing {

Dialogs::Answer ScriptedDialogs::ShowMessageBox(const QString& text,
                                                const QString& title, Icon icon,
                                                Buttons buttons) {
  shown.push_back(
      {ShownDialog::Kind::kMessage, text, title, icon, buttons, {}});
  if (buttons == Buttons::kOk) {
    return Answer::kOk;
  }
  if (answers.empty()) {
    ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return Answer::kNo;
  }
  Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& /*default_text*/) {
  shown.push_back({ShownDialog::Kind::kInput,
                   prompt,
                   title,
                   Icon::kNone,
                   Buttons::kOk,
                   {}});
  if (inputs.empty()) {
    ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
    return QString();
  }
  QString input = inputs.front();
  inputs.pop_front();
  return input;
}

QString ScriptedDialogs::OpenFile(const QString& title,
                                  const QStringList& filters) {
  shown.push_back({ShownDialog::Kind::kOpenFile, QString(), title, Icon::kNone,
                   Buttons::kOk, filters});
  if (files.empty()) {
    ADD_FAILURE() << "unscripted file dialog: " << title.toStdString();
    return QString();
  }
  QString file = files.front();
  files.pop_front();
  return file;
}

WizardTest::WizardTest()
    : form_(std::make_unique<Form1>(
          &dialogs_, QString::fromStdString(folder_.path().string()))) {
  form_->show();
}

WizardTest::~WizardTest() = default;

void WizardTest::TearDown() {
  form_.reset();
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
  EXPECT_TRUE(dialogs_.answers.empty()) << "unused answers";
  EXPECT_TRUE(dialogs_.files.empty()) << "unused file answers";
}

QLineEdit* WizardTest::Edit(const QString& name) {
  return Find<QLineEdit>(name);
}
QPushButton* WizardTest::Button(const QString& name) {
  return Find<QPushButton>(name);
}
QCheckBox* WizardTest::Check(const QString& name) {
  return Find<QCheckBox>(name);
}
QRadioButton* WizardTest::Option(const QString& name) {
  return Find<QRadioButton>(name);
}
QLabel* WizardTest::Label(const QString& name) {
  return Find<QLabel>(name);
}
QComboBox* WizardTest::List(const QString& name) {
  return Find<QComboBox>(name);
}

bool WizardTest::Shown(const QString& name) {
  QWidget* widget = Find<QWidget>(name);
  return widget != nullptr && !widget->isHidden();
}

bool WizardTest::Enabled(const QString& name) {
  QWidget* widget = Find<QWidget>(name);
  return widget != nullptr && widget->isEnabled();
}

void WizardTest::Type(const QString& name, const QString& text) {
  QLineEdit* edit = Edit(name);
  ASSERT_NE(edit, nullptr);
  edit->setText(text);
}

void WizardTest::Click(const QString& name) {
  QAbstractButton* button = Find<QAbstractButton>(name);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled()) << name.toStdString() << " is disabled";
  ASSERT_FALSE(button->isHidden()) << name.toStdString() << " is hidden";
  button->click();
}

void WizardTest::ClickNext() {
  Click("cmd_next_" + QString::number(form_->CurrentPage()));
}

void WizardTest::ClickPrev() {
  Click("cmd_prev_" + QString::number(form_->CurrentPage()));
}

void WizardTest::WalkTo(int page) {
  while (form_->CurrentPage() < page) {
    int before = form_->CurrentPage();
    ClickNext();
    ASSERT_EQ(form_->CurrentPage(), before + 1)
        << "page " << before << " refused Next";
  }
}

std::vector<std::string> WizardTest::Messages() const {
  std::vector<std::string> messages;
  for (const ShownDialog& d : dialogs_.shown) {
    if (d.kind == ShownDialog::Kind::kMessage) {
      messages.push_back((d.title + "|" + d.text).toStdString());
    }
  }
  return messages;
}

}  // namespace zum::testing
