#include "core/log/result_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>

#include "core/fs/forwarding_file_system.h"
#include "core/run/run_frame.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

class ResultLogTest : public ::testing::Test {
 protected:
  ResultLog MakeLog(bool appendToLog) {
    return ResultLog(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), appendToLog, m_fileSystem);
  }
  test::TempFolder m_folder;
  platform::PosixFileSystem m_fileSystem;
};

// Counts the writes that reach each file: what a run costs per file it logs.
class CountingFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  std::map<std::string, int> writes;

  OpenedFile OpenForWriting(std::string_view path, WriteStart start) override {
    OpenedFile opened = ForwardingFileSystem::OpenForWriting(path, start);
    if (opened.file)
      opened.file = std::make_unique<Counted>(std::move(opened.file), writes[std::string(path)]);
    return opened;
  }

 private:
  class Counted : public OutputFile {
   public:
    Counted(std::unique_ptr<OutputFile> real, int& count) : m_real(std::move(real)), m_count(count) {}
    int Write(std::string_view bytes) override {
      ++m_count;
      return m_real->Write(bytes);
    }
    int Flush() override { return m_real->Flush(); }
    int Close() override { return m_real->Close(); }

   private:
    std::unique_ptr<OutputFile> m_real;
    int& m_count;
  };
};

TEST_F(ResultLogTest, StartReplacesTheResultFileAndLinesEndWithCrLf) {
  m_folder.WriteFile("Result.dat", "old run\r\n");
  ResultLog log = MakeLog(false);
  log.Start("head");
  log.Append("line");
  log.Append("");
  log.Close();
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "head\r\n\r\nline\r\n\r\n");
  EXPECT_FALSE(m_folder.Exists("Rename.log"));
}

TEST_F(ResultLogTest, TheLogCollectsEveryRunWhileTheResultFileHoldsTheLast) {
  for (const char* run : {"first", "second"}) {
    ResultLog log = MakeLog(true);
    log.Start(run);
    log.Append("x");
  }
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "second\r\n\r\nx\r\n");
  EXPECT_EQ(m_folder.ReadFile("Rename.log"), "first\r\n\r\nx\r\nsecond\r\n\r\nx\r\n");
}

TEST_F(ResultLogTest, FlushedLinesAreInTheFilesWhileTheyStayOpen) {
  ResultLog log = MakeLog(true);
  log.Start("head");
  log.Append("done");
  log.Flush();
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "head\r\n\r\ndone\r\n");
  EXPECT_EQ(m_folder.ReadFile("Rename.log"), "head\r\n\r\ndone\r\n");
}

TEST_F(ResultLogTest, EachFlushWritesEachFileOnce) {
  CountingFileSystem counting(m_fileSystem);
  const std::string result = m_folder.Path("Result.dat");
  const std::string collected = m_folder.Path("Rename.log");
  ResultLog log(result, collected, true, counting);
  log.Start("head");  // the log gets its header before the result file is replaced
  EXPECT_EQ(counting.writes, (std::map<std::string, int>{{result, 1}, {collected, 2}}));
  for (const char* file : {"a", "b", "c"}) {
    log.Append(std::string("name: ") + file);
    log.Append("       -> new");
    log.Flush();
  }
  log.Close();
  EXPECT_EQ(counting.writes, (std::map<std::string, int>{{result, 4}, {collected, 5}}));
  EXPECT_EQ(m_folder.ReadFile("Rename.log"),
            "head\r\n\r\nname: a\r\n       -> new\r\nname: b\r\n       -> new\r\n"
            "name: c\r\n       -> new\r\n");
}

TEST_F(ResultLogTest, AFlushIntervalHoldsLinesBackUntilFlushNowOrClose) {
  CountingFileSystem counting(m_fileSystem);
  const std::string result = m_folder.Path("Result.dat");
  ResultLog log(result, m_folder.Path("Rename.log"), false, counting);
  log.SetFlushInterval(std::chrono::hours(1));
  log.Start("head");  // its flush is the interval's first, and writes
  const int afterStart = counting.writes[result];
  for (const char* file : {"a", "b", "c"}) {
    log.Append(file);
    log.Flush();
  }
  EXPECT_EQ(counting.writes[result], afterStart) << "flushes within the interval write nothing";
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "head\r\n\r\n");
  log.FlushNow();
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "head\r\n\r\na\r\nb\r\nc\r\n");
  log.Append("d");
  log.Flush();
  log.Close();
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "head\r\n\r\na\r\nb\r\nc\r\nd\r\n") << "Close writes all";
}

TEST_F(ResultLogTest, ObserverSeesEveryLine) {
  ResultLog log = MakeLog(false);
  std::vector<std::string> seen;
  log.SetObserver([&](std::string_view line) { seen.emplace_back(line); });
  log.Start("head");
  log.Append("a");
  EXPECT_EQ(seen, (std::vector<std::string>{"head", "", "a"}));
}

TEST_F(ResultLogTest, DiscardingLogWritesNoFile) {
  ResultLog log = ResultLog::Discarding();
  int lines = 0;
  log.SetObserver([&](std::string_view) { ++lines; });
  log.Start("head");
  log.Append("a");
  log.Close();
  EXPECT_EQ(lines, 3);
  EXPECT_FALSE(m_folder.Exists("Result.dat"));
}

TEST_F(ResultLogTest, FilesThatCannotBeWrittenThrow) {
  ResultLog missingFolder(m_folder.Path("no/Result.dat"), m_folder.Path("Rename.log"), false, m_fileSystem);
  EXPECT_THROW(missingFolder.Start("head"), LogWriteError);

  // A full disk: the error comes with the write, and the result file is not touched
  // before the log has its header.
  m_folder.WriteFile("Result.dat", "kept\r\n");
  ResultLog fullLog(m_folder.Path("Result.dat"), "/dev/full", true, m_fileSystem);
  try {
    fullLog.Start("head");
    FAIL() << "no error";
  } catch (const LogWriteError& error) {
    EXPECT_EQ(error.Message(CodePage::Utf8()), "I/O ｴﾗｰ (" + std::to_string(ENOSPC) + ")");
  }
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), "kept\r\n");
}

TEST_F(ResultLogTest, FrameLinesCarryTitleAndTime) {
  ResultLog log = MakeLog(false);
  const LocalDateTime time{2024, 5, 1, 9, 8, 7};
  WriteRunHeader(log, OperatingMode::CaseConversion, time, CodePage::Utf8());
  WriteRunFooter(log, OperatingMode::CaseConversion, time, CodePage::Utf8());
  log.Close();
  EXPECT_EQ(m_folder.ReadFile("Result.dat"),
            "大文字・小文字変換ログ採取開始　24/05/01 09:08:07\r\n\r\n"
            "大文字・小文字変換ログ採取終了　24/05/01 09:08:07\r\n\r\n" +
                std::string(39, '-') + "\r\n\r\n");
}

}  // namespace
}  // namespace morvane::core
