#include "core/run/missing_target.h"

#include "core/text/visible_name.h"

namespace morvane::core {

LeftReason LogMissingTarget(ResultLog& log, const RunTexts& texts, const FileSystem& fileSystem,
                            std::string_view path, const CodePage& codePage) {
  const bool tooLong = fileSystem.Unreachable(path).status == FsStatus::PathTooLong;
  log.Append(tooLong ? texts.pathTooLong : texts.missing);
  log.Append(texts.missingPath + VisibleName(path, codePage));
  return tooLong ? LeftReason::PathTooLong : LeftReason::Missing;
}

}  // namespace morvane::core
