#include "core/run/sequence_texts.h"

namespace morvane::core {

SequenceTexts::SequenceTexts(const CodePage& codePage)
    : collectingCaption(codePage.FromUtf8("ファイル情報を取得中...")),
      renamingCaption(codePage.FromUtf8("リネーム処理中　")),
      renamed(codePage.FromUtf8("リネーム：")),
      failed(codePage.FromUtf8("リネームに失敗しました。")),
      failedSource(codePage.FromUtf8("リネーム失敗ファイル：")),
      failedTarget(codePage.FromUtf8("リネーム後のファイル名：")),
      missing(codePage.FromUtf8("リネーム対象ファイルが存在しませんでした。")),
      missingPath(codePage.FromUtf8("リネーム対象ファイル：")),
      filteredBefore(codePage.FromUtf8("以下のファイルは、指定外の拡張子（指定拡張子：")),
      filteredAfter(codePage.FromUtf8("）なので変換されませんでした。")),
      protectedExtension(
          codePage.FromUtf8("以下のファイルは、保護するファイルの拡張子なので変換されませんでした。")),
      aborted(codePage.FromUtf8("以降のリネーム処理はすべてキャンセルされました。")),
      exceeded(codePage.FromUtf8("通し番号が最大値を超えたのでリネーム処理を終了します。\r\n通し番号=")),
      maximum(codePage.FromUtf8("　最大値=")),
      completed(codePage.FromUtf8("リネーム処理が完了しました。")),
      renamedCount(codePage.FromUtf8("件のファイルをリネームしました。")),
      nothingDone(codePage.FromUtf8("リネーム処理はおこなわれませんでした。")),
      failureCount(codePage.FromUtf8("リネーム失敗数 = ")),
      countUnit(codePage.FromUtf8(" 件")) {}

}  // namespace morvane::core
