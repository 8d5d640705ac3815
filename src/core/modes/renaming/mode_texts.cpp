#include "core/modes/renaming/mode_texts.h"

namespace morvane::core {

ModeTexts::ModeTexts(OperatingMode mode, const CodePage& codePage)
    : RunTexts(codePage),
      failedSourceSpaced(codePage.FromUtf8("リネーム失敗ファイル　：")),
      captionArrow(" ->  ") {
  auto text = [&](std::string_view utf8) { return codePage.FromUtf8(utf8); };
  switch (mode) {
    case OperatingMode::ExtensionChange:
      workingCaption = text("ファイルの拡張子を変換中　");
      done = text("拡張子変換：");
      arrow = "         -> ";
      finished = text("拡張子一括変換処理が終了しました。");
      countSuffix = text("件のファイルの拡張子を ");
      nothingDone = text("ファイルは変換されませんでした。");
      missingAtTurn = text("以下のファイルは、存在しなかったので変換されませんでした。");
      sameFolder = text("同フォルダに同名のファイルが存在するので、リネームしませんでした。");
      toNoExtension = text("拡張子なし に変換しました。");
      toExtension = text(" に変換しました。");
      break;
    case OperatingMode::CaseConversion:
      workingCaption = text("ファイル名を変換中　");
      done = text("大文字・小文字変換：");
      arrow = "                 -> ";
      finished = text("大文字・小文字変換処理が終了しました。");
      countSuffix = text("件のファイルを変換しました。");
      nothingDone = text("ファイルは変換されませんでした。");
      break;
    case OperatingMode::StringReplacement:
      workingCaption = text("特定文字列変換処理中　");
      captionArrow = " -> ";
      done = text("特定文字列変換：");
      arrow = "             -> ";
      aborted = text("以降の特定文字列変換処理はすべてキャンセルされました。");
      finished = text("特定文字列変換処理が完了しました。");
      countSuffix = text("件のファイルをリネームしました。");
      nothingDone = text("特定文字列変換処理はおこなわれませんでした。");
      endMessageHasFinishedLine = true;
      stringANotFound =
          text("以下のファイルは、文字列 A がファイル名中に存在しなかったので\r\n変換されませんでした。");
      break;
    case OperatingMode::StringAddition:
      workingCaption = text("文字列追加処理中　");
      captionArrow = " -> ";
      done = text("文字列追加：");
      arrow = "         -> ";
      aborted = text("以降の文字列追加処理はすべてキャンセルされました。");
      finished = text("文字列追加処理が完了しました。");
      countSuffix = text("件のファイルをリネームしました。");
      nothingDone = text("文字列追加処理はおこなわれませんでした。");
      endMessageHasFinishedLine = true;
      break;
    case OperatingMode::SequentialRename:
      break;
  }
}

}  // namespace morvane::core
