#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

namespace morvane::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "morvane-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  m_root = pattern;
  setenv("MORVANE_HOME", m_root.c_str(), 1);
}

TempFolder::~TempFolder() {
  if (::testing::Test::HasFailure()) {
    std::cerr << "kept the test folder " << m_root << '\n';
    return;
  }
  std::error_code ignored;
  // Read-only folders made by a test would stop the removal.
  for (const auto& entry : fs::recursive_directory_iterator(m_root, ignored)) {
    if (!entry.is_symlink())
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(m_root, ignored);
}

std::string TempFolder::Path(std::string_view relative) const { return m_root + "/" + std::string(relative); }

void TempFolder::CreateFiles(std::initializer_list<std::string_view> relatives) const {
  for (std::string_view relative : relatives) {
    if (!relative.empty() && relative.back() == '/') {
      fs::create_directories(Path(relative));
    } else {
      WriteFile(relative, "");
    }
  }
}

void TempFolder::WriteFile(std::string_view relative, std::string_view content) const {
  const fs::path path = Path(relative);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void TempFolder::WriteFileModifiedAt(std::string_view relative,
                                     std::chrono::system_clock::time_point modified,
                                     std::string_view content) const {
  WriteFile(relative, content);
  const auto sinceEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch());
  const auto seconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
  // The access time is left alone: nothing orders by it.
  const timespec times[2] = {
      {0, UTIME_OMIT},
      {static_cast<time_t>(seconds.count()), static_cast<long>((sinceEpoch - seconds).count())}};
  if (utimensat(AT_FDCWD, Path(relative).c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the modification time of " + Path(relative));
}

std::string TempFolder::ReadFile(std::string_view relative) const {
  std::ifstream in(Path(relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(std::string_view relative) const {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(Path(relative), ignored));
}

}  // namespace morvane::test
