// Building the window: menus, the six pages and their controls.

#include <algorithm>
#include <initializer_list>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QVBoxLayout>

#include "settings/settings_store.h"
#include "wizard/condition_editor.h"
#include "wizard/form1.h"
#include "wizard/named_controls.h"
#include "wizard/welcome_picture.h"

namespace zum {

void Form1::BuildMenus() {
  mSave = Named(menuBar()->addMenu(tr("&Save settings")), "mSave");
  for (int k = 0; k < kSlotCount; ++k) {
    mdata[k] = Named(mSave->addAction(tr("Free")), "mdata", k);
  }
  mLoad = Named(menuBar()->addMenu(tr("&Load settings")), "mLoad");
  for (int k = 0; k < kSlotCount; ++k) {
    mdata2[k] = Named(mLoad->addAction(tr("Free")), "mdata2", k);
  }
  mLoad->addSeparator();
  mdata2[kLastSaveSlot] =
      Named(mLoad->addAction(tr("Last save on exit")), "mdata2", kLastSaveSlot);
  // Settings files anywhere, after the slots.
  mSave->addSeparator();
  mSaveAs = Named(mSave->addAction(tr("Save settings as...")), "mSaveAs");
  mLoad->addSeparator();
  mOpenFile = Named(mLoad->addAction(tr("Open settings file...")), "mOpenFile");
  for (int k = 0; k < kRecentFilesCapacity; ++k) {
    mrecent[k] = Named(mLoad->addAction(QString()), "mrecent", k);
    mrecent[k]->setVisible(false);
  }
}

void Form1::AddPageButtons(int page, QWidget* frame, QVBoxLayout* layout) {
  cmd_prev[page] = Named(new QPushButton(tr("<- &Previous")), "cmd_prev", page);
  cmd_next[page] = Named(new QPushButton(tr("&Next ->")), "cmd_next", page);
  for (QPushButton* button : {cmd_prev[page], cmd_next[page]}) {
    button->setMinimumWidth(110);
    button->setAutoDefault(false);
  }
  layout->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(cmd_prev[page]);
  row->addWidget(cmd_next[page]);
  layout->addLayout(row);
  Frame1[page] = Named(frame, "Frame1", page);
}

QWidget* Form1::BuildWelcomePage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  auto* body = new QHBoxLayout;
  Image1 = NewLabel(QString(), "Image1");
  Image1->setPixmap(DrawWelcomePicture(300, 300));
  body->addWidget(Image1, 0, Qt::AlignTop);
  body->addSpacing(24);

  auto* texts = new QVBoxLayout;
  Label1 = NewLabel(tr("Welcome to"), "Label1");
  Label2 = NewLabel(tr("ZUM"), "Label2");
  Label3 = NewLabel(tr("ZUM v1.02"), "Label3");
  Label5 = NewLabel(tr("for Fs2004"), "Label5");
  Label9 = NewLabel(tr("Please click next to continue."), "Label9");
  QFont welcome = Label1->font();
  welcome.setPointSizeF(welcome.pointSizeF() * 1.6);
  Label1->setFont(welcome);
  QFont title = Label2->font();
  title.setPointSizeF(title.pointSizeF() * 4.5);
  title.setBold(true);
  Label2->setFont(title);
  QFont fs = Label5->font();
  fs.setPointSizeF(fs.pointSizeF() * 1.3);
  fs.setItalic(true);
  Label5->setFont(fs);
  texts->addSpacing(20);
  texts->addWidget(Label1);
  texts->addWidget(Label2);
  texts->addWidget(Label5);
  texts->addSpacing(12);
  texts->addWidget(Label3);
  texts->addStretch(1);
  texts->addWidget(Label9);
  body->addLayout(texts, 1);
  layout->addLayout(body);
  AddPageButtons(kWelcomePage, frame, layout);
  return frame;
}

QWidget* Form1::BuildConditionPage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  Label13 = NewPageText(
      tr("With the animation condition you can set a condition on the total "
         "animation. This can for example be used to only show the animation "
         "when you are closer than a certain distance."),
      "Label13");
  layout->addWidget(Label13);

  editors_[0] = new ConditionEditor(0, &variable_table_);
  layout->addWidget(editors_[0]);

  Frame2 = Named(new QGroupBox, "Frame2");
  auto* apply = new QHBoxLayout(Frame2);
  opt_condapply[0] = Named(new QRadioButton(tr("Apply to animation trigger")),
                           "opt_condapply", 0);
  opt_condapply[1] =
      Named(new QRadioButton(tr("Apply to animation")), "opt_condapply", 1);
  apply->addWidget(opt_condapply[0]);
  apply->addSpacing(24);
  apply->addWidget(opt_condapply[1]);
  apply->addStretch(1);
  // What each choice makes the generated model do.
  opt_condapply[0]->setToolTip(
      tr("The animation condition and the additional condition gate the "
         "trigger:\nwhile either fails, the trigger is not tested and the "
         "object rests at its first frame.\nWithout the animation trigger "
         "they are always applied to the animation."));
  opt_condapply[1]->setToolTip(
      tr("The animation condition and the additional condition decide what "
         "is drawn:\nwhile either fails, the first frame is shown (of "
         "animation 1 with the secondary condition),\nand the trigger goes "
         "on unseen; once both hold, the animation shows where it has got "
         "to."));
  opt_condapply[0]->setChecked(true);
  layout->addSpacing(8);
  layout->addWidget(Frame2);
  AddPageButtons(kConditionPage, frame, layout);
  return frame;
}

QWidget* Form1::BuildTriggerPage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  Label15 = NewPageText(
      tr("The animation trigger is the condition that will start the "
         "animation. When this condition is no longer valid the reverse "
         "animation will be started."),
      "Label15");
  layout->addWidget(Label15);
  editors_[1] = new ConditionEditor(1, &variable_table_);
  layout->addWidget(editors_[1]);
  AddPageButtons(kTriggerPage, frame, layout);
  return frame;
}

QWidget* Form1::BuildSecondaryPage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  Label16 = NewPageText(
      tr("The secondary condition can be used to select a different "
         "animation depending on the value of the variable. This can for "
         "example be used to get different gate animations for different "
         "aircraft types."),
      "Label16");
  layout->addWidget(Label16);
  chk_cond_2 =
      Named(new QCheckBox(tr("Enable &secondary condition")), "chk_cond", 2);
  txt_var_2 = NewField("txt_var", 2);
  AddWarningMark(txt_var_2, MarkedBox::kPasted);
  cmd_copyvar_2 = NewCopyButton(tr("<"), 2);
  cmb_var_2 = NewVariableList(2);
  txt_num_secondanim = NewField("txt_num_secondanim");
  txt_num_secondanim->setMaximumWidth(80);
  txt_num_secondanim->setMinimumWidth(80);
  Label25 = NewLabel(tr("Variable:"), "Label25");
  Label26 = NewLabel(tr("Number ofanimations (max 50):"), "Label26");
  Label25->setBuddy(txt_var_2);
  Label26->setBuddy(txt_num_secondanim);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->addWidget(chk_cond_2, 0, 0, 1, 4);
  grid->addWidget(Label25, 1, 0);
  grid->addWidget(txt_var_2, 1, 1);
  grid->addWidget(cmd_copyvar_2, 1, 2);
  grid->addWidget(cmb_var_2, 1, 3);
  grid->addWidget(Label26, 2, 0);
  grid->addWidget(txt_num_secondanim, 2, 1);
  grid->setColumnStretch(4, 1);
  layout->addLayout(grid);
  AddPageButtons(kSecondaryPage, frame, layout);
  return frame;
}

QWidget* Form1::BuildSourceFilePage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  Label20 = NewPageText(
      tr("Select the source files to be processed by ZUM and the output file "
         "to save the result in. Never select the _0.asm files!"),
      "Label20");
  layout->addWidget(Label20);

  Label14 = NewLabel(tr("Input file:"), "Label14");
  Label17 = NewLabel(tr("minimum"), "Label17");
  Label18 = NewLabel(tr("maximum"), "Label18");
  Label19 = NewLabel(tr("Secondairy condition"), "Label19");
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->addWidget(Label14, 0, 1);
  grid->addWidget(Label19, 0, 3, 1, 2, Qt::AlignHCenter);
  grid->addWidget(Label17, 1, 3, Qt::AlignHCenter);
  grid->addWidget(Label18, 1, 4, Qt::AlignHCenter);
  constexpr int kFirstRow = 2;  // of the grid, below the headings
  for (int k = 0; k < SourceFileRows::kRowCount; ++k) {
    lbl_file_count[k] = NewLabel(QString::number(k + 1), "lbl_file_count", k);
    lbl_file_count[k]->setMinimumWidth(24);
    lbl_file_count[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txt_file_in[k] = NewField("txt_file_in", k);
    txt_file_in[k]->setMinimumWidth(360);
    cmd_file[k] = Named(new QPushButton(tr("...")), "cmd_file", k);
    cmd_file[k]->setFixedWidth(kCopyButtonWidth);
    txt_secondcond_min[k] = NewField("txt_secondcond_min", k);
    txt_secondcond_max[k] = NewField("txt_secondcond_max", k);
    txt_secondcond_min[k]->setMinimumWidth(90);
    txt_secondcond_max[k]->setMinimumWidth(90);
    txt_secondcond_min[k]->setMaximumWidth(110);
    txt_secondcond_max[k]->setMaximumWidth(110);
    AddWarningMark(txt_secondcond_min[k], MarkedBox::kPasted);
    AddWarningMark(txt_secondcond_max[k], MarkedBox::kPasted);
    grid->addWidget(lbl_file_count[k], kFirstRow + k, 0);
    grid->addWidget(txt_file_in[k], kFirstRow + k, 1);
    grid->addWidget(cmd_file[k], kFirstRow + k, 2);
    grid->addWidget(txt_secondcond_min[k], kFirstRow + k, 3);
    grid->addWidget(txt_secondcond_max[k], kFirstRow + k, 4);
  }
  cmd_file_up = Named(new QPushButton, "cmd_file_up");
  cmd_file_down = Named(new QPushButton, "cmd_file_down");
  cmd_file_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  cmd_file_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  cmd_file_up->setToolTip(tr("Show the previous animation"));
  cmd_file_down->setToolTip(tr("Show the next animation"));
  // As high as the rows' boxes, so that rows 0 and 3 keep the spacing.
  for (QPushButton* button : {cmd_file_up, cmd_file_down}) {
    button->setFixedSize(kCopyButtonWidth, txt_file_in[0]->sizeHint().height());
  }
  grid->addWidget(cmd_file_up, kFirstRow, 5);
  grid->addWidget(cmd_file_down, kFirstRow + SourceFileRows::kRowCount - 1, 5);

  Label32 = NewLabel(tr("Output file:"), "Label32");
  txt_file_out = NewField("txt_file_out");
  cmd_file_out = Named(new QPushButton(tr("...")), "cmd_file_out");
  cmd_file_out->setFixedWidth(kCopyButtonWidth);
  Label32->setBuddy(txt_file_out);
  grid->setRowMinimumHeight(6, 12);
  grid->addWidget(Label32, 7, 1);
  grid->addWidget(txt_file_out, 8, 1);
  grid->addWidget(cmd_file_out, 8, 2);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  pbar = Named(new QProgressBar, "pbar");
  pbar->setRange(0, 100);
  pbar->setValue(0);
  cmd_clear = Named(new QPushButton(tr("&Clear all fields")), "cmd_clear");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(pbar, 1);
  bottom->addSpacing(12);
  bottom->addWidget(cmd_clear);
  layout->addSpacing(12);
  layout->addLayout(bottom);
  AddPageButtons(kSourceFilePage, frame, layout);

  // Files dropped anywhere on the page fill the rows, so its boxes do not
  // take the dropped names as text; the wheel and Page Up / Page Down over
  // the page scroll the rows (Form1::eventFilter).
  frame->setAcceptDrops(true);
  frame->installEventFilter(this);
  for (QLineEdit* box : frame->findChildren<QLineEdit*>()) {
    box->setAcceptDrops(false);
  }
  for (QWidget* control : frame->findChildren<QWidget*>()) {
    control->installEventFilter(this);
  }
  return frame;
}

QString Form1::ProcessedText() {
  return tr(
      "Your animation has been processed and the source files have been "
      "saved on the indicated location.");
}

QString Form1::ThankYouText() {
  return tr(
      "Thank you for using ZUM. You can compile the result with the BGL "
      "compiler of the SDK below, or restart to process another object.");
}

QWidget* Form1::BuildFinishPage() {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  Label21 = NewPageText(ProcessedText(), "Label21");
  Label21->setMinimumHeight(Label21->fontMetrics().lineSpacing() * 2);
  Label22 = NewLabel(ThankYouText(), "Label22");
  Label22->setWordWrap(true);
  txt_run_summary = Named(new QTextEdit, "txt_run_summary");
  txt_run_summary->setReadOnly(true);
  txt_run_summary->setAcceptRichText(false);
  txt_run_summary->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  txt_run_summary->setVisible(false);
  // As high as its text, up to twelve lines; a longer text scrolls.
  connect(
      txt_run_summary->document()->documentLayout(),
      &QAbstractTextDocumentLayout::documentSizeChanged, txt_run_summary,
      [box = txt_run_summary](const QSizeF& size) {
        const int most = box->fontMetrics().lineSpacing() * 12;
        box->setFixedHeight(std::min(static_cast<int>(size.height()), most) +
                            2 * box->frameWidth());
      });
  layout->addWidget(Label21);
  layout->addWidget(txt_run_summary);
  layout->addWidget(Label22);
  cmd_compile = Named(new QPushButton(tr("Compile to &BGL")), "cmd_compile");
  cmd_compile->setMinimumWidth(140);
  auto* row = new QHBoxLayout;
  row->addWidget(cmd_compile);
  row->addStretch(1);
  layout->addSpacing(8);
  layout->addLayout(row);
  txt_compile_log = Named(new QPlainTextEdit, "txt_compile_log");
  txt_compile_log->setReadOnly(true);
  txt_compile_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(txt_compile_log, 3);
  AddPageButtons(kFinishPage, frame, layout);
  cmd_next[kFinishPage]->setText(tr("&Restart ZUM"));
  return frame;
}

}  // namespace zum
