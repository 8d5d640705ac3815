#include "core/run/run_frame.h"

#include <string_view>

namespace morvane::core {
namespace {

struct RunTitles {
  std::string_view header;
  std::string_view footer;
};

// Each title ends with an ideographic space, before the time.
RunTitles TitlesOf(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return {"リネームログ採取開始　", "リネームログ採取終了　"};
    case OperatingMode::ExtensionChange:
      return {"拡張子一括変換ログ採取開始　", "拡張子一括変換ログ採取終了　"};
    case OperatingMode::CaseConversion:
      return {"大文字・小文字変換ログ採取開始　", "大文字・小文字変換ログ採取終了　"};
    case OperatingMode::StringReplacement:
      return {"特定文字列変換ログ採取開始　", "特定文字列変換ログ採取終了　"};
    case OperatingMode::StringAddition:
      return {"文字列追加ログ採取開始　", "文字列追加ログ採取終了　"};
    case OperatingMode::CharacterConversion:
      return {"文字種変換ログ採取開始　", "文字種変換ログ採取終了　"};
    case OperatingMode::ListedNames:
      return {"リスト指定リネームログ採取開始　", "リスト指定リネームログ採取終了　"};
  }
  return {};
}

std::string TitledLine(std::string_view title, const LocalDateTime& now, const CodePage& codePage) {
  return codePage.FromUtf8(title) + FormatLogTimeStamp(now);
}

}  // namespace

std::string RunHeaderLine(OperatingMode mode, const LocalDateTime& now, const CodePage& codePage) {
  return TitledLine(TitlesOf(mode).header, now, codePage);
}

void WriteRunHeader(ResultLog& log, OperatingMode mode, const LocalDateTime& now, const CodePage& codePage) {
  log.Start(RunHeaderLine(mode, now, codePage));
}

void WriteRunFooter(ResultLog& log, OperatingMode mode, const LocalDateTime& now, const CodePage& codePage) {
  log.Append(TitledLine(TitlesOf(mode).footer, now, codePage));
  log.Append("");
  log.Append(std::string(39, '-'));
  log.Append("");
  log.Flush();
}

}  // namespace morvane::core
