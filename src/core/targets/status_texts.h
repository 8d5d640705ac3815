#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/targets/target_list.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The texts of the status bar's information panel. Every text is in the code page
// given (the program's own words converted, paths and mount points as they are).

// A number with thousands separated by commas ("#,##0").
std::string FormatThousands(std::uint64_t number);
// Bytes as megabytes of 1,024,000 bytes with two decimals, rounded ("#,##0.00").
std::string FormatMegabytes(std::uint64_t bytes);

// An entry that is the root folder "/" once blanks around it are trimmed. It has no size.
bool IsRootEntry(std::string_view entry);

// "R", "H", "S", "A" for those set, in that order, or "なし" when none is.
std::string AttributesText(const FileAttributes& attributes, const CodePage& codePage);

// The text for one selected entry: "ルートフォルダ" for the root; size ("DIR" for a
// folder), modification time "yy/mm/dd hh:nn:ss" and attributes otherwise; and for an
// entry that no longer exists, "存在しないファイル・フォルダです".
std::string ItemInfoText(std::string_view entry, const FileSystem& fileSystem, const CodePage& codePage);

// "選択ファイル　N個　　Tbyte" for several selected entries.
std::string SelectedFilesText(std::size_t count, std::uint64_t totalBytes, const CodePage& codePage);
// "全ファイル　N個　　Tbyte" for the whole list.
std::string AllFilesTotalsText(std::size_t count, std::uint64_t totalBytes, const CodePage& codePage);

// The selected entries: how many, the sum of the sizes of those that are files (folders,
// the root and entries that cannot be found add nothing), and the first of them.
struct SelectionSummary {
  std::size_t count = 0;
  std::uint64_t totalBytes = 0;
  std::optional<std::size_t> first;
};
SelectionSummary SummarizeSelection(const TargetList& list, const FileSystem& fileSystem);

// What an entry adds to a total, given what FileSystem::Stat says of it: a file's size;
// nothing for a folder, the root or an entry that cannot be found.
std::uint64_t FileBytesOf(std::string_view entry, const std::optional<FileInfo>& info);

// Rows [first, first + count) of the list whose sizes a way in has just read as it added
// them: bytes is their FileBytesOf sum. The totals shown right after the rows were added
// then need not ask the file system about each of them a second time.
struct MeasuredRows {
  std::size_t first = 0;
  std::size_t count = 0;
  std::uint64_t bytes = 0;
};
// The sum of the sizes of every entry that is a file: the measured rows as measured, the
// others as the file system says now.
std::uint64_t TotalFileBytes(const TargetList& list, const FileSystem& fileSystem,
                             const MeasuredRows& measured = {});

// "空き容量　" followed by the free space of each fixed, network and optical drive in
// mount-point order, "<mount point> 1,234.56MB", joined by two spaces. A drive whose
// free space cannot be read ends the list there.
std::string FreeSpaceText(const FileSystem& fileSystem, const CodePage& codePage);

}  // namespace morvane::core
