#include "core/undo/undo_texts.h"

#include "core/undo/undo_run.h"

namespace morvane::core {

UndoTexts::UndoTexts(const CodePage& codePage)
    : header(codePage.FromUtf8("元に戻すログ採取開始　")),
      footer(codePage.FromUtf8("元に戻すログ採取終了　")),
      undoing(codePage.FromUtf8("元に戻す実行：")),
      renamedBack(codePage.FromUtf8("元の名前に戻しました：")),
      copyRemoved(codePage.FromUtf8("コピーを削除しました：")),
      formerRestored(codePage.FromUtf8("上書き前の内容に戻しました：")),
      copiedAgain(codePage.FromUtf8("コピーし直しました：")),
      notUndone(codePage.FromUtf8("元に戻せませんでした：")),
      nameTaken(codePage.FromUtf8("　元の名前が使用中です：")),
      changed(codePage.FromUtf8("　実行の後に変更されています。")),
      vanished(codePage.FromUtf8("　見つかりません。")),
      notKept(codePage.FromUtf8("　上書き前の内容が残っていません。")),
      unsure(codePage.FromUtf8("　実行されたかどうか確かめられません。")),
      failed(codePage.FromUtf8("　失敗しました。")),
      outsideRun(codePage.FromUtf8("　記録が実行したフォルダーの外を指しているため、触れません。")),
      undoneCount(codePage.FromUtf8("件を元に戻しました。")),
      leftCount(codePage.FromUtf8("元に戻せなかったファイル：")),
      countUnit(codePage.FromUtf8("件")) {}

std::string UndoTexts::ReasonOf(UndoResult result) const {
  switch (result) {
    case UndoResult::NameTaken:
      return nameTaken;
    case UndoResult::Changed:
      return changed;
    case UndoResult::Vanished:
      return vanished;
    case UndoResult::NotKept:
      return notKept;
    case UndoResult::Unsure:
      return unsure;
    case UndoResult::OutsideRun:
      return outsideRun;
    default:
      return failed;
  }
}

}  // namespace morvane::core
