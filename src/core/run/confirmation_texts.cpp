#include "core/run/confirmation_texts.h"

#include "core/names/case_option.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

std::string_view SortTypeName(SortType sortType) {
  switch (sortType) {
    case SortType::Extension:
      return "拡張子（";
    case SortType::Size:
      return "サイズ（";
    case SortType::ModifiedDate:
      return "更新日時（";
    case SortType::UserOrder:
      return "ユーザ指定（";
    case SortType::Natural:
      return "名前(自然順)（";
    case SortType::Taken:
      return "撮影日時（";
    case SortType::Name:
      break;
  }
  return "名前（";
}

std::string_view CaseName(int caseIndex) {
  switch (caseIndex) {
    case 1:
      return "大文字に変換";
    case 2:
      return "小文字に変換";
    default:
      return "無変換";
  }
}

std::string_view CheckName(bool checked) { return checked ? "チェック" : "未チェック"; }

}  // namespace

ConfirmationTexts MakeConfirmationTexts(const RunSettings& settings, std::string_view fileTypesText,
                                        std::string_view previewText, bool outputLog,
                                        const CodePage& codePage) {
  ConfirmationTexts texts;
  texts.extension =
      fileTypesText.empty() ? codePage.FromUtf8("すべてのファイル") : std::string(fileTypesText);
  texts.preview = previewText;
  texts.sortType = codePage.FromUtf8(std::string(SortTypeName(settings.sortType)) +
                                     (settings.descending ? "降順）" : "昇順）"));
  texts.increment = std::to_string(settings.increment);
  if (!settings.changeExtension) {
    texts.changeExtension = codePage.FromUtf8("変更なし");
  } else {
    const std::string extension =
        ApplyExtensionCase(TrimBlanks(settings.newExtensionText), settings.extensionCase, codePage);
    texts.changeExtension =
        extension.empty() ? codePage.FromUtf8("拡張子なし に変更") : extension + codePage.FromUtf8(" に変更");
  }
  texts.nameCase = codePage.FromUtf8(CaseName(settings.nameCase));
  texts.extensionCase = codePage.FromUtf8(CaseName(settings.extensionCase));
  texts.renameInPlace = codePage.FromUtf8(CheckName(settings.renameInPlace));
  texts.logOutput = codePage.FromUtf8(CheckName(outputLog));
  return texts;
}

}  // namespace morvane::core
