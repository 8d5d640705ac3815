// morvane-batch under a file size limit (ulimit -f): a write beyond it must fail like
// any other write, not kill the program half-way through a copy or the result file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/listed_names.h"
#include "support/temp_folder.h"

namespace morvane::test {
namespace {

struct ChildRun {
  int status = 0;  // as waitpid gives it
  std::string out;
};

std::string Describe(int status) {
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  return "exit " + std::to_string(WEXITSTATUS(status));
}

// Runs morvane-batch with the arguments in a child whose files cannot grow beyond limit
// bytes. Standard output comes back through a pipe, which the limit does not touch;
// standard error goes to errPath, or into the same pipe when errPath is empty.
ChildRun RunBatchUnderLimit(std::vector<std::string> arguments, rlim_t limit, const std::string& errPath) {
  arguments.insert(arguments.begin(), MORVANE_BATCH_PROGRAM);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) ADD_FAILURE() << "pipe: errno " << errno;
  const int err = errPath.empty() ? fcntl(pipeEnds[1], F_DUPFD_CLOEXEC, 0)
                                  : open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls between fork and exec.
    const rlimit sizeLimit{limit, limit};
    if (dup2(pipeEnds[1], STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0 ||
        setrlimit(RLIMIT_FSIZE, &sizeLimit) != 0) {
      _exit(126);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  close(err);
  ChildRun run;
  char buffer[4096];
  for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    run.out.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipeEnds[0]);
  EXPECT_EQ(waitpid(child, &run.status, 0), child);
  return run;
}

bool HasTemporaryCopy(const std::vector<std::string>& names) {
  return std::any_of(names.begin(), names.end(),
                     [](const std::string& name) { return name.starts_with(".morvane-copy-"); });
}

constexpr std::string_view kFooterEnd = "---------------------------------------\r\n\r\n";

class FileSizeLimitTest : public ::testing::Test {
 protected:
  std::vector<std::string> OutNames() const { return platform::ListedNames(m_folder.Path("out")); }

  TempFolder m_folder;  // also the program folder (MORVANE_HOME), inherited by the child
};

TEST_F(FileSizeLimitTest, CopyLargerThanTheLimitFailsAloneAndLeavesNoPartialFile) {
  std::string big;
  for (int i = 0; big.size() < 300'000; ++i) big += std::to_string(i) + ' ';
  m_folder.WriteFile("in/big.bin", big);
  m_folder.WriteFile("in/small.txt", "small");
  m_folder.CreateFiles({"out/"});

  const ChildRun run =
      RunBatchUnderLimit({"add", "--output", m_folder.Path("out"), "--prefix", "p_", m_folder.Path("in")},
                         100'000, m_folder.Path("stderr.txt"));

  ASSERT_TRUE(WIFEXITED(run.status)) << Describe(run.status);
  EXPECT_EQ(WEXITSTATUS(run.status), 1);
  EXPECT_EQ(OutNames(), std::vector<std::string>{"p_small.txt"}) << "no temporary or partial copy";
  EXPECT_EQ(m_folder.ReadFile("out/p_small.txt"), "small");
  EXPECT_EQ(m_folder.ReadFile("in/big.bin"), big);
  EXPECT_NE(m_folder.ReadFile("stderr.txt").find("big.bin"), std::string::npos) << "the failure is named";
  const std::string result = m_folder.ReadFile("Result.dat");
  EXPECT_NE(result.find("失敗数 = 1 件"), std::string::npos) << result;
  EXPECT_TRUE(result.ends_with(kFooterEnd)) << result;
  EXPECT_NE(result.find("ログ採取終了"), std::string::npos) << result;
}

TEST_F(FileSizeLimitTest, ResultFileAtTheLimitEndsTheRunWithItsReport) {
  constexpr int kFiles = 40;
  constexpr rlim_t kLimit = 2048;  // a few files' lines: the run stops part of the way
  for (int i = 0; i < kFiles; ++i) {
    m_folder.WriteFile("in/file_" + std::to_string(100 + i) + ".txt", "content " + std::to_string(i));
  }
  m_folder.CreateFiles({"out/"});

  // Standard error shares the pipe: the files the run could not copy once the undo
  // journal met the limit (no change is made that the journal cannot record) fill more
  // than a limited file would hold.
  const ChildRun run = RunBatchUnderLimit(
      {"add", "--output", m_folder.Path("out"), "--prefix", "p_", m_folder.Path("in")}, kLimit, "");

  ASSERT_TRUE(WIFEXITED(run.status)) << Describe(run.status);
  EXPECT_EQ(WEXITSTATUS(run.status), 1);
  const std::string& err = run.out;
  EXPECT_NE(err.find("(" + std::to_string(EFBIG) + ")"), std::string::npos) << err;
  EXPECT_NE(err.find(m_folder.Path("Result.dat")), std::string::npos) << err;
  EXPECT_EQ(m_folder.ReadFile("Result.dat").size(), kLimit) << "written up to the limit";

  // Nothing lost: every source is in place, every copy is whole and reported on standard
  // output, and no file was in hand when the result file stopped the run.
  const std::vector<std::string> copies = OutNames();
  EXPECT_FALSE(HasTemporaryCopy(copies));
  EXPECT_GT(copies.size(), 0u);
  EXPECT_LT(copies.size(), static_cast<std::size_t>(kFiles));
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_EQ(m_folder.ReadFile("in/file_" + std::to_string(100 + i) + ".txt"),
              "content " + std::to_string(i));
  }
  for (const std::string& copy : copies) {
    const std::string number = copy.substr(std::string("p_file_").size(), 3);
    EXPECT_EQ(m_folder.ReadFile("out/" + copy), "content " + std::to_string(std::stoi(number) - 100)) << copy;
    EXPECT_NE(run.out.find(m_folder.Path("out/" + copy)), std::string::npos) << copy << " is not reported";
  }
}

}  // namespace
}  // namespace morvane::test
