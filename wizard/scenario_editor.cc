#include "wizard/scenario_editor.h"

#include <set>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "preview/findings.h"
#include "preview/operands.h"
#include "wizard/dialogs.h"
#include "wizard/named_controls.h"
#include "wizard/text_bytes.h"

namespace zum {
namespace {

enum Column { kTime, kVariable, kName, kValue, kColumnCount };

QString Number(double value) {
  return QString::number(value, 'g', 10);
}

QStringList ScenarioFilters() {
  return {QObject::tr("Scenario (*.txt)"), QObject::tr("All files (*.*)")};
}

QString CellText(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item == nullptr ? QString() : item->text();
}

// Reads LINE as line NUMBER of a scenario into *SCENARIO; an error reads
// "WHAT: message".
Status ReadLine(const QString& line, const QString& what, int number,
                Scenario* scenario) {
  static const std::string kFile = "scenario";
  const Status status = ReadScenarioLine(Bytes(line), kFile, number, scenario);
  if (status.ok()) {
    return status;
  }
  const std::string prefix = kFile + ":" + std::to_string(number) + ": ";
  return Status::Error(Bytes(what) + ": " +
                       status.message().substr(prefix.size()));
}

}  // namespace

ScenarioEditor::ScenarioEditor(Dialogs* dialogs, const VariableTable* variables,
                               QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), variables_(variables) {
  tbl_scenario = Named(new QTableWidget(0, kColumnCount), "tbl_scenario");
  tbl_scenario->setHorizontalHeaderLabels(
      {tr("Time (s)"), tr("Variable"), tr("Name"), tr("Value")});
  tbl_scenario->horizontalHeader()->setSectionResizeMode(kName,
                                                         QHeaderView::Stretch);
  tbl_scenario->setColumnWidth(kTime, 62);
  tbl_scenario->setColumnWidth(kVariable, 76);
  tbl_scenario->setColumnWidth(kValue, 70);
  tbl_scenario->verticalHeader()->setDefaultSectionSize(
      tbl_scenario->fontMetrics().height() + 6);

  txt_scenario_seconds = Named(new QLineEdit, "txt_scenario_seconds");
  txt_scenario_seconds->setPlaceholderText(tr("auto"));
  txt_scenario_seconds->setToolTip(
      tr("How long the scenario runs; empty: 5 s after the last change, at "
         "least 10 s"));
  txt_scenario_start_tick = Named(new QLineEdit, "txt_scenario_start_tick");
  txt_scenario_start_tick->setPlaceholderText(QStringLiteral("0"));
  txt_scenario_start_tick->setToolTip(
      tr("The simulator's 18 Hz tick counter at the first pass"));
  for (QLineEdit* box : {txt_scenario_seconds, txt_scenario_start_tick}) {
    box->setMaximumWidth(90);
  }
  auto* seconds_label = NewLabel(tr("&Length (s):"), "lbl_scenario_seconds");
  seconds_label->setBuddy(txt_scenario_seconds);
  auto* tick_label = NewLabel(tr("Start &tick:"), "lbl_scenario_start_tick");
  tick_label->setBuddy(txt_scenario_start_tick);

  cmd_row_add = Named(new QPushButton(tr("&Add row")), "cmd_row_add");
  cmd_row_add->setToolTip(
      tr("A new row after the selected one, at the cursor's time"));
  cmd_row_remove = Named(new QPushButton(tr("&Remove row")), "cmd_row_remove");
  cmd_scenario_open =
      Named(new QPushButton(tr("&Open...")), "cmd_scenario_open");
  cmd_scenario_save =
      Named(new QPushButton(tr("&Save...")), "cmd_scenario_save");
  cmd_scenario_default =
      Named(new QPushButton(tr("&Default")), "cmd_scenario_default");
  cmd_scenario_default->setToolTip(
      tr("The scenario made from the written code"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tbl_scenario, 1);
  auto* rows = new QHBoxLayout;
  rows->addWidget(cmd_row_add);
  rows->addWidget(cmd_row_remove);
  rows->addStretch(1);
  layout->addLayout(rows);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(seconds_label);
  boxes->addWidget(txt_scenario_seconds);
  boxes->addSpacing(12);
  boxes->addWidget(tick_label);
  boxes->addWidget(txt_scenario_start_tick);
  boxes->addStretch(1);
  layout->addLayout(boxes);
  auto* files = new QHBoxLayout;
  files->addWidget(cmd_scenario_open);
  files->addWidget(cmd_scenario_save);
  files->addWidget(cmd_scenario_default);
  files->addStretch(1);
  layout->addLayout(files);

  connect(tbl_scenario, &QTableWidget::itemChanged, this,
          &ScenarioEditor::tbl_scenario_Change);
  for (QLineEdit* box : {txt_scenario_seconds, txt_scenario_start_tick}) {
    connect(box, &QLineEdit::textChanged, this,
            &ScenarioEditor::ScenarioEdited);
  }
  connect(cmd_row_add, &QPushButton::clicked, this,
          &ScenarioEditor::cmd_row_add_Click);
  connect(cmd_row_remove, &QPushButton::clicked, this,
          &ScenarioEditor::cmd_row_remove_Click);
  connect(cmd_scenario_open, &QPushButton::clicked, this,
          &ScenarioEditor::cmd_scenario_open_Click);
  connect(cmd_scenario_save, &QPushButton::clicked, this,
          &ScenarioEditor::cmd_scenario_save_Click);
  connect(cmd_scenario_default, &QPushButton::clicked, this,
          &ScenarioEditor::cmd_scenario_default_Click);
}

void ScenarioEditor::ShowScenario(const Scenario& scenario) {
  const QSignalBlocker table(tbl_scenario);
  const QSignalBlocker seconds(txt_scenario_seconds);
  const QSignalBlocker tick(txt_scenario_start_tick);
  tbl_scenario->setRowCount(static_cast<int>(scenario.changes.size()));
  for (int row = 0; row < tbl_scenario->rowCount(); ++row) {
    const ScenarioChange& change = scenario.changes[row];
    const QString value =
        change.viewer ? Number(change.x) + QLatin1Char(' ') + Number(change.y) +
                            QLatin1Char(' ') + Number(change.z)
                      : QString::number(SignedWord(change.value));
    SetRow(row, Number(change.time), FromBytes(change.name), value);
  }
  txt_scenario_seconds->setText(scenario.seconds > 0 ? Number(scenario.seconds)
                                                     : QString());
  txt_scenario_start_tick->setText(scenario.start_tick != 0
                                       ? QString::number(scenario.start_tick)
                                       : QString());
}

void ScenarioEditor::SetDefaultScenario(const Scenario& scenario) {
  default_ = scenario;
  ShowScenario(scenario);
}

Status ScenarioEditor::TakeScenario(Scenario* scenario) const {
  Scenario taken;
  if (!txt_scenario_seconds->text().trimmed().isEmpty()) {
    ZUM_RETURN_IF_ERROR(
        ReadLine(QStringLiteral("seconds ") + txt_scenario_seconds->text(),
                 tr("Length"), 1, &taken));
  }
  if (!txt_scenario_start_tick->text().trimmed().isEmpty()) {
    ZUM_RETURN_IF_ERROR(ReadLine(
        QStringLiteral("start_tick ") + txt_scenario_start_tick->text(),
        tr("Start tick"), 1, &taken));
  }
  for (int row = 0; row < tbl_scenario->rowCount(); ++row) {
    const QString line = CellText(tbl_scenario, row, kTime) + QLatin1Char(' ') +
                         CellText(tbl_scenario, row, kVariable) +
                         QLatin1Char(' ') + CellText(tbl_scenario, row, kValue);
    ZUM_RETURN_IF_ERROR(
        ReadLine(line, tr("Row %1").arg(row + 1), row + 1, &taken));
  }
  *scenario = std::move(taken);
  return Status::OK();
}

void ScenarioEditor::SetRow(int row, const QString& time, const QString& name,
                            const QString& value) {
  const QSignalBlocker blocker(tbl_scenario);
  tbl_scenario->setItem(row, kTime, new QTableWidgetItem(time));
  tbl_scenario->setItem(row, kVariable, new QTableWidgetItem(name));
  auto* shown_name = new QTableWidgetItem;
  shown_name->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  shown_name->setForeground(palette().color(QPalette::PlaceholderText));
  tbl_scenario->setItem(row, kName, shown_name);
  tbl_scenario->setItem(row, kValue, new QTableWidgetItem(value));
  ShowVariableName(row);
}

void ScenarioEditor::ShowVariableName(int row) {
  const QString variable = CellText(tbl_scenario, row, kVariable).trimmed();
  QString name;
  if (variable == QLatin1String("viewer")) {
    name = tr("the viewer's position: x y z in metres");
  } else if (!variable.isEmpty()) {
    name = FromBytes(VariableName(Bytes(variable), variables_));
    if (name == variable) {
      name.clear();  // not in the variable table
    }
  }
  const QSignalBlocker blocker(tbl_scenario);
  tbl_scenario->item(row, kName)->setText(name);
}

void ScenarioEditor::tbl_scenario_Change(QTableWidgetItem* item) {
  if (item->column() == kVariable &&
      tbl_scenario->item(item->row(), kName) != nullptr) {
    ShowVariableName(item->row());
  }
  emit ScenarioEdited();
}

void ScenarioEditor::cmd_row_add_Click() {
  // A copy of the selected row (or of the last) at the cursor's time.
  const int count = tbl_scenario->rowCount();
  const int from =
      tbl_scenario->currentRow() >= 0 ? tbl_scenario->currentRow() : count - 1;
  const int row = from + 1;
  tbl_scenario->insertRow(row);
  SetRow(row, QString::number(cursor_time_, 'f', 2),
         from >= 0 ? CellText(tbl_scenario, from, kVariable) : QString(),
         from >= 0 ? CellText(tbl_scenario, from, kValue) : QString());
  tbl_scenario->setCurrentCell(row, kValue);
  emit ScenarioEdited();
}

void ScenarioEditor::cmd_row_remove_Click() {
  std::set<int> rows;
  for (const QTableWidgetItem* item : tbl_scenario->selectedItems()) {
    rows.insert(item->row());
  }
  if (rows.empty() && tbl_scenario->currentRow() >= 0) {
    rows.insert(tbl_scenario->currentRow());
  }
  if (rows.empty()) {
    return;
  }
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    tbl_scenario->removeRow(*row);
  }
  emit ScenarioEdited();
}

void ScenarioEditor::cmd_scenario_open_Click() {
  const QString path =
      dialogs_->OpenFile(tr("Open scenario"), ScenarioFilters());
  if (path.isEmpty()) {
    return;
  }
  Scenario scenario;
  const Status status = ReadScenarioFile(Bytes(path), &scenario);
  if (!status.ok()) {
    dialogs_->ShowError(FromBytes(status.message()));
    return;
  }
  ShowScenario(scenario);
  suggested_file_ = path;
  emit ScenarioEdited();
}

void ScenarioEditor::cmd_scenario_save_Click() {
  Scenario scenario;
  Status status = TakeScenario(&scenario);
  if (!status.ok()) {
    dialogs_->ShowError(tr("The scenario cannot be saved:") +
                        QStringLiteral("\n\n") + FromBytes(status.message()));
    return;
  }
  const QString path = dialogs_->SaveFile(tr("Save scenario"),
                                          ScenarioFilters(), suggested_file_);
  if (path.isEmpty()) {
    return;
  }
  status = WriteScenarioFile(Bytes(path), scenario);
  if (!status.ok()) {
    dialogs_->ShowError(FromBytes(status.message()));
    return;
  }
  suggested_file_ = path;
}

void ScenarioEditor::cmd_scenario_default_Click() {
  ShowScenario(default_);
  emit ScenarioEdited();
}

}  // namespace zum
