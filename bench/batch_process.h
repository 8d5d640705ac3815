#pragma once

// What the run benchmarks share: a folder of files to work on, and morvane-batch
// started as a separate process, as a user starts it.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

namespace fs = std::filesystem;

// A folder of count files of fileSize bytes (100 unless told) and a program folder beside it.
class RunFolder {
 public:
  // Files are named prefix + their index + ".jpg". They are made with plain open and
  // write, so that even a million of them take only seconds.
  RunFolder(int count, const std::string& prefix, std::size_t fileSize = 100) {
    std::string pattern = (fs::temp_directory_path() / "morvane-run-bench-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    fs::create_directory(Input());
    fs::create_directory(Home());
    const std::string content(fileSize, 'x');
    for (int i = 0; i < count; ++i) {
      const std::string path = Input() + "/" + prefix + std::to_string(i) + ".jpg";
      const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (file < 0) continue;
      if (!content.empty() &&
          write(file, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
        std::perror(path.c_str());
      close(file);
    }
  }
  ~RunFolder() { fs::remove_all(m_root); }
  std::string Input() const { return m_root + "/in"; }
  std::string Home() const { return m_root + "/home"; }
  std::string Output() const { return m_root + "/out"; }

 private:
  std::string m_root;
};

// Writes out what the file system holding path still has to write, so that a timed run
// that follows does not pay for the work done before it (making the files, an earlier run).
inline void WriteOut(const std::string& path) {
  const int folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  if (syncfs(folder) != 0) std::perror(path.c_str());
  close(folder);
}

struct ChildRun {
  int status = -1;
  long peakKilobytes = 0;
  double cpuSeconds = 0;  // user and system time
};

inline double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; }

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
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

}  // namespace bench
