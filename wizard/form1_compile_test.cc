// The finish page's compile step with a stand-in compiler in the program's
// folder.

#include <filesystem>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "wizard/testing.h"

namespace fs = std::filesystem;

namespace zum::testing {
namespace {

class CompileTest : public WizardTest {
 protected:
  // An executable script named bglc_9.exe in the program's folder.
  void InstallCompiler(const std::string& script) {
    const std::string path = folder_.File("bglc_9.exe");
    WriteFile(path, "#!/bin/sh\n" + script);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
  }
  QPlainTextEdit* Log() { return Find<QPlainTextEdit>("txt_compile_log"); }
  void ToFinishPage(const QString& output_file) {
    Type("txt_file_out", output_file);
    form_->TEST_ShowPage(Form1::kFinishPage);
  }
};

// Twenty lines of 40 characters: more than one read of 256 bytes.
const char kChattyCompiler[] =
    "echo \"stand-in compiler: $*\"\n"
    "i=10\n"
    "while [ $i -lt 30 ]; do\n"
    "  echo \"line $i of the stand-in compiler output\"\n"
    "  i=$((i + 1))\n"
    "done\n";

TEST_F(CompileTest, OutputShowsInTheLogAsItArrives) {
  InstallCompiler(kChattyCompiler);
  ToFinishPage("/scenery/my gate/gate_zum.asm");
  QPushButton* restart = Button("cmd_next_5");
  std::vector<bool> restart_enabled;
  std::vector<QString> texts;
  QObject::connect(Log(), &QPlainTextEdit::textChanged, [&] {
    restart_enabled.push_back(restart->isEnabled());
    texts.push_back(Log()->toPlainText());
  });
  Click("cmd_compile");

  QString expected =
      "Starting compilation...\n\nstand-in compiler: -mdl "
      "/scenery/my gate/gate_zum.asm\n";
  for (int i = 10; i < 30; ++i) {
    expected +=
        QStringLiteral("line %1 of the stand-in compiler output\n").arg(i);
  }
  expected += "\nCompilation ready!";
  EXPECT_EQ(Log()->toPlainText(), expected);
  EXPECT_TRUE(Messages().empty());
  // The start text, at least three pieces of output, the end text; the
  // restart button disabled through all of them.
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(texts.front(), "Starting compilation...\n\n");
  for (size_t i = 0; i < restart_enabled.size(); ++i) {
    EXPECT_FALSE(restart_enabled[i]) << i;
  }
  EXPECT_TRUE(texts[1].startsWith("Starting compilation...\n\nstand-in"));
  EXPECT_LT(texts[1].size(), texts[texts.size() - 2].size());
  EXPECT_TRUE(restart->isEnabled());
  EXPECT_EQ(Log()->textCursor().position(), expected.size());
  EXPECT_TRUE(Enabled("cmd_compile"));
}

TEST_F(CompileTest, SecondCompilationReplacesTheLog) {
  InstallCompiler("echo done\n");
  ToFinishPage("a.asm");
  Click("cmd_compile");
  Click("cmd_compile");
  EXPECT_EQ(Log()->toPlainText(),
            "Starting compilation...\n\ndone\n\nCompilation ready!");
}

TEST_F(CompileTest, SilentCompiler) {
  InstallCompiler("exit 3\n");
  ToFinishPage("a.asm");
  Click("cmd_compile");
  EXPECT_EQ(Log()->toPlainText(),
            "Starting compilation...\n\n\nCompilation ready!");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CompileTest, CrLfSplitBetweenPiecesIsOneLineBreak) {
  // 255 characters and CR end the first read; LF begins the second.
  InstallCompiler("printf '%255s\\r\\nnext\\r\\n' x\n");
  ToFinishPage("a.asm");
  Click("cmd_compile");
  EXPECT_EQ(Log()->toPlainText(), "Starting compilation...\n\n" +
                                      QString(254, ' ') +
                                      "x\nnext\n\nCompilation ready!");
}

TEST_F(CompileTest, MissingCompilerIsReportedAndTheLogEnds) {
  ToFinishPage("a.asm");
  Click("cmd_compile");
  std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "ZUM|File or command not found");
  EXPECT_EQ(Log()->toPlainText(),
            "Starting compilation...\n\n\nCompilation ready!");
  EXPECT_TRUE(Enabled("cmd_next_5"));
}

}  // namespace
}  // namespace zum::testing
