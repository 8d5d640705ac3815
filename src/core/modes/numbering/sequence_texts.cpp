#include "core/modes/numbering/sequence_texts.h"

namespace morvane::core {

SequenceTexts::SequenceTexts(const CodePage& codePage)
    : RunTexts(codePage),
      renamingCaption(codePage.FromUtf8("リネーム処理中　")),
      renamed(codePage.FromUtf8("リネーム：")),
      aborted(codePage.FromUtf8("以降のリネーム処理はすべてキャンセルされました。")),
      exceeded(codePage.FromUtf8("通し番号が最大値を超えたのでリネーム処理を終了します。\r\n通し番号=")),
      maximum(codePage.FromUtf8("　最大値=")),
      completed(codePage.FromUtf8("リネーム処理が完了しました。")),
      renamedCount(codePage.FromUtf8("件のファイルをリネームしました。")),
      nothingDone(codePage.FromUtf8("リネーム処理はおこなわれませんでした。")) {}

}  // namespace morvane::core
