#include "core/log/log_commands.h"

#include <gtest/gtest.h>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

class RecordingMessages : public MessagePresenter {
 public:
  void ShowInformation(std::string_view text) override {
    shown.push_back("information:" + std::string(text));
  }
  void ShowWarning(std::string_view text) override { shown.push_back("warning:" + std::string(text)); }
  bool ConfirmOkCancel(std::string_view text) override {
    shown.push_back("confirm:" + std::string(text));
    return answerOk;
  }
  std::vector<std::string> shown;
  bool answerOk = true;
};

class RecordingLauncher : public TextViewerLauncher {
 public:
  void StartProgram(const std::vector<std::string>& words) override {
    opened = words.back() + " with " + words[0];
  }
  void ShowBuiltInViewer(std::string_view path) override { opened = std::string(path) + " built in"; }
  std::string opened;
};

class LogCommandsTest : public ::testing::Test {
 protected:
  LogCommandContext Context() { return {m_files, m_fileSystem, m_messages, m_launcher, CodePage::Utf8()}; }

  test::TempFolder m_folder;
  ProgramFiles m_files = ProgramFilesIn(m_folder.Root());
  platform::PosixFileSystem m_fileSystem;
  RecordingMessages m_messages;
  RecordingLauncher m_launcher;
};

TEST_F(LogCommandsTest, DeletingAMissingLogWarnsAndAsksNothing) {
  DeleteResultLog(Context());
  EXPECT_EQ(m_messages.shown, std::vector<std::string>{"warning:\r\nログファイルが存在しません。"});
}

TEST_F(LogCommandsTest, DeletingAsksFirstAndReportsTheOutcome) {
  m_folder.WriteFile("Rename.log", "x");
  m_messages.answerOk = false;
  DeleteResultLog(Context());
  EXPECT_TRUE(m_folder.Exists("Rename.log"));

  m_messages.answerOk = true;
  DeleteResultLog(Context());
  EXPECT_FALSE(m_folder.Exists("Rename.log"));
  EXPECT_EQ(m_messages.shown, (std::vector<std::string>{"confirm:\r\n結果ログを削除します。よろしいですか？",
                                                        "confirm:\r\n結果ログを削除します。よろしいですか？",
                                                        "information:\r\n結果ログを削除しました。"}));
}

TEST_F(LogCommandsTest, ShowingOpensTheViewerOrSaysTheFileIsMissing) {
  LogSettings settings;
  settings.textViewer = "  ";
  ShowResultLog(settings, Context());
  EXPECT_EQ(m_messages.shown, std::vector<std::string>{"information:\r\nログファイルが存在しません。"});

  m_folder.WriteFile("Rename.log", "x");
  ShowResultLog(settings, Context());
  EXPECT_EQ(m_launcher.opened, m_files.logFile + " built in");
}

TEST_F(LogCommandsTest, ResultFileOpensOnlyWhenTheSettingsAskForIt) {
  LogSettings settings;
  settings.textViewer = "gedit";
  ShowResultFile(settings, Context());
  EXPECT_TRUE(m_messages.shown.empty());

  settings.resultText = true;
  ShowResultFile(settings, Context());
  EXPECT_EQ(m_messages.shown, std::vector<std::string>{"information:\r\n結果ファイルが存在しません。"});

  m_folder.WriteFile("Result.dat", "x");
  ShowResultFile(settings, Context());
  EXPECT_EQ(m_launcher.opened, m_files.resultFile + " with gedit");
}

}  // namespace
}  // namespace morvane::core
