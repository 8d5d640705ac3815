// A run killed with SIGKILL half-way, then morvane-batch undo: every file must be back
// under its old name with its content, whatever the point the run was killed at, and
// undo must report none left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/listed_names.h"
#include "support/temp_folder.h"

namespace morvane::test {
namespace {

// Starts morvane-batch with the arguments, its output thrown away.
pid_t StartBatch(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), MORVANE_BATCH_PROGRAM);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  const pid_t child = fork();
  if (child == 0) {
    if (dup2(null, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(null);
  return child;
}

int WaitFor(pid_t child) {
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, 0), child);
  return status;
}

std::uint64_t SizeOf(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// name -> content for every entry of the folder.
std::map<std::string, std::string> Contents(const TempFolder& folder, const std::string& relative) {
  std::map<std::string, std::string> contents;
  for (const std::string& name : platform::ListedNames(folder.Path(relative))) {
    contents[name] = folder.ReadFile(relative + "/" + name);
  }
  return contents;
}

// The runs killed: a plain rename, and a renumbering by one through temporary names,
// where most files step aside before their turn (an announced move never made is no file
// left behind, and undo must not report it).
struct KilledRun {
  int files;
  std::vector<std::string> arguments;  // the folder is added last
};

class KilledRunUndoTest : public ::testing::TestWithParam<KilledRun> {};

TEST_P(KilledRunUndoTest, EveryFileComesBackAfterSigkillAtARandomPoint) {
  const int kFiles = GetParam().files;
  TempFolder folder;
  folder.CreateFiles({"d/"});
  for (int i = 1; i <= kFiles; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%05d", i);
    const std::string name = std::string(number) + ".txt";
    const int file = open(folder.Path("d/" + name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, name.data(), name.size()), static_cast<ssize_t>(name.size()));
    close(file);
  }
  const std::map<std::string, std::string> before = Contents(folder, "d");
  ASSERT_EQ(before.size(), static_cast<std::size_t>(kFiles));

  // The run is killed once its result file has grown past a random share of the size of
  // its lines ("リネーム：" and the path, then the arrow and the new name), so the point
  // differs from run to run.
  const std::uint64_t lineBytes = std::string("リネーム：").size() + folder.Path("d/12345.txt").size() +
                                  std::string("       -> k_12345.txt").size() + 2;
  std::mt19937 random(std::random_device{}());
  const double share = std::uniform_real_distribution<double>(0.02, 0.8)(random);
  const auto killAt = static_cast<std::uint64_t>(share * kFiles * static_cast<double>(lineBytes));
  SCOPED_TRACE("killed at about " + std::to_string(static_cast<int>(share * 100)) + "% of the run");
  std::vector<std::string> arguments = GetParam().arguments;
  arguments.push_back(folder.Path("d"));
  const pid_t run = StartBatch(arguments);
  while (SizeOf(folder.Path("Result.dat")) < killAt) {
    if (waitpid(run, nullptr, WNOHANG) == run) FAIL() << "the run ended before it could be killed";
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ASSERT_EQ(kill(run, SIGKILL), 0);
  const int killed = WaitFor(run);
  ASSERT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL);
  ASSERT_NE(Contents(folder, "d"), before) << "the run renamed nothing before it was killed";

  const int undo = WaitFor(StartBatch({"undo", "--yes"}));
  ASSERT_TRUE(WIFEXITED(undo));
  EXPECT_EQ(WEXITSTATUS(undo), 0);
  EXPECT_EQ(Contents(folder, "d"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, KilledRunUndoTest,
    ::testing::Values(KilledRun{50'000, {"rename", "--in-place", "--front", "k_"}},
                      KilledRun{30'000, {"rename", "--in-place", "--start", "00002", "--resolve-chains"}}));

}  // namespace
}  // namespace morvane::test
