#include "core/modes/numbering/sort_key.h"

#include <cstdio>

#include "core/modes/numbering/natural_order.h"
#include "core/time/local_time.h"

namespace morvane::core {
namespace {

void AppendLeftAligned(std::string& key, std::string_view field) {
  field = field.substr(0, kSortFieldBytes);
  key += field;
  key.append(kSortFieldBytes - field.size(), ' ');
}

std::string SizeField(std::uint64_t size) {
  char text[32];
  std::snprintf(text, sizeof text, "%20llu", static_cast<unsigned long long>(size));
  return text;
}

std::string UserOrderField(std::size_t counter) {
  char text[32];
  std::snprintf(text, sizeof text, "a%08zu", counter);
  return text;
}

}  // namespace

std::string MakeSortKey(std::string_view path, const FileInfo& info, SortType sortType,
                        std::size_t& userOrderCounter, PathSyntax syntax, const CodePage& codePage,
                        std::optional<FileTime> taken) {
  std::string key;
  key.reserve(kSortKeyBytes + path.size());
  const std::string name = ExtractFileName(path, syntax, codePage);
  switch (sortType) {
    case SortType::Name:
      AppendLeftAligned(key, name);
      break;
    case SortType::Extension:
      AppendLeftAligned(key, ExtractFileExt(path, syntax, codePage));
      break;
    case SortType::Size:
      // 64-bit sizes: 20 digits hold the largest, so right alignment keeps text order
      // numeric for files of 4 GiB and more.
      AppendLeftAligned(key, SizeField(info.size));
      break;
    case SortType::ModifiedDate:
      AppendLeftAligned(key, FormatSortTimeStamp(ToLocalDateTime(info.modified)));
      break;
    case SortType::UserOrder:
      AppendLeftAligned(key, UserOrderField(userOrderCounter++));
      AppendLeftAligned(key, "");
      return key;
    case SortType::Natural:
      return MakeNaturalSortKey(path, syntax, codePage);
    case SortType::Taken:
      AppendLeftAligned(key, FormatSortTimeStamp(ToLocalDateTime(taken.value_or(info.modified))));
      AppendLeftAligned(key, FormatSortTimeStamp(ToLocalDateTime(info.modified)));
      break;
  }
  AppendLeftAligned(key, name);
  return key;
}

std::string MakeNaturalSortKey(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  std::string key = NaturalOrderKey(ExtractFileName(path, syntax, codePage), codePage);
  key.push_back('\0');
  return key;
}

}  // namespace morvane::core
