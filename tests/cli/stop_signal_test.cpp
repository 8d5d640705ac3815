// SIGINT, SIGTERM and SIGHUP in the middle of a run: the file in hand is finished, the
// rest are left as they are, the result file ends with the abort line, the summary and
// the footer, and the exit status says the run was aborted. A second signal ends the
// program at once.
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "batch_fixture.h"
#include "core/fs/forwarding_file_system.h"
#include "platform/stop_signals.h"

namespace morvane::cli {
namespace {

// The computer's file system, where a signal arrives while the second file is renamed
// or copied.
class SignalledFileSystem : public core::ForwardingFileSystem {
 public:
  SignalledFileSystem(core::FileSystem& real, int signal) : ForwardingFileSystem(real), m_signal(signal) {}

  core::FsResult Rename(std::string_view from, std::string_view to) override {
    Count();
    return ForwardingFileSystem::Rename(from, to);
  }
  core::FsResult CopyFile(std::string_view from, std::string_view to, bool replace) override {
    Count();
    return ForwardingFileSystem::CopyFile(from, to, replace);
  }

 private:
  void Count() {
    if (++m_calls == 2) std::raise(m_signal);
  }
  int m_signal;
  int m_calls = 0;
};

class StopSignalTest : public BatchAppTest {
 protected:
  void SetUp() override { platform::CatchStopSignals({SIGINT, SIGTERM, SIGHUP}); }
  void TearDown() override { platform::ReleaseStopSignals(); }

  int SignalledBatch(int signal, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "morvane-batch");
    std::istringstream in;
    const BatchIo io{m_out, m_err, in, false};
    SignalledFileSystem fileSystem(m_fileSystem, signal);
    return RunBatch(arguments, io, fileSystem);
  }
};

TEST_F(StopSignalTest, ASignalEndsTheRunAfterTheFileInHand) {
  struct Case {
    const char* name;
    int signal;
    std::vector<std::string> options;
    std::vector<std::string> done;  // relative to the folder
    const char* abortLine;          // empty: the mode has none
  };
  const Case cases[] = {
      {"SIGINT, renaming in place",
       SIGINT,
       {"rename", "--in-place", "--front", "n"},
       {"in/n1.txt", "in/n2.txt"},
       "以降のリネーム処理はすべてキャンセルされました。"},
      {"SIGTERM, copying",
       SIGTERM,
       {"rename", "--output", "OUT", "--front", "n"},
       {"out/n1.txt", "out/n2.txt"},
       "以降のリネーム処理はすべてキャンセルされました。"},
      {"SIGHUP, adding a string",
       SIGHUP,
       {"add", "--in-place", "--prefix", "p_"},
       {"in/p_a.txt", "in/p_b.txt"},
       "以降の文字列追加処理はすべてキャンセルされました。"},
      {"SIGTERM, changing the extension",
       SIGTERM,
       {"ext", "--in-place", "--new-ext", "md"},
       {"in/a.md", "in/b.md"},
       ""},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("out"));
    m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/c.txt", "in/d.txt", "out/"});
    std::vector<std::string> arguments;
    for (const std::string& option : c.options) arguments.push_back(option == "OUT" ? P("out") : option);
    arguments.push_back(P("in"));
    m_out.str("");
    m_err.str("");

    EXPECT_EQ(SignalledBatch(c.signal, arguments), kExitAborted) << c.name;
    for (const std::string& done : c.done) EXPECT_TRUE(m_folder.Exists(done)) << c.name << ": " << done;
    for (const char* left : {"in/c.txt", "in/d.txt"})
      EXPECT_TRUE(m_folder.Exists(left)) << c.name << ": " << left;
    // No temporary copy is left anywhere.
    std::size_t outputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(P("out"))) {
      EXPECT_EQ(entry.path().filename().string().find(".morvane-"), std::string::npos) << c.name;
      ++outputs;
    }
    EXPECT_EQ(outputs, c.options[1] == "--output" ? 2u : 0u) << c.name;

    const std::string result = m_folder.ReadFile("Result.dat");
    if (*c.abortLine != '\0') {
      EXPECT_NE(result.find(c.abortLine), std::string::npos) << c.name;
    }
    EXPECT_NE(result.find("失敗数 = 0 件"), std::string::npos) << c.name << ": " << result;
    EXPECT_TRUE(result.ends_with("---------------------------------------\r\n\r\n"))
        << c.name << ": " << result;
    EXPECT_NE(m_err.str().find("stopped by a signal"), std::string::npos) << c.name;
    platform::ClearStopSignal();
  }
}

TEST(StopSignals, ASecondSignalEndsTheProgramAtOnce) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      platform::CatchStopSignals({SIGINT, SIGTERM, SIGHUP});
      std::raise(signal);
      // The first one is only noted.
      if (!platform::StopSignalReceived()) _exit(10);
      std::raise(signal);
      _exit(11);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status)) << "signal " << signal << ", status " << status;
    if (WIFSIGNALED(status)) {
      EXPECT_EQ(WTERMSIG(status), signal);
    }
  }
}

}  // namespace
}  // namespace morvane::cli
