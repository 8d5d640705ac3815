#include "core/run/run_texts.h"

namespace morvane::core {

RunTexts::RunTexts(const CodePage& codePage)
    : collectingCaption(codePage.FromUtf8("ファイル情報を取得中...")),
      missing(codePage.FromUtf8("リネーム対象ファイルが存在しませんでした。")),
      pathTooLong(codePage.FromUtf8("リネーム対象ファイルのパスが長すぎるため、扱えませんでした。")),
      missingPath(codePage.FromUtf8("リネーム対象ファイル：")),
      filteredBefore(codePage.FromUtf8("以下のファイルは、指定外の拡張子（指定拡張子：")),
      filteredAfter(codePage.FromUtf8("）なので変換されませんでした。")),
      protectedExtension(
          codePage.FromUtf8("以下のファイルは、保護するファイルの拡張子なので変換されませんでした。")),
      failed(codePage.FromUtf8("リネームに失敗しました。")),
      failedSource(codePage.FromUtf8("リネーム失敗ファイル：")),
      failedTarget(codePage.FromUtf8("リネーム後のファイル名：")),
      failureCount(codePage.FromUtf8("リネーム失敗数 = ")),
      countUnit(codePage.FromUtf8(" 件")) {}

}  // namespace morvane::core
