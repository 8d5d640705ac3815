#include "core/pipeline/ready_run.h"

#include "core/modes/numbering/sequence_run.h"
#include "core/names/extension_filter.h"
#include "core/pipeline/chain_safe_run.h"

namespace morvane::core {

std::unique_ptr<RunEngine> MakeRunEngine(ReadyRun run, const ProtectedExtensions& protectedExtensions,
                                         FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
                                         const CodePage& codePage) {
  if (run.resolveChains) {
    run.resolveChains = false;
    return std::make_unique<ChainSafeRun>(std::move(run), protectedExtensions, fileSystem, log, interaction,
                                          codePage);
  }
  ExtensionFilter filter = BuildExtensionFilter(run.fileTypes, codePage);
  if (run.mode == OperatingMode::SequentialRename) {
    SequenceRunInputs inputs{std::move(run.numbering), std::move(filter), std::move(run.fileTypes),
                             protectedExtensions};
    return std::make_unique<SequenceRun>(std::move(inputs), fileSystem, log, interaction, codePage);
  }
  ModeRunInputs inputs = std::move(run.others);
  inputs.mode = run.mode;
  static_cast<RunFileRules&>(inputs) = {std::move(filter), std::move(run.fileTypes), protectedExtensions};
  return std::make_unique<ModeRun>(std::move(inputs), fileSystem, log, interaction, codePage);
}

}  // namespace morvane::core
