#pragma once

#include <string>
#include <string_view>

#include "core/run/run_settings.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The values of the nine rows the confirmation shows before a sequential run, as byte
// strings in the code page.
struct ConfirmationTexts {
  std::string extension;        // the file types, or "すべてのファイル" when there are none
  std::string preview;          // the first new file name, as the preview line shows it
  std::string sortType;         // "名前（昇順）" and the like
  std::string increment;        // in decimal
  std::string changeExtension;  // "変更なし", "拡張子なし に変更" or "<ext> に変更"
  std::string nameCase;         // "無変換", "大文字に変換" or "小文字に変換"
  std::string extensionCase;    // the same three
  std::string renameInPlace;    // "チェック" or "未チェック"
  std::string logOutput;        // the same two
};

// The rows for a run with settings. fileTypesText and previewText are the texts of the
// file types field and of the preview line, used as they are (no trimming). A case
// index outside 0..2 reads as "無変換", as the run leaves such names unchanged; an
// unknown sort type reads as the name order, which is what the run falls back to.
ConfirmationTexts MakeConfirmationTexts(const RunSettings& settings, std::string_view fileTypesText,
                                        std::string_view previewText, bool outputLog,
                                        const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
