#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/names/path_rules.h"
#include "core/run/run_settings.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Each of the two fields of a sort key is this many bytes long.
inline constexpr std::size_t kSortFieldBytes = 20;
inline constexpr std::size_t kSortKeyBytes = 2 * kSortFieldBytes;

// The 40-byte key that orders a file in a sequential run: a primary field (the file
// name, the extension, the size right-aligned, or the modification time
// "yyyymmddhhnnss") and a secondary field (the file name; blanks in user order), each
// padded with spaces and cut to 20 bytes. The cut counts bytes, not characters, so two
// names that agree in their first 20 bytes are ordered by their paths. In user order
// the primary field is "a" + the counter as 8 digits, and the counter goes up by one.
// In natural order the key is MakeNaturalSortKey's, of no fixed length.
// In the taken order the key is the taken time's, then the modification time's, then the
// name's, so that photos of one second keep the order of their times and names; taken is
// the time the file records, or nothing when it records none (the modification time
// stands in).
std::string MakeSortKey(std::string_view path, const FileInfo& info, SortType sortType,
                        std::size_t& userOrderCounter, PathSyntax syntax = PathSyntax::Posix,
                        const CodePage& codePage = ActiveCodePage(),
                        std::optional<FileTime> taken = std::nullopt);

// The key that orders a file in natural order (natural_order.h) in a sequential run:
// NaturalOrderKey of the file name, whole, then a NUL byte, which no name holds, so that
// a name that begins another comes first. Files whose names are equal but for the
// spelling of their numbers have equal keys and are ordered by their paths.
std::string MakeNaturalSortKey(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                               const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
