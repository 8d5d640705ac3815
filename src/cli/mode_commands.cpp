#include "cli/mode_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/start_run.h"
#include "core/presets/preset_options.h"

namespace morvane::cli {
namespace {

const char* DescriptionOf(core::OperatingMode mode) {
  switch (mode) {
    case core::OperatingMode::ExtensionChange:
      return "Give every file a new extension, or remove it (--new-ext \"\"); the name before it stays.";
    case core::OperatingMode::CaseConversion:
      return "Convert the letter case of the names and extensions (ASCII letters only), always in place.";
    case core::OperatingMode::StringReplacement:
      return "Replace every occurrence of a text in the names (before the extension) by another.";
    case core::OperatingMode::StringAddition:
      return "Put a text in front of and/or behind every name (before the extension).";
    case core::OperatingMode::CharacterConversion:
      return "Convert the characters of the names (before the extension, or all with --ext-too): width, "
             "kana, Unicode normalization, letter case.";
    case core::OperatingMode::SequentialRename:
    case core::OperatingMode::ListedNames:  // map_command.h
      break;
  }
  return "";
}

}  // namespace

CLI::App* AddModeCommand(CLI::App& app, ModeOptions& options) {
  CLI::App* command =
      app.add_subcommand(std::string(core::ModeCommandName(options.mode)), DescriptionOf(options.mode));
  switch (options.mode) {
    case core::OperatingMode::ExtensionChange:
      command
          ->add_option("--new-ext", options.newExtension,
                       "The new extension, without the dot (at most 5 characters); an empty TEXT removes the "
                       "extension (asks, or --yes).")
          ->type_name("TEXT")
          ->required();
      break;
    case core::OperatingMode::StringReplacement:
      command->add_option("--find", options.find, "The text A to replace (required, taken exactly as typed).")
          ->type_name("A")
          ->required();
      command
          ->add_option("--replace-with", options.replaceWith,
                       "The replacement B; empty or left out deletes A (asks, or --yes).")
          ->type_name("B");
      command->add_flag("--ignore-case", options.ignoreCase,
                        "Let A match ASCII letters of either case (with --regex, every letter).");
      command->add_flag("--regex", options.regex,
                        "A is a Perl-compatible regular expression, matched on characters (\\w, \\d, "
                        "\\p{Han}); every match is replaced, and B may hold $1..$9, ${name}, $0 (the match) "
                        "and $$ (a dollar).");
      break;
    case core::OperatingMode::StringAddition:
      command
          ->add_option("--prefix", options.prefix,
                       "Text put in front of every name. It may take parts of each file's own name and "
                       "times: <name> <ext> <parent> <date:FORMAT> <taken:FORMAT>, FORMAT writing %Y %m %d "
                       "%H %M %S and %%.")
          ->type_name("A");
      command
          ->add_option("--suffix", options.suffix,
                       "Text put behind every name, before the extension; tokens as in --prefix.")
          ->type_name("B");
      break;
    case core::OperatingMode::CharacterConversion:
      AddConversionOptions(*command, options.conversion);
      break;
    case core::OperatingMode::CaseConversion:
    case core::OperatingMode::SequentialRename:
    case core::OperatingMode::ListedNames:
      break;
  }
  if (options.mode == core::OperatingMode::StringReplacement ||
      options.mode == core::OperatingMode::StringAddition) {
    command
        ->add_option(
            "--new-ext", options.newExtension,
            "Also change the extension to TEXT (without the dot); an empty TEXT removes it (asks, or "
            "--yes).")
        ->type_name("TEXT");
  }
  if (core::AlwaysRenamesInPlace(options.mode)) {
    AddCommonOptions(*command, options.common, CommonOptionsKind::InPlaceOnly);
    command
        ->add_option("--output", options.outputForCase,
                     "Not accepted: the files are always renamed in place.")
        ->type_name("DIR");
  } else {
    AddCommonOptions(*command, options.common, CommonOptionsKind::Copying,
                     options.mode != core::OperatingMode::CharacterConversion);
  }
  return command;
}

int RunModeCommand(const ModeOptions& options, const BatchIo& io, core::FileSystem& fileSystem) {
  if (options.outputForCase) {
    io.err << "--output: the case conversion always renames in place\n";
    return kExitRefused;
  }
  core::StartRequest request = RequestOf(options.mode, options.common, options.newExtension);
  if (options.mode == core::OperatingMode::StringReplacement) {
    request.stringA = options.find;
    request.stringB = options.replaceWith;
    request.caseSensitive = !options.ignoreCase;
    request.regex = options.regex;
  } else if (options.mode == core::OperatingMode::StringAddition) {
    request.stringA = options.prefix;
    request.stringB = options.suffix;
  } else if (options.mode == core::OperatingMode::CharacterConversion) {
    request.conversion = options.conversion.conversion;
    request.convertExtension = options.conversion.extensionToo;
  }
  return CheckAndRun(request, options.common, io, fileSystem);
}

}  // namespace morvane::cli
