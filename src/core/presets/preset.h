#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/run/operating_mode.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A named set of a mode and its options, kept as the options a command of that mode
// would be given (the long option names of preset_options.h), so that the window and
// the command line replay it alike. Flags hold "true" or "false".
struct Preset {
  OperatingMode mode = OperatingMode::SequentialRename;
  std::vector<std::pair<std::string, std::string>> options;  // each name once, in order

  const std::string* Find(std::string_view name) const;
  bool IsOn(std::string_view flag) const;
  // Sets the option, replacing an earlier value of it.
  void Set(std::string_view name, std::string_view value);
  void Erase(std::string_view name);
  bool operator==(const Preset&) const = default;
};

// Why a preset file cannot be used.
struct PresetFault {
  enum class Kind {
    Missing,           // there is no such preset
    Unreadable,        // its file cannot be read
    NoCommand,         // no "command=" under [Preset]
    UnknownCommand,    // value: the command it names
    UnknownOption,     // option: not one of the command's
    RepeatedOption,    // option: given twice
    BadValue,          // option, value: not a value it takes
    BothDestinations,  // in-place and output together
  };
  Kind kind = Kind::NoCommand;
  std::string option;
  std::string value;
  std::vector<std::string_view> allowed;  // BadValue: the values the option takes
};

struct PresetReading {
  std::optional<Preset> preset;
  PresetFault fault;  // when there is no preset
};

// The preset a file's bytes hold:
//   [Preset]
//   command=rename
//   front=IMG_
//   ...
// Option names compare without regard to ASCII case, values are taken byte for byte;
// lines outside [Preset] and lines without '=' are ignored.
PresetReading ReadPreset(std::string_view bytes, const CodePage& codePage = ActiveCodePage());

// The file's bytes for the preset, in the settings file's form.
std::string PresetFileBytes(const Preset& preset, const CodePage& codePage = ActiveCodePage());

// The first option whose value a file cannot hold (one with a line break), or nothing.
std::optional<std::string> UnstorableOption(const Preset& preset);

// The options as a command's arguments: "--name=value" for a text or a word ("--name"
// and "" for an empty one), "--name" for a flag that is on; a flag that is off is left
// out.
std::vector<std::string> PresetArguments(const Preset& preset);

}  // namespace morvane::core
