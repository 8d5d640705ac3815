#include "platform/temporary_name.h"

#include <unistd.h>

#include <cstdint>
#include <random>

#include "platform/system_path.h"

namespace morvane::platform {

std::string TemporaryNameNextTo(std::string_view path, std::string_view stem) {
  thread_local std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(getpid()));
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name(SystemFolderPrefix(path));
  name += ".morvane-";
  name += stem;
  std::uint64_t bits = random();
  for (int i = 0; i < 12; ++i, bits >>= 4) name += kHex[bits & 0xF];
  return name;
}

}  // namespace morvane::platform
