#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "cli/terminal_interaction.h"
#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/names/protected_extensions.h"
#include "core/settings/log_settings.h"

namespace morvane::cli {

// The options every subcommand shares.
struct CommonOptions {
  std::vector<std::string> paths;
  std::optional<std::string> types;
  bool inPlace = false;
  std::optional<std::string> output;
  int nameCase = 0;  // 0 none, 1 upper, 2 lower
  int extensionCase = 0;
  std::optional<ConflictPolicy> onConflict;
  bool yes = false;
  bool dryRun = false;
  bool planRecords = false;  // the plan for scripts instead of the run's lines
  bool resolveChains = false;
  bool log = false;
  bool subfolders = false;                // a folder PATH brings the folders below it too
  std::optional<std::string> preset;      // applied before parsing (preset_arguments.h)
  std::optional<std::string> savePreset;  // the options given saved under this name
};

// The paths as the window's list holds them: a relative path is taken from the current
// folder, so that its folder part is never empty.
std::vector<std::string> AbsolutePaths(const std::vector<std::string>& paths);

// The paths with every folder among them followed by the folders below it, as the
// window's folder dialog adds a folder with サブフォルダも選択: the folder, then each
// folder below it depth first; a folder listed already moves to its new place.
std::vector<std::string> WithSubfolders(const std::vector<std::string>& paths,
                                        const core::FileSystem& fileSystem);

// Which shared options a subcommand takes.
enum class CommonOptionsKind {
  Numbering,    // in place or copying, and "auto" (the next free number) is a conflict answer
  Copying,      // in place or copying
  InPlaceOnly,  // always in place: --in-place may be given, --output is the caller's
};

// Adds the shared options to a subcommand; --name-case and --ext-case only withCases (the
// character conversion has its own --letters); PATH, --subfolders, --types and the
// presets' options only withPaths (map takes its files from its list).
void AddCommonOptions(CLI::App& command, CommonOptions& options, CommonOptionsKind kind,
                      bool withCases = true, bool withPaths = true);

// The conflict policy in force: the chosen one, else ask on a terminal and skip
// unanswered otherwise.
ConflictPolicy EffectivePolicy(const CommonOptions& options, const BatchIo& io);

// A question the window would ask before a run: Yes with --yes, else asked on the
// terminal; false when nobody can answer.
bool AnswerYes(const CommonOptions& options, const BatchIo& io, std::string_view question);

// The settings a run reads from the program folder.
struct ProgramSettings {
  core::ProgramFiles files;
  core::ProtectedExtensions protectedExtensions;
  core::LogSettings log;
};
ProgramSettings LoadProgramSettings(const CommonOptions& options, core::FileSystem& fileSystem);

}  // namespace morvane::cli
