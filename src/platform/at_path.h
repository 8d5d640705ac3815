#pragma once

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace morvane::platform {

// A path as the *at system calls take it: a folder descriptor and a path relative to it.
// A path shorter than PATH_MAX goes to the system whole, relative to the working folder,
// at no extra cost. A longer one, which the system refuses with ENAMETOOLONG however few
// of its folders it has to walk, is reached folder by folder: each step opens the next
// part shorter than PATH_MAX relative to the folder before, so that any depth works.
class AtPath {
 public:
  explicit AtPath(std::string_view path);
  ~AtPath();
  AtPath(const AtPath&) = delete;
  AtPath& operator=(const AtPath&) = delete;

  // 0 when the path can be handed to an *at call; otherwise why not: EINVAL for a path
  // that holds a NUL byte (it cannot name anything), ENAMETOOLONG for a name longer
  // than the system takes, or the errno of a folder on the way that could not be opened.
  int Error() const { return m_error; }
  bool Valid() const { return m_error == 0; }

  // The folder the name is relative to: AT_FDCWD, or a folder this object opened.
  int Folder() const { return m_folder; }
  // The rest of the path, "." when the path ends at a folder that was opened.
  const char* Name() const { return m_name.c_str(); }

 private:
  int m_folder;
  std::string m_name;
  int m_error = 0;
};

enum class Links { Follow, DoNotFollow };

// stat (Links::Follow) or lstat of a path of any length; 0 or the errno.
int PathStatus(std::string_view path, struct stat& status, Links links);

// opendir for a path of any length; nullptr, with errno set, when it cannot be read.
DIR* OpenFolder(std::string_view path);

}  // namespace morvane::platform
