#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/text/code_page.h"

namespace morvane::core {

// What Enter in the path field does with the text typed there (taken as it is, not
// trimmed).
enum class TypedPath {
  Empty,          // nothing typed: the focus moves on
  NotInFilter,    // an existing file whose extension the file types do not admit
  Protected,      // an existing file of a protected type
  File,           // an existing file to add
  Folder,         // a folder to add and remember
  IgnoredFolder,  // a folder in the user-order state: nothing happens
  Missing,        // neither a file nor a folder
};

TypedPath ClassifyTypedPath(std::string_view text, const FileSystem& fileSystem,
                            const ExtensionFilter& filter, const ProtectedExtensions& protectedExtensions,
                            bool userOrder);

// What a batch of paths from the desktop or the command line adds to the list.
struct TargetsToAdd {
  std::vector<std::string> entries;  // in the order they are added
  std::vector<std::string> folders;  // to remember as target folders, in this order
  // The FileBytesOf sum of the entries, read as they were sorted.
  std::uint64_t fileBytes = 0;
};

// Dropped paths, in the order they came: folders are added and remembered (never in
// the user-order state); other paths are added when the filter admits their extension.
// No duplicate or protection test. Each path is looked up once, for what it is and its
// size.
TargetsToAdd SortDroppedPaths(const std::vector<std::string>& paths, const FileSystem& fileSystem,
                              const ExtensionFilter& filter, bool userOrder);

// Command-line arguments, in the order given: each in the file system's long form
// (FileSystem::ToLongPathForm), trimmed of blanks; arguments that give nothing are
// dropped. No filter, protection, duplicate or user-order test. The caller puts each
// entry at the top of the list. Folders shared by many arguments are looked up once.
TargetsToAdd CommandLineTargets(const std::vector<std::string>& arguments, const FileSystem& fileSystem,
                                const CodePage& codePage = ActiveCodePage());

// The filter string of the file dialog for the text of the file types field, in the
// "name|pattern" form: "すべてのファイル (*.*)|*.*" for an empty text or the all-files
// item, otherwise "ユーザー設定 (*.bmp;*.jpg)|*.bmp;*.jpg" for the words bmp and jpg.
std::string FileDialogFilter(std::string_view fieldText, const CodePage& codePage = ActiveCodePage());

// The local paths of a text/uri-list: one URI a line, '#' lines are comments, only
// file: URIs whose host is empty, "localhost" or hostName count. The path is
// percent-decoded to bytes as they are, never through a character set, so a name that
// is not valid text keeps its exact bytes.
std::vector<std::string> LocalPathsOfUriList(std::string_view uriList, std::string_view hostName);

}  // namespace morvane::core
