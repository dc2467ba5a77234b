#include "wizard/testing.h"

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include "settings/relative_names.h"
#include "settings/settings_file.h"
#include "settings/source_file_rows.h"
#include "wizard/screenshot_states.h"

namespace fs = std::filesystem;

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
  QStringList chosen = NextFiles(title);
  EXPECT_LE(chosen.size(), 1) << "several files for " << title.toStdString();
  return chosen.size() == 1 ? chosen.first() : QString();
}

QStringList ScriptedDialogs::OpenFiles(const QString& title,
                                       const QStringList& filters) {
  shown.push_back({ShownDialog::Kind::kOpenFiles, QString(), title, Icon::kNone,
                   Buttons::kOk, filters});
  return NextFiles(title);
}

QString ScriptedDialogs::SaveFile(const QString& title,
                                  const QStringList& filters,
                                  const QString& suggested) {
  shown.push_back({ShownDialog::Kind::kSaveFile, suggested, title, Icon::kNone,
                   Buttons::kOk, filters});
  QStringList chosen = NextFiles(title);
  EXPECT_LE(chosen.size(), 1) << "several files for " << title.toStdString();
  return chosen.size() == 1 ? chosen.first() : QString();
}

QStringList ScriptedDialogs::NextFiles(const QString& title) {
  if (files.empty()) {
    ADD_FAILURE() << "unscripted file dialog: " << title.toStdString();
    return {};
  }
  QStringList chosen = files.front();
  files.pop_front();
  return chosen;
}

std::string SnapshotDiff(const Snapshot& before, const Snapshot& after) {
  std::string out;
  for (const auto& [key, value] : after) {
    auto old = before.find(key);
    if (old == before.end() || old->second != value) {
      out += key + ":" + (value.empty() ? "" : " " + value) + "\n";
    }
  }
  for (const auto& [key, value] : before) {
    if (after.count(key) == 0) {
      out += key + ": (gone)\n";
    }
  }
  return out;
}

std::string ControlsDiff(Snapshot before, Snapshot after) {
  for (Snapshot* s : {&before, &after}) {
    std::erase_if(*s, [](const auto& entry) {
      return entry.first.rfind("dialog", 0) == 0 ||
             entry.first.rfind("file", 0) == 0 ||
             entry.first.rfind("mdata", 0) == 0;
    });
  }
  return SnapshotDiff(before, after);
}

WizardTest::WizardTest() {
  fs::copy(ZUM_EXAMPLES_DIR, objects_.path(), fs::copy_options::recursive);
  OpenWindow();
}

void WizardTest::OpenWindow() {
  form_ = std::make_unique<Form1>(
      &dialogs_, QString::fromStdString(folder_.path().string()), &disk_);
  // Four rows on the source file page, whatever the fonts' heights.
  form_->TEST_SetMostFileRows(SourceFileRows::kMinRowCount);
  form_->show();
}

WizardTest::~WizardTest() = default;

void WizardTest::TearDown() {
  form_.reset();
  // Every window is gone but Qt's own tooltip label, which a state that
  // shows a tooltip may leave behind.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_EQ(widget->windowType(), Qt::ToolTip)
        << widget->metaObject()->className() << " left open";
  }
  EXPECT_TRUE(dialogs_.answers.empty()) << "unused answers";
  EXPECT_TRUE(dialogs_.files.empty()) << "unused file answers";
}

void WizardTest::Run(std::initializer_list<std::string> steps) {
  for (const std::string& step : steps) {
    SCOPED_TRACE(step);
    Step(step);
  }
}

void WizardTest::Step(std::string step) {
  // Names and texts given to dialogs, drops and pastes read "\n" and "\r"
  // as line breaks; the folders put in below may hold backslashes.
  const std::string first_word = step.substr(0, step.find(' '));
  if (first_word == "file" || first_word == "files" || first_word == "drop" ||
      first_word == "input" || first_word == "paste") {
    for (auto [from, to] : {std::pair{"\\n", "\n"}, std::pair{"\\r", "\r"}}) {
      for (size_t at; (at = step.find(from)) != std::string::npos;) {
        step.replace(at, 2, to);
      }
    }
  }
  for (auto [from, to] : {std::pair{"$DIR", folder_.path().string()},
                          std::pair{"$OBJ", objects_.path().string()}}) {
    for (size_t at; (at = step.find(from)) != std::string::npos;) {
      step.replace(at, 4, to);
    }
  }
  const size_t blank = step.find(' ');
  const std::string verb = step.substr(0, blank);
  const std::string rest =
      blank == std::string::npos ? "" : step.substr(blank + 1);
  const QString arg = QString::fromStdString(rest);
  const size_t eq = step.find('=');
  if (eq != std::string::npos && eq < blank) {
    QString name = QString::fromStdString(step.substr(0, eq));
    QString value = QString::fromStdString(step.substr(eq + 1));
    QWidget* w = Find<QWidget>(name);
    if (auto* list = qobject_cast<QComboBox*>(w)) {
      list->setCurrentIndex(value.mid(1).toInt());
    } else {
      TEST_SetAsUser(w, value);
    }
  } else if (verb == "click") {
    if (auto* action = form_->findChild<QAction*>(arg)) {
      action->trigger();
      return;
    }
    QAbstractButton* button = Find<QAbstractButton>(arg);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << rest << " is disabled";
    ASSERT_FALSE(button->isHidden()) << rest << " is hidden";
    button->click();
  } else if (verb == "next" || verb == "prev") {
    Step("click cmd_" + verb + "_" + std::to_string(form_->CurrentPage()));
  } else if (verb == "walk") {
    while (form_->CurrentPage() < arg.toInt()) {
      int before = form_->CurrentPage();
      Step("next");
      ASSERT_EQ(form_->CurrentPage(), before + 1) << "page refused Next";
    }
  } else if (verb == "tab") {
    // tab FROM NAME..: from the control FROM, each Tab lands on the next NAME.
    const QStringList names = arg.split(' ');
    form_->activateWindow();
    QCoreApplication::processEvents();  // the platform makes it active
    Find<QWidget>(names[0])->setFocus(Qt::OtherFocusReason);
    for (const QString& name : names.mid(1)) {
      QWidget* from = QApplication::focusWidget();
      ASSERT_NE(from, nullptr) << "no control has the focus";
      QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
      QApplication::sendEvent(from, &tab);
      QWidget* to = QApplication::focusWidget();
      ASSERT_EQ((to ? to->objectName() : QString()).toStdString(),
                name.toStdString())
          << "Tab from " << from->objectName().toStdString();
    }
  } else if (verb == "show") {
    form_->TEST_ShowPage(arg.toInt());
  } else if (verb == "state") {
    ASSERT_TRUE(TEST_ApplyScreenshotState(form_.get(), arg));
  } else if (verb == "file") {
    dialogs_.files.push_back(arg.isEmpty() ? QStringList() : QStringList{arg});
  } else if (verb == "files") {
    dialogs_.files.push_back(arg.split('|'));
  } else if (verb == "drop") {
    QWidget* target = Find<QWidget>(arg.section(' ', 0, 0));
    ASSERT_NE(target, nullptr);
    while (target != nullptr && !target->acceptDrops()) {
      target = target->parentWidget();
    }
    ASSERT_NE(target, nullptr) << rest << ": nothing takes drops";
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : arg.section(' ', 1).split('|')) {
      urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    move.ignore();
    if (enter.isAccepted()) {
      QCoreApplication::sendEvent(target, &move);
    }
    if (enter.isAccepted() && move.isAccepted()) {
      QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton,
                      Qt::NoModifier);
      QCoreApplication::sendEvent(target, &drop);
    }
  } else if (verb == "wheel") {
    QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(),
                      QPoint(0, arg.section(' ', 1).toInt()), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Find<QWidget>(arg.section(' ', 0, 0)), &wheel);
  } else if (verb == "key") {
    static const std::map<QString, Qt::Key> kKeys = {
        {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
        {"Home", Qt::Key_Home},     {"End", Qt::Key_End},
        {"Space", Qt::Key_Space}};
    const QString key = arg.section(' ', 1);
    ASSERT_EQ(kKeys.count(key), 1u) << key.toStdString();
    QKeyEvent press(QEvent::KeyPress, kKeys.at(key), Qt::NoModifier,
                    key == "Space" ? QStringLiteral(" ") : QString());
    QCoreApplication::sendEvent(Find<QWidget>(arg.section(' ', 0, 0)), &press);
  } else if (verb == "cell") {
    // cell NAME ROW COLUMN TEXT types TEXT into a cell of the table NAME.
    auto* table = Find<QTableWidget>(arg.section(' ', 0, 0));
    ASSERT_NE(table, nullptr);
    QTableWidgetItem* item = table->item(arg.section(' ', 1, 1).toInt(),
                                         arg.section(' ', 2, 2).toInt());
    ASSERT_NE(item, nullptr) << rest;
    ASSERT_TRUE(item->flags() & Qt::ItemIsEditable) << rest;
    item->setText(arg.section(' ', 3));
  } else if (verb == "select") {
    // select NAME ROW makes ROW the current row of the table NAME.
    auto* table = Find<QTableWidget>(arg.section(' ', 0, 0));
    ASSERT_NE(table, nullptr);
    table->setCurrentCell(arg.section(' ', 1, 1).toInt(), 0);
  } else if (verb == "input") {
    dialogs_.inputs.push_back(arg);
  } else if (verb == "paste") {
    // paste NAME TEXT: TEXT pasted over the whole text of box NAME, as the
    // user's edit; a refusal is told once the edit is over.
    auto* box = Find<QLineEdit>(arg.section(' ', 0, 0));
    ASSERT_NE(box, nullptr);
    box->selectAll();
    box->insert(arg.section(' ', 1));
    QCoreApplication::sendPostedEvents();
  } else if (verb == "stopwhen") {
    // stopwhen TEXT: Stop is clicked once the compile log holds TEXT.
    auto* log = Find<QPlainTextEdit>("txt_compile_log");
    auto* stop = Find<QAbstractButton>("cmd_stop");
    stop_timer_ = std::make_unique<QTimer>();
    QObject::connect(stop_timer_.get(), &QTimer::timeout, [=, this] {
      if (log->toPlainText().contains(arg) && stop->isEnabled()) {
        stop_timer_->stop();
        stop->click();
      }
    });
    stop_timer_->start(20);
  } else if (verb == "answer") {
    dialogs_.answers.push_back(rest == "yes"  ? Dialogs::Answer::kYes
                               : rest == "no" ? Dialogs::Answer::kNo
                                              : Dialogs::Answer::kCancel);
  } else if (verb == "write") {
    std::vector<std::string> lines;
    for (const QString& line : arg.section(' ', 1).split('|')) {
      lines.push_back(line.toStdString());
    }
    WriteFile(folder_.File(arg.section(' ', 0, 0).toStdString()), CrLf(lines));
  } else if (verb == "mkdir") {
    fs::create_directory(folder_.File(rest));
  } else if (verb == "failcreate") {
    disk_.FailCreate(folder_.File(rest));
  } else if (verb == "edit") {
    // edit NAME N TEXT replaces line N; edit NAME N cuts the file before it.
    std::string path = folder_.File(arg.section(' ', 0, 0).toStdString());
    std::vector<std::string> lines = SplitCrLf(ReadFile(path));
    size_t n = arg.section(' ', 1, 1).toULongLong();
    ASSERT_LE(n, lines.size());
    if (arg.count(' ') >= 2) {
      lines[n - 1] = arg.section(' ', 2).toStdString();
    } else {
      lines.resize(n - 1);
    }
    WriteFile(path, CrLf(lines));
  } else if (verb == "cut") {
    std::string path = arg.section(' ', 0, 0).toStdString();
    std::string text = ReadFile(path);
    WriteFile(path,
              text.substr(0, text.rfind(arg.section(' ', 1).toStdString())));
  } else if (verb == "replace") {
    // replace PATH OLD => NEW: the first OLD in the file becomes NEW.
    std::string path = arg.section(' ', 0, 0).toStdString();
    const std::string edit = arg.section(' ', 1).toStdString();
    const size_t arrow = edit.find(" => ");
    ASSERT_NE(arrow, std::string::npos) << step;
    std::string text = ReadFile(path);
    const size_t at = text.find(edit.substr(0, arrow));
    ASSERT_NE(at, std::string::npos) << step;
    WriteFile(path, text.replace(at, arrow, edit.substr(arrow + 4)));
  } else if (verb == "compiler") {
    std::string path = folder_.File("bglc_9.exe");
    WriteFile(path, "#!/bin/sh\n" + rest + "\n");
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
  } else if (step == "close kept") {
    ASSERT_FALSE(form_->close());
    ASSERT_TRUE(form_->isVisible());
  } else if (verb == "close" || verb == "reopen") {
    if (verb == "close") {
      ASSERT_TRUE(form_->close());
    }
    form_.reset();
    OpenWindow();
  } else if (verb == "reload" || verb == "roundtrip") {
    Snapshot before = TakeSnapshot();
    Run({"input saved", "click mdata_9", "answer no", "close", "answer yes",
         "click mdata2_9"});
    if (verb == "roundtrip") {
      EXPECT_EQ(ControlsDiff(before, TakeSnapshot()), "");
    }
  } else {
    FAIL() << "unknown step " << step;
  }
}

Snapshot WizardTest::TakeSnapshot() {
  Snapshot s;
  auto paths = [this](QString text) {
    // A size the run summary gives for a file of these folders depends on
    // the folder's name: "(its size)" when it is the file's.
    for (const TempDir* dir : {&folder_, &objects_}) {
      for (const fs::directory_entry& e : fs::directory_iterator(dir->path())) {
        if (e.is_regular_file()) {
          text.replace(
              QStringLiteral("%1 (%2 bytes)")
                  .arg(QString::fromStdString(e.path().string()))
                  .arg(e.file_size()),
              QString::fromStdString(e.path().string()) + " (its size)");
        }
      }
    }
    text.replace(QString::fromStdString(folder_.path().string()), "$DIR");
    text.replace(QString::fromStdString(objects_.path().string()), "$OBJ");
#ifdef _WIN32
    // Dropped files name their folders with slashes.
    text.replace(QDir::fromNativeSeparators(
                     QString::fromStdString(folder_.path().string())),
                 "$DIR");
    text.replace(QDir::fromNativeSeparators(
                     QString::fromStdString(objects_.path().string())),
                 "$OBJ");
    // Windows joins a folder and a file name with a backslash.
    text.replace("$DIR\\", "$DIR/");
    text.replace("$OBJ\\", "$OBJ/");
#endif
    text.replace(ZUM_VERSION_TEXT, "$VERSION");
    text.replace("\n", "\\n");
    text.replace("\r", "\\r");
    return text.toStdString();
  };
  s["window"] = paths(form_->windowTitle()) +
                (form_->windowIcon().pixmap(48, 48).isNull() ? "" : " icon");
  s["page"] = std::to_string(form_->CurrentPage());
  // The control that has the focus, or had it last while the window was
  // inactive.
  s["focus"] = form_->focusWidget() != nullptr
                   ? form_->focusWidget()->objectName().toStdString()
                   : "";
  for (QWidget* w : form_->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) {
      continue;
    }
    QString state = QString(w->isHidden() ? "hidden " : "") +
                    (w->isEnabled() ? "" : "disabled ");
    if (!w->toolTip().isEmpty()) {
      state += "tip=" + w->toolTip() + " ";
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      state += "'" + edit->text() + "'";
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      state += "'" + button->text() + "'" + (button->isChecked() ? " on" : "");
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      state += "'" + label->text() + "'" +
               (label->pixmap().isNull() ? "" : " picture");
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
      state += QString("#%1 of %2 '%3'")
                   .arg(list->currentIndex())
                   .arg(list->count())
                   .arg(list->currentText());
    } else if (auto* log = qobject_cast<QPlainTextEdit*>(w)) {
      state += "'" + log->toPlainText() + "'";
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
      state += "'" + text->toPlainText() + "'";
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
      state += QString::number(bar->value());
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
      // Rows as "cell|cell|..", separated by "; ".
      QStringList rows;
      for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
          const QTableWidgetItem* item = table->item(row, column);
          cells << (item != nullptr ? item->text() : QString());
        }
        rows << cells.join('|');
      }
      state += "rows " + rows.join("; ");
    }
    s[w->objectName().toStdString()] = paths(state.trimmed());
  }
  for (QAction* a : form_->findChildren<QAction*>()) {
    if (!a->objectName().isEmpty()) {
      // A hidden entry or warning mark reads "hidden", a shown menu entry
      // that is disabled "disabled" (a mark is disabled with its box, a
      // hidden entry with its hiding).
      const bool disabled = a->isVisible() && !a->isEnabled() &&
                            !a->objectName().startsWith("mark_");
      const QString state = QString(a->isVisible() ? "" : "hidden ") +
                            (disabled ? "disabled " : "");
      s[a->objectName().toStdString()] =
          paths(state.isEmpty() ? a->text() : (state + a->text()).trimmed());
    }
  }
  std::vector<std::string> lines =
      SplitCrLf(SettingsFileText(form_->CurrentSettings()));
  for (size_t i = 0; i < lines.size(); ++i) {
    char key[32];
    std::snprintf(key, sizeof key, "cfg %03zu", i + 1);
    s[key] = paths(QString::fromStdString(lines[i]));
  }
  for (size_t i = 0; i < dialogs_.shown.size(); ++i) {
    const ShownDialog& d = dialogs_.shown[i];
    const char* kinds[] = {"message", "input", "open", "open files", "save"};
    const char* icons[] = {"", " information", " exclamation", " critical"};
    char key[32];
    std::snprintf(key, sizeof key, "dialog %02zu", i + 1);
    s[key] = paths(
        QString(kinds[static_cast<int>(d.kind)]) +
        icons[static_cast<int>(d.icon)] +
        (d.buttons == Dialogs::Buttons::kYesNo            ? " yes/no "
         : d.buttons == Dialogs::Buttons::kYesNoCancel    ? " yes/no/cancel "
         : d.buttons == Dialogs::Buttons::kYesNoDefaultNo ? " yes/no(default) "
                                                          : " ") +
        d.title + "|" + d.text +
        (d.filters.isEmpty() ? "" : " [" + d.filters.join(";") + "]"));
  }
  for (auto [prefix, dir] :
       {std::pair{"file ", &folder_}, std::pair{"obj ", &objects_}}) {
    for (const fs::directory_entry& e : fs::directory_iterator(dir->path())) {
      std::string name = e.path().filename().string();
      std::string content = e.is_directory() ? "" : ReadFile(e.path().string());
      // The settings as a slot holds them (full names), or as "Save
      // settings as..." writes them into this folder (names inside it
      // relative to it). A file's slashes are backslashes in the window on
      // Windows.
      const auto same = [](std::string a, std::string b) {
        return NativeSeparators(a) == NativeSeparators(b);
      };
      const SettingsRecord record = form_->CurrentSettings();
      const bool shown = same(content, SettingsFileText(record));
      const bool relative =
          !shown &&
          same(content, SettingsFileText(RecordForFolder(
                            SettingsFolder(e.path().string()), record)));
      s[prefix + name] =
          e.is_directory() ? "folder"
          : shown          ? "the settings shown"
          : relative       ? "the settings shown, names relative to its folder"
          : name == "zum.cfg"
              ? paths(QString::fromStdString(content).replace("\r\n", "|"))
              : std::to_string(SplitCrLf(content).size()) + " lines";
    }
  }
  return s;
}

namespace {

// W's rectangle in ROOT, an ancestor, cut to what its parents show of it.
QRect ShownRect(QWidget* w, QWidget* root) {
  QRect rect(w->mapTo(root, QPoint()), w->size());
  for (QWidget* p = w->parentWidget(); p != nullptr && p != root;
       p = p->parentWidget()) {
    rect &= QRect(p->mapTo(root, QPoint()), p->size());
  }
  return rect;
}

// Fails for every two named controls shown under ROOT, in ROOT's window,
// that overlap.
void ExpectNoOverlapUnder(QWidget* root) {
  std::vector<QWidget*> controls;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    bool holds_controls = false;
    for (QWidget* child : w->findChildren<QWidget*>()) {
      holds_controls |= !child->objectName().isEmpty() &&
                        !child->objectName().startsWith("qt_");
    }
    if (w->isVisible() && w->window() == root->window() &&
        !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
        !holds_controls) {
      controls.push_back(w);
    }
  }
  for (QWidget* a : controls) {
    for (QWidget* b : controls) {
      EXPECT_TRUE(a >= b || !ShownRect(a, root).intersects(ShownRect(b, root)))
          << a->objectName().toStdString() << " overlaps "
          << b->objectName().toStdString();
    }
  }
}

}  // namespace

void WizardTest::ExpectNoOverlap() {
  QWidget* page =
      Find<QWidget>(QStringLiteral("Frame1_%1").arg(form_->CurrentPage()));
  QCoreApplication::sendPostedEvents();  // lays the page out
  ExpectNoOverlapUnder(page);
  // And every other window of the window shown, such as the preview.
  for (QWidget* w : form_->findChildren<QWidget*>()) {
    if (w->isWindow() && w->isVisible()) {
      ExpectNoOverlapUnder(w);
    }
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
