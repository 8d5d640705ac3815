#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/presets/preset.h"

namespace morvane::core {

// The presets of a program folder: one file NAME.ini each in its Presets folder.
class PresetFolder {
 public:
  PresetFolder(FileSystem& fileSystem, std::string_view programFolder);

  const std::string& Path() const { return m_path; }
  std::string FileOf(std::string_view name) const;

  // Why a name cannot name a preset, or nothing when it can.
  enum class NameFault {
    Empty,
    LeadingDot,  // the file would be hidden (and "." and ".." are no names)
    Slash,
    Control,  // a control character (NUL, a line break, ...)
    TooLong,  // longer than a file name may be
  };
  static std::optional<NameFault> FaultOfName(std::string_view name);

  // The names of the presets there, in byte order; none when the folder is missing.
  std::vector<std::string> Names() const;
  bool Has(std::string_view name) const;
  // The preset of that name.
  PresetReading Load(std::string_view name) const;
  // Writes the preset (the folder is made when missing); "" or what failed.
  [[nodiscard]] std::string Save(std::string_view name, const Preset& preset);
  // "" or what failed.
  [[nodiscard]] std::string Delete(std::string_view name);

 private:
  FileSystem& m_fileSystem;
  std::string m_path;
};

}  // namespace morvane::core
