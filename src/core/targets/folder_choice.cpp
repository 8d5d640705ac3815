#include "core/targets/folder_choice.h"

namespace morvane::core {

bool IsRootFolderChoice(std::string_view folder) {
  return !folder.empty() && folder.find_first_not_of('/') == std::string_view::npos;
}

std::string RootFolderQuestion(std::string_view folder, const CodePage& codePage) {
  const std::string_view drive = folder.substr(0, folder.empty() ? 0 : codePage.CharLength(folder, 0));
  return codePage.FromUtf8(
             "ルートフォルダを選択しました。\r\n「サブフォルダも選択」オプションがチェックされているため\r"
             "\n") +
         std::string(drive) +
         codePage.FromUtf8("ドライブ内のすべてのフォルダが変換対象リストに格納されます。") + "\r\n" +
         codePage.FromUtf8("本当によろしいですか？");
}

}  // namespace morvane::core
