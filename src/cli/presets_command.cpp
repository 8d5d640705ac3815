#include "cli/presets_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cli/preset_arguments.h"
#include "core/presets/preset_options.h"

namespace morvane::cli {
namespace {

// The argument as a shell would need it written: as it is when it is plain, else in
// single quotes (the value alone for "--name=value").
std::string ShellWord(const std::string& argument) {
  const auto plain = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-_./:=@%+,").find(c) != std::string_view::npos;
  };
  if (!argument.empty() && std::all_of(argument.begin(), argument.end(), plain)) return argument;
  std::size_t valueStart = 0;
  if (argument.starts_with("--") && argument.find('=') != std::string::npos)
    valueStart = argument.find('=') + 1;
  std::string quoted = argument.substr(0, valueStart) + "'";
  for (std::size_t i = valueStart; i < argument.size(); ++i)
    quoted += argument[i] == '\'' ? "'\\''" : std::string(1, argument[i]);
  return quoted + "'";
}

}  // namespace

CLI::App* AddPresetsCommand(CLI::App& app) {
  return app.add_subcommand(
      "presets",
      "List the saved presets, one a line: its name, a tab, and the command with the options it stands "
      "for. A preset that cannot be used is told on standard error (exit 1).");
}

int RunPresetsCommand(const core::PresetFolder& presets, const BatchIo& io) {
  const std::vector<std::string> names = presets.Names();
  if (names.empty()) io.err << "No presets are saved in " << presets.Path() << '\n';
  int status = kExitSuccess;
  for (const std::string& name : names) {
    const core::PresetReading reading = presets.Load(name);
    if (!reading.preset) {
      io.err << "preset \"" << name << "\" cannot be used: " << PresetFaultText(reading.fault, presets, name)
             << '\n';
      status = kExitFailures;
      continue;
    }
    io.out << name << '\t' << core::ModeCommandName(reading.preset->mode);
    for (const std::string& argument : core::PresetArguments(*reading.preset))
      io.out << ' ' << ShellWord(argument);
    io.out << '\n';
  }
  return status;
}

}  // namespace morvane::cli
