#include "core/targets/status_texts.h"

#include <algorithm>
#include <vector>

#include "core/text/trim.h"
#include "core/time/local_time.h"

namespace morvane::core {

std::string FormatThousands(std::uint64_t number) {
  std::string digits = std::to_string(number);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
  return digits;
}

std::string FormatMegabytes(std::uint64_t bytes) {
  // Hundredths of a megabyte of 1,024,000 bytes, rounded half up, in whole numbers so
  // that no size is too large to be exact.
  constexpr std::uint64_t kBytesPerHundredth = 1024 * 1000 / 100;
  const std::uint64_t hundredths = bytes / kBytesPerHundredth + (bytes % kBytesPerHundredth >= 5120 ? 1 : 0);
  const std::uint64_t fraction = hundredths % 100;
  return FormatThousands(hundredths / 100) + '.' + static_cast<char>('0' + fraction / 10) +
         static_cast<char>('0' + fraction % 10);
}

bool IsRootEntry(std::string_view entry) { return TrimBlanks(entry) == "/"; }

std::string AttributesText(const FileAttributes& attributes, const CodePage& codePage) {
  if (!attributes.Any()) return codePage.FromUtf8("なし");
  std::string letters;
  if (attributes.readOnly) letters += 'R';
  if (attributes.hidden) letters += 'H';
  if (attributes.system) letters += 'S';
  if (attributes.archive) letters += 'A';
  return letters;
}

std::string ItemInfoText(std::string_view entry, const FileSystem& fileSystem, const CodePage& codePage) {
  if (IsRootEntry(entry)) return codePage.FromUtf8("ルートフォルダ");
  const std::optional<FileInfo> info = fileSystem.Stat(entry);
  if (!info) return codePage.FromUtf8("存在しないファイル・フォルダです");
  return codePage.FromUtf8("サイズ　") + (info->isFolder ? std::string("DIR") : FormatThousands(info->size)) +
         codePage.FromUtf8("　　更新日時　") + FormatLogTimeStamp(ToLocalDateTime(info->modified)) +
         codePage.FromUtf8("　　属性　") + AttributesText(info->attributes, codePage);
}

namespace {

std::string CountText(std::string_view caption, std::size_t count, std::uint64_t totalBytes,
                      const CodePage& codePage) {
  return codePage.FromUtf8(caption) + codePage.FromUtf8("　") + FormatThousands(count) +
         codePage.FromUtf8("個　　") + FormatThousands(totalBytes) + "byte";
}

std::uint64_t SizeOfFile(const std::string& entry, const FileSystem& fileSystem) {
  return IsRootEntry(entry) ? 0 : FileBytesOf(entry, fileSystem.Stat(entry));
}

}  // namespace

std::string SelectedFilesText(std::size_t count, std::uint64_t totalBytes, const CodePage& codePage) {
  return CountText("選択ファイル", count, totalBytes, codePage);
}

std::string AllFilesTotalsText(std::size_t count, std::uint64_t totalBytes, const CodePage& codePage) {
  return CountText("全ファイル", count, totalBytes, codePage);
}

SelectionSummary SummarizeSelection(const TargetList& list, const FileSystem& fileSystem) {
  SelectionSummary summary;
  for (std::size_t i = 0; i < list.Size() && summary.count < list.SelectedCount(); ++i) {
    if (!list.IsSelected(i)) continue;
    if (++summary.count == 1) summary.first = i;
    summary.totalBytes += SizeOfFile(list.At(i), fileSystem);
  }
  return summary;
}

std::uint64_t FileBytesOf(std::string_view entry, const std::optional<FileInfo>& info) {
  return !IsRootEntry(entry) && info && !info->isFolder ? info->size : 0;
}

std::uint64_t TotalFileBytes(const TargetList& list, const FileSystem& fileSystem,
                             const MeasuredRows& measured) {
  std::uint64_t total = measured.bytes;
  for (std::size_t i = 0; i < list.Size(); ++i) {
    const bool isMeasured = i >= measured.first && i - measured.first < measured.count;
    if (!isMeasured) total += SizeOfFile(list.At(i), fileSystem);
  }
  return total;
}

std::string FreeSpaceText(const FileSystem& fileSystem, const CodePage& codePage) {
  std::vector<MountedDrive> drives = fileSystem.MountedDrives();
  std::erase_if(drives, [](const MountedDrive& drive) {
    return drive.type != DriveType::Fixed && drive.type != DriveType::Network &&
           drive.type != DriveType::CdRom;
  });
  std::stable_sort(drives.begin(), drives.end(),
                   [](const MountedDrive& a, const MountedDrive& b) { return a.mountPoint < b.mountPoint; });
  std::string joined;
  for (const MountedDrive& drive : drives) {
    const std::optional<std::uint64_t> freeBytes = fileSystem.FreeBytes(drive.mountPoint);
    if (!freeBytes) break;
    if (!joined.empty()) joined += "  ";
    joined += drive.mountPoint + ' ' + FormatMegabytes(*freeBytes) + "MB";
  }
  return codePage.FromUtf8("空き容量　") + joined;
}

}  // namespace morvane::core
