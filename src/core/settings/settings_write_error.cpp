#include "core/settings/settings_write_error.h"

#include <string_view>
#include <utility>

namespace morvane::core {
namespace {

constexpr std::string_view kCannotWrite = "%s に書き込めません";

}  // namespace

SettingsWriteError::SettingsWriteError(std::string path, const std::string& detail, const CodePage& codePage)
    : std::runtime_error("cannot write the settings file " + path + ": " + detail),
      m_path(std::move(path)),
      m_codePage(&codePage) {}

std::string SettingsWriteError::Message() const {
  // The path goes in as bytes after the conversion, so that it is never re-encoded.
  std::string message = m_codePage->FromUtf8(kCannotWrite);
  const std::size_t slot = message.find("%s");
  return message.replace(slot, 2, m_path);
}

}  // namespace morvane::core
