#include "core/run/output_folder_check.h"

#include <gtest/gtest.h>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

// A file system whose mount table puts an optical, a network and a RAM drive inside
// the temporary folder; the network drive's mount point is missing (not ready).
class OutputFolderCheckTest : public ::testing::Test {
 protected:
  OutputFolderCheckTest() {
    m_folder.CreateFiles({"cd/", "ram/", "disk/existing/"});
    m_folder.WriteFile("mounts",
                       "/dev/sda1 / ext4 rw 0 0\n"
                       "/dev/sr0 " +
                           m_folder.Path("cd") +
                           " iso9660 ro 0 0\n"
                           "server:/x " +
                           m_folder.Path("net") +
                           " nfs4 rw 0 0\n"
                           "tmpfs " +
                           m_folder.Path("ram") + " tmpfs rw 0 0\n");
  }

  OutputFolderCheck Check(std::string_view text, OutputFolderVariant variant, bool answer = true) {
    platform::PosixFileSystem fileSystem({m_folder.Path("mounts"), m_folder.Path("sys")});
    return CheckOutputFolder(
        text, variant, fileSystem,
        [&](std::string_view question) {
          m_questions.emplace_back(question);
          return answer;
        },
        CodePage::Utf8());
  }

  test::TempFolder m_folder;
  std::vector<std::string> m_questions;
};

TEST_F(OutputFolderCheckTest, RefusalsSayWhy) {
  struct Case {
    const char* name;
    std::string text;
    OutputFolderVariant variant;
    bool answer;
    OutputFolderOutcome outcome;
    std::string message;
  };
  const auto start = OutputFolderVariant::Start;
  const auto enter = OutputFolderVariant::Enter;
  const Case cases[] = {
      {"empty on start", "", start, true, OutputFolderOutcome::Empty,
       "\r\n出力先フォルダが指定されていません。"},
      {"empty on enter", "", enter, true, OutputFolderOutcome::Empty, ""},
      {"relative", "out", start, true, OutputFolderOutcome::NotAbsolute,
       "\r\n出力先フォルダはフルパスで指定してください。"},
      {"optical drive", m_folder.Path("cd/x"), start, true, OutputFolderOutcome::OpticalDrive,
       "\r\nCD-ROMドライブを出力先フォルダには指定できません。"},
      {"network drive not ready", m_folder.Path("net/x"), start, true, OutputFolderOutcome::DriveNotReady,
       "\r\nドライブ " + m_folder.Path("net") + " が準備されていません。"},
      {"declined on start", m_folder.Path("disk/new"), start, false, OutputFolderOutcome::Declined,
       "正しい出力先フォルダを指定してください。"},
      {"declined on enter", m_folder.Path("disk/new"), enter, false, OutputFolderOutcome::Declined, ""},
      {"two levels missing", m_folder.Path("disk/new/deeper"), start, true, OutputFolderOutcome::NotCreated,
       "フォルダが作成できませんでした！\r\nフォルダ名が不正な可能性があります。\r\nもう一度フォルダ名を指定"
       "してください。"},
  };
  for (const Case& c : cases) {
    const OutputFolderCheck check = Check(c.text, c.variant, c.answer);
    EXPECT_EQ(check.outcome, c.outcome) << c.name;
    EXPECT_EQ(check.message, c.message) << c.name;
  }
  EXPECT_TRUE(Check("", OutputFolderVariant::Enter).focusBrowseButton);
  EXPECT_EQ(Check("", OutputFolderVariant::Start).kind, MessageKind::Confirmation);
}

TEST_F(OutputFolderCheckTest, ExistingFoldersPassAndMissingOnesAreCreatedOneLevelDeep) {
  EXPECT_TRUE(Check(m_folder.Path("disk/existing"), OutputFolderVariant::Start).Ready());
  EXPECT_TRUE(Check(m_folder.Path("ram"), OutputFolderVariant::Start).Ready());
  EXPECT_TRUE(m_questions.empty());

  EXPECT_TRUE(Check(m_folder.Path("disk/new"), OutputFolderVariant::Enter).Ready());
  EXPECT_TRUE(m_folder.Exists("disk/new"));
  EXPECT_EQ(m_questions, std::vector<std::string>{"存在しないフォルダです！作成しますか？\r\n" +
                                                  m_folder.Path("disk/new")});
}

}  // namespace
}  // namespace morvane::core
