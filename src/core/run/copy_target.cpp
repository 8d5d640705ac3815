#include "core/run/copy_target.h"

namespace morvane::core {

bool CopyTargetFile(FileSystem& fileSystem, std::string_view source, std::string_view destination) {
  return fileSystem.CopyFile(source, destination, true).Ok();
}

}  // namespace morvane::core
