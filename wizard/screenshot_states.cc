#include "wizard/screenshot_states.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include "settings/source_file_rows.h"
#include "wizard/form1.h"
#include "wizard/preview_window.h"
#include "wizard/timeline_view.h"

namespace zum {

namespace {

template <typename W>
W* Find(Form1* window, const QString& name) {
  return window->findChild<W*>(name);
}

void SetText(Form1* window, const QString& name, const QString& text) {
  TEST_SetAsUser(Find<QLineEdit>(window, name), text);
}

void Click(Form1* window, const QString& name) {
  if (auto* button = Find<QAbstractButton>(window, name)) {
    button->click();
  }
}

void SetChecked(Form1* window, const QString& name, bool on) {
  TEST_SetAsUser(Find<QAbstractButton>(window, name),
                 on ? QStringLiteral("on") : QStringLiteral("off"));
}

// Fills condition editor INDEX (0 animation condition, 1 trigger) with
// sample values in every field, so that each mode shows filled boxes.
void FillEditor(Form1* window, int index) {
  QString i = QString::number(index);
  SetText(window, "txt_var_" + i, index == 0 ? "033Bh" : "0282h");
  SetText(window, "txt_var_min_" + i, index == 0 ? "0" : "1");
  SetText(window, "txt_var_max_" + i, index == 0 ? "250" : "1");
  const char* box[] = {"txt_box_xmin_", "txt_box_xmax_", "txt_box_ymin_",
                       "txt_box_ymax_", "txt_box_zmin_", "txt_box_zmax_"};
  const char* values[] = {"-40", "40", "0", "20", "-60", "60"};
  for (int b = 0; b < 6; ++b) {
    SetText(window, box[b] + i, values[b]);
  }
  SetText(window, "txt_rot_" + i, "30");
}

// Valid values on pages 1 to 3 so that Next passes their checks.
void FillPagesForNext(Form1* window) {
  FillEditor(window, 1);
}

void WalkTo(Form1* window, int page) {
  while (window->CurrentPage() < page) {
    int before = window->CurrentPage();
    Click(window, "cmd_next_" + QString::number(before));
    if (window->CurrentPage() == before) {
      return;  // a check refused the page
    }
  }
}

const char* const kModes[] = {"between", "mask", "box"};

// Shows the tooltip of the warning mark in the box NAME once the event loop
// runs, as resting the mouse on the mark would.
void ShowMarkTip(Form1* window, const QString& name) {
  QTimer::singleShot(300, window, [window, name] {
    auto* mark = Find<QAction>(window, "mark_" + name);
    auto* box = Find<QLineEdit>(window, name);
    if (mark == nullptr || box == nullptr) {
      return;
    }
    for (auto* button : box->findChildren<QToolButton*>()) {
      if (button->defaultAction() == mark) {
        QToolTip::showText(button->mapToGlobal(button->rect().center()),
                           mark->toolTip());
      }
    }
  });
}

// A run from the source file page on the files of the "scenery" folder in
// the program's folder (scripts/screenshots.sh puts the examples there):
// for OBJECT "gate" the three gates chosen by the secondary condition and
// shown within 250 m; otherwise OBJECT.asm alone: "hangar", whose companion
// file ends too early, or "lenient", whose keyframe tables hold texts that
// the run reads other than as written. The run's error box is closed as
// soon as it shows.
void RunOnExamples(Form1* window, const QString& object) {
  const bool succeeding = object == "gate";
  const QString scenery =
      QCoreApplication::applicationDirPath() + QStringLiteral("/scenery/");
  if (succeeding) {
    FillEditor(window, 0);
    SetChecked(window, "chk_cond_0", true);
    SetChecked(window, "chk_cond_2", true);
    SetText(window, "txt_var_2", "0312h");
    SetText(window, "txt_num_secondanim", "3");
  }
  WalkTo(window, Form1::kSourceFilePage);
  const char* const inputs[] = {"gate.asm", "gate2.asm", "gate3.asm"};
  for (int k = 0; k < (succeeding ? 3 : 1); ++k) {
    QString row = QString::number(k);
    SetText(window, "txt_file_in_" + row,
            scenery + (succeeding ? inputs[k] : object + ".asm"));
    if (succeeding) {
      SetText(window, "txt_secondcond_min_" + row, QString::number(k + 1));
      SetText(window, "txt_secondcond_max_" + row, QString::number(k + 1));
    }
  }
  SetText(window, "txt_file_out", scenery + object + "_zum.asm");
  QTimer::singleShot(500, window, [] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      box->close();
    }
  });
  Click(window, "cmd_next_4");
}

// The preview window on the example gate after a run from the source file
// page on the files of the "scenery" folder (see RunOnExamples): the beacon
// on at 1 s and off at 12 s, the cursor at 8.33 s during the forward run.
// With SECONDARY the three gates chosen by user variable 1, which turns
// from 1 to 2 at 8 s.
void OpenPreview(Form1* window, bool secondary) {
  const QString scenery =
      QCoreApplication::applicationDirPath() + QStringLiteral("/scenery/");
  SetText(window, "txt_var_1", "0282h");
  SetText(window, "txt_var_min_1", "1");
  SetText(window, "txt_var_max_1", "1");
  if (secondary) {
    SetChecked(window, "chk_cond_2", true);
    SetText(window, "txt_var_2", "0312h");
    SetText(window, "txt_num_secondanim", "3");
  }
  WalkTo(window, Form1::kSourceFilePage);
  const char* const inputs[] = {"gate.asm", "gate2.asm", "gate3.asm"};
  for (int k = 0; k < (secondary ? 3 : 1); ++k) {
    const QString row = QString::number(k);
    SetText(window, "txt_file_in_" + row, scenery + inputs[k]);
    SetText(window, "txt_secondcond_min_" + row, QString::number(k + 1));
    SetText(window, "txt_secondcond_max_" + row, QString::number(k + 1));
  }
  SetText(window, "txt_file_out", scenery + "gate_zum.asm");
  Click(window, "cmd_next_4");
  Click(window, "cmd_preview");
  auto* preview = window->findChild<PreviewWindow*>();
  auto* table = window->findChild<QTableWidget*>("tbl_scenario");
  if (preview == nullptr || table == nullptr) {
    return;
  }
  // The scenario made from the code releases the beacon at 13 s.
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->item(row, 0)->text() == QLatin1String("13")) {
      table->item(row, 0)->setText(QStringLiteral("12"));
    }
  }
  if (secondary) {
    // A copy of user variable 1's row at 8 s, as Add row makes it, set to 2.
    preview->TEST_Timeline()->SetCursorPass(144);
    for (int row = 0; row < table->rowCount(); ++row) {
      if (table->item(row, 1)->text() == QLatin1String("0312h")) {
        table->setCurrentCell(row, 1);
        Click(window, "cmd_row_add");
        table->item(row + 1, 3)->setText(QStringLiteral("2"));
        break;
      }
    }
  }
  SetText(window, "txt_scenario_seconds", "25");
  preview->TEST_Timeline()->SetCursorPass(150);
  preview->move(0, 0);
}

}  // namespace

void TEST_SetAsUser(QWidget* control, const QString& value) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(value);
    emit edit->textEdited(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setChecked(value == QLatin1String("on"));
    emit button->clicked(button->isChecked());
  }
}

QStringList TEST_ScreenshotStates() {
  QStringList states = {"welcome"};
  for (const char* page : {"conditions", "trigger"}) {
    for (const char* mode : kModes) {
      for (const char* check : {"checked", "unchecked"}) {
        states << QStringLiteral("%1-%2-%3").arg(page, mode, check);
      }
    }
  }
  states << "secondary-unchecked"
         << "secondary-checked"
         << "files-single"
         << "files-seven"
         << "files-seven-scrolled"
         << "files-dropped"
         << "files-refused"
         << "files-tall"
         << "finish"
         << "finish-compiled"
         << "finish-compile-stopped"
         << "conditions-warning-mark"
         << "trigger-warning-mark"
         << "finish-succeeded"
         << "finish-failed"
         << "finish-warnings"
         << "finish-compile-failed"
         << "preview"
         << "preview-secondary"
         << "menu-save"
         << "menu-load"
         << "closing-question";
  return states;
}

bool TEST_ApplyScreenshotState(Form1* window, const QString& name) {
  if (!TEST_ScreenshotStates().contains(name)) {
    return false;
  }
  if (name == "welcome") {
    return true;
  }
  if (name == "closing-question") {
    // The question asked when the window closes; it stays open until the
    // script ends the program.
    QTimer::singleShot(300, window, [window] { window->close(); });
    return true;
  }
  if (name.startsWith("menu-")) {
    // Opened once the event loop runs, as a click on the menu bar would.
    QMenu* menu = Find<QMenu>(window, name == "menu-save" ? "mSave" : "mLoad");
    QTimer::singleShot(300, window, [window, menu] {
      window->menuBar()->setActiveAction(menu->menuAction());
    });
    return true;
  }
  if (name == "conditions-warning-mark") {
    // A symbol where a number is expected: the compiler must know it.
    FillEditor(window, 0);
    SetChecked(window, "chk_cond_0", true);
    SetText(window, "txt_var_max_0", "MAX_DIST");
    window->TEST_ShowPage(Form1::kConditionPage);
    ShowMarkTip(window, "txt_var_max_0");
    return true;
  }
  if (name == "trigger-warning-mark") {
    // A rotation that the run cannot read.
    FillEditor(window, 1);
    SetChecked(window, "opt_box_1", true);
    SetText(window, "txt_rot_1", "30 deg");
    window->TEST_ShowPage(Form1::kTriggerPage);
    ShowMarkTip(window, "txt_rot_1");
    return true;
  }
  QStringList parts = name.split('-');
  if (parts[0] == "conditions" || parts[0] == "trigger") {
    int index = parts[0] == "conditions" ? 0 : 1;
    QString i = QString::number(index);
    if (index == 0) {
      SetChecked(window, "chk_cond_3", true);
      SetText(window, "txt_var_3", "0280h");
      SetText(window, "txt_var_min_2", "0");
      SetText(window, "txt_var_max_2", "3000");
    }
    // Last, so that the shared list shows the animation condition's
    // variable beside its box.
    FillEditor(window, index);
    SetChecked(window, "chk_cond_" + i, parts[2] == "checked");
    QString mode = parts[1] == "between" ? "opt_con_"
                   : parts[1] == "mask"  ? "opt_mask_"
                                         : "opt_box_";
    SetChecked(window, mode + i, true);
    window->TEST_ShowPage(index == 0 ? Form1::kConditionPage
                                     : Form1::kTriggerPage);
    return true;
  }
  FillPagesForNext(window);
  if (parts[0] == "secondary") {
    if (parts[1] == "checked") {
      SetChecked(window, "chk_cond_2", true);
      SetText(window, "txt_var_2", "0312h");
      SetText(window, "txt_num_secondanim", "7");
    }
    WalkTo(window, Form1::kSecondaryPage);
    return true;
  }
  if (name == "files-dropped") {
    // Three example objects that the screenshot script puts beside the
    // program, dropped on the page in no particular order.
    SetChecked(window, "chk_cond_2", true);
    SetText(window, "txt_var_2", "0312h");
    SetText(window, "txt_num_secondanim", "1");
    WalkTo(window, Form1::kSourceFilePage);
    QMimeData data;
    QList<QUrl> urls;
    for (const char* file : {"gate3.asm", "gate.asm", "gate2.asm"}) {
      urls << QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/" +
                                  file);
    }
    data.setUrls(urls);
    QWidget* page = Find<QWidget>(window, "Frame1_4");
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(page, &enter);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(page, &drop);
    return true;
  }
  if (name == "files-tall") {
    // A taller window shows more rows: nine animations, eight in view.
    window->resize(860, 790);
    SetChecked(window, "chk_cond_2", true);
    SetText(window, "txt_var_2", "0312h");
    SetText(window, "txt_num_secondanim", "9");
    WalkTo(window, Form1::kSourceFilePage);
    QCoreApplication::sendPostedEvents();
    for (int k = 0; k < SourceFileRows::kMaxRowCount; ++k) {
      auto* box = Find<QLineEdit>(window, "txt_file_in_" + QString::number(k));
      if (box == nullptr || !box->isVisible()) {
        break;
      }
      const QString row = QString::number(k);
      SetText(window, "txt_file_in_" + row,
              QStringLiteral("/home/author/scenery/gate%1.asm").arg(k + 1));
      SetText(window, "txt_secondcond_min_" + row, QString::number(k + 1));
      SetText(window, "txt_secondcond_max_" + row, QString::number(k + 1));
    }
    SetText(window, "txt_file_out", "/home/author/scenery/gate_zum.asm");
    return true;
  }
  if (parts[0] == "files") {
    if (name != "files-single" && name != "files-refused") {
      SetChecked(window, "chk_cond_2", true);
      SetText(window, "txt_var_2", "0312h");
      SetText(window, "txt_num_secondanim", "7");
    }
    WalkTo(window, Form1::kSourceFilePage);
    SetText(window, "txt_file_in_0", "/home/author/scenery/gate.asm");
    SetText(window, "txt_file_out", "/home/author/scenery/gate_zum.asm");
    if (name != "files-single" && name != "files-refused") {
      for (int k = 0; k < 4; ++k) {
        QString row = QString::number(k);
        if (k > 0) {
          SetText(window, "txt_file_in_" + row,
                  QStringLiteral("/home/author/scenery/gate%1.asm").arg(k + 1));
        }
        SetText(window, "txt_secondcond_min_" + row, QString::number(k + 1));
        SetText(window, "txt_secondcond_max_" + row, QString::number(k + 1));
      }
    }
    if (name == "files-refused") {
      // Next with an empty output file: the page check's message box, which
      // stays open until the script ends the program.
      SetText(window, "txt_file_out", "");
      Click(window, "cmd_next_4");
    }
    if (name == "files-seven-scrolled") {
      for (int step = 0; step < 3; ++step) {
        Click(window, "cmd_file_down");
      }
    }
    return true;
  }
  if (name.startsWith("preview")) {
    OpenPreview(window, name == "preview-secondary");
    return true;
  }
  if (name == "finish-succeeded" || name == "finish-failed" ||
      name == "finish-warnings") {
    RunOnExamples(window, name == "finish-succeeded" ? "gate"
                          : name == "finish-failed"  ? "hangar"
                                                     : "lenient");
    return true;
  }
  // finish, finish-compiled, finish-compile-failed
  WalkTo(window, Form1::kSourceFilePage);
  SetText(window, "txt_file_out",
          name == "finish-compile-failed"
              ? "/home/author/scenery/door_zum.asm"
              : "/home/author/scenery/gate_zum.asm");
  window->TEST_ShowPage(Form1::kFinishPage);
  if (name == "finish-compiled" || name == "finish-compile-failed") {
    // Runs the bglc_9.exe of the program's folder (the script puts a
    // stand-in there).
    Click(window, "cmd_compile");
  }
  if (name == "finish-compile-stopped") {
    // The stand-in holds on after its first lines when asked to; Stop is
    // pressed while it waits.
    qputenv("ZUM_STANDIN_HOLD", "1");
    QTimer::singleShot(1500, window, [window] { Click(window, "cmd_stop"); });
    Click(window, "cmd_compile");
    qunsetenv("ZUM_STANDIN_HOLD");
  }
  return true;
}

}  // namespace zum
