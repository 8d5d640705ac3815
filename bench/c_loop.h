#pragma once

// The plain C loop the run benchmarks measure morvane-batch against: the same
// observable work as a rename in place, and nothing more. readdir with one stat per
// entry, the names sorted, renameat2 with RENAME_NOREPLACE to each new name, and the
// two result lines of each file through one buffered stream into Result.dat, flushed at
// the end only.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "batch_process.h"

namespace bench {

// The C loop: every file of folder gets the name newName(name, number), or keeps its
// name when newName gives "".
template <typename NewName>
inline void CLoop(const RunFolder& folder, NewName newName) {
  const std::string base = folder.Input();
  const int directory = open(base.c_str(), O_RDONLY | O_DIRECTORY);
  std::vector<std::string> names;
  DIR* listing = fdopendir(dup(directory));
  while (dirent* entry = readdir(listing)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    struct stat status {};
    if (fstatat(directory, entry->d_name, &status, 0) == 0 && !S_ISDIR(status.st_mode))
      names.emplace_back(entry->d_name);
  }
  closedir(listing);
  std::sort(names.begin(), names.end());
  FILE* result = fopen((folder.Home() + "/Result.dat").c_str(), "wb");
  int number = 1;
  for (const std::string& name : names) {
    const std::string renamed = newName(name, number++);
    if (renamed.empty()) continue;
    if (renameat2(directory, name.c_str(), directory, renamed.c_str(), RENAME_NOREPLACE) != 0) continue;
    fprintf(result, "rename: %s/%s\r\n       -> %s\r\n", base.c_str(), name.c_str(), renamed.c_str());
  }
  fclose(result);
  close(directory);
}

}  // namespace bench
