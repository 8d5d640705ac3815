#include "core/modes/renaming/mode_texts.h"

#include <string_view>

namespace morvane::core {
namespace {

// The texts each of the five modes has a wording of its own for, in UTF-8.
struct ModeWording {
  std::string_view workingCaption;
  std::string_view captionArrow;
  std::string_view done;
  std::string_view arrow;
  std::string_view aborted;
  std::string_view finished;
  std::string_view countSuffix;
  std::string_view nothingDone;
  bool endMessageHasFinishedLine;
};

ModeWording WordingOf(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::ExtensionChange:
      return {"ファイルの拡張子を変換中　",
              " ->  ",
              "拡張子変換：",
              "         -> ",
              "",
              "拡張子一括変換処理が終了しました。",
              "件のファイルの拡張子を ",
              "ファイルは変換されませんでした。",
              false};
    case OperatingMode::CaseConversion:
      return {"ファイル名を変換中　",
              " ->  ",
              "大文字・小文字変換：",
              "                 -> ",
              "",
              "大文字・小文字変換処理が終了しました。",
              "件のファイルを変換しました。",
              "ファイルは変換されませんでした。",
              false};
    case OperatingMode::StringReplacement:
      return {"特定文字列変換処理中　",
              " -> ",
              "特定文字列変換：",
              "             -> ",
              "以降の特定文字列変換処理はすべてキャンセルされました。",
              "特定文字列変換処理が完了しました。",
              "件のファイルをリネームしました。",
              "特定文字列変換処理はおこなわれませんでした。",
              true};
    case OperatingMode::StringAddition:
      return {"文字列追加処理中　",
              " -> ",
              "文字列追加：",
              "         -> ",
              "以降の文字列追加処理はすべてキャンセルされました。",
              "文字列追加処理が完了しました。",
              "件のファイルをリネームしました。",
              "文字列追加処理はおこなわれませんでした。",
              true};
    case OperatingMode::CharacterConversion:
      return {"文字種変換処理中　",
              " -> ",
              "文字種変換：",
              "         -> ",
              "以降の文字種変換処理はすべてキャンセルされました。",
              "文字種変換処理が完了しました。",
              "件のファイルを変換しました。",
              "文字種変換処理はおこなわれませんでした。",
              true};
    case OperatingMode::ListedNames:
      return {"リスト指定リネーム処理中　",
              " -> ",
              "リスト指定リネーム：",
              "                 -> ",
              "以降のリスト指定リネーム処理はすべてキャンセルされました。",
              "リスト指定リネーム処理が完了しました。",
              "件のファイルをリネームしました。",
              "リスト指定リネーム処理はおこなわれませんでした。",
              true};
    case OperatingMode::SequentialRename:
      break;
  }
  return {"", " ->  ", "", "", "", "", "", "", false};
}

}  // namespace

ModeTexts::ModeTexts(OperatingMode mode, const CodePage& codePage)
    : RunTexts(codePage), failedSourceSpaced(codePage.FromUtf8("リネーム失敗ファイル　：")) {
  auto text = [&](std::string_view utf8) { return codePage.FromUtf8(utf8); };
  const ModeWording wording = WordingOf(mode);
  workingCaption = text(wording.workingCaption);
  captionArrow = text(wording.captionArrow);
  done = text(wording.done);
  arrow = text(wording.arrow);
  aborted = text(wording.aborted);
  finished = text(wording.finished);
  countSuffix = text(wording.countSuffix);
  nothingDone = text(wording.nothingDone);
  endMessageHasFinishedLine = wording.endMessageHasFinishedLine;
  if (mode == OperatingMode::ExtensionChange) {
    missingAtTurn = text("以下のファイルは、存在しなかったので変換されませんでした。");
    sameFolder = text("同フォルダに同名のファイルが存在するので、リネームしませんでした。");
    toNoExtension = text("拡張子なし に変換しました。");
    toExtension = text(" に変換しました。");
  }
  if (mode == OperatingMode::StringReplacement) {
    stringANotFound =
        text("以下のファイルは、文字列 A がファイル名中に存在しなかったので\r\n変換されませんでした。");
  }
  if (mode == OperatingMode::CharacterConversion) {
    nothingToConvert =
        text("以下のファイルは、変換する文字がファイル名中に存在しなかったので\r\n変換されませんでした。");
  }
  if (mode == OperatingMode::CharacterConversion || mode == OperatingMode::StringReplacement) {
    unconvertible = text(
        "以下のファイルは、ファイル名が文字として正しくないか、変換後の名前が空になるか使えない文字を含むので"
        "\r\n"
        "変換されませんでした。");
    matchLimit = text("以下のファイルは、正規表現の照合が制限回数を超えたので\r\n変換されませんでした。");
  }
  if (mode == OperatingMode::ListedNames) {
    unconvertible = text("以下のファイルは、リストに新しい名前がないので\r\nリネームされませんでした。");
  }
}

}  // namespace morvane::core
