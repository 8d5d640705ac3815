#pragma once

// What the run benchmarks share: a folder of files to work on, and morvane-batch
// started as a separate process, as a user starts it.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

namespace fs = std::filesystem;

// A folder of count files of 100 bytes and a program folder beside it.
class RunFolder {
 public:
  // Files are named prefix + their index + ".jpg".
  RunFolder(int count, const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / "morvane-run-bench-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    fs::create_directory(Input());
    fs::create_directory(Home());
    const std::string content(100, 'x');
    for (int i = 0; i < count; ++i)
      std::ofstream(Input() + "/" + prefix + std::to_string(i) + ".jpg") << content;
  }
  ~RunFolder() { fs::remove_all(m_root); }
  std::string Input() const { return m_root + "/in"; }
  std::string Home() const { return m_root + "/home"; }
  std::string Output() const { return m_root + "/out"; }

 private:
  std::string m_root;
};

struct ChildRun {
  int status = -1;
  long peakKilobytes = 0;
};

inline ChildRun RunBatch(const std::vector<std::string>& arguments, const std::string& home) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> environment = {"MORVANE_HOME=" + home, "LANG=C.UTF-8"};
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  ChildRun run;
  if (posix_spawn(&pid, MORVANE_BATCH_PATH, &actions, nullptr, argv.data(), envp.data()) == 0) {
    rusage usage{};
    wait4(pid, &run.status, 0, &usage);
    run.peakKilobytes = usage.ru_maxrss;
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

}  // namespace bench
