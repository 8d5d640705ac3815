#include "core/targets/status_texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "core/targets/folder_choice.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

const CodePage& Utf8 = CodePage::Utf8();
const CodePage& Sjis = CodePage::Cp932();

TEST(StatusNumbers, ThousandsAndMegabytes) {
  struct Case {
    std::uint64_t number;
    const char* thousands;
    const char* megabytes;
  } const cases[] = {
      {0, "0", "0.00"},
      {999, "999", "0.00"},
      {1000, "1,000", "0.00"},
      {5119, "5,119", "0.00"},
      {5120, "5,120", "0.01"},  // half a hundredth rounds up
      {1'024'000, "1,024,000", "1.00"},
      {12'641'966'080, "12,641,966,080", "12,345.67"},
      {3'000'000'000, "3,000,000,000", "2,929.69"},  // beyond 32 bits
      {18'446'744'073'709'551'615ull, "18,446,744,073,709,551,615", "18,014,398,509,481.98"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatThousands(c.number), c.thousands);
    EXPECT_EQ(FormatMegabytes(c.number), c.megabytes) << c.number;
  }
}

TEST(StatusTexts, AreInTheCodePageWithFullWidthGaps) {
  EXPECT_EQ(SelectedFilesText(3, 3000, Utf8), "選択ファイル　3個　　3,000byte");
  EXPECT_EQ(AllFilesTotalsText(2, 1500, Utf8), "全ファイル　2個　　1,500byte");
  EXPECT_EQ(AllFilesTotalsText(2, 1500, Sjis), Sjis.FromUtf8("全ファイル　2個　　1,500byte"));
  EXPECT_EQ(Sjis.FromUtf8("　"), "\x81\x40");

  EXPECT_EQ(AttributesText({}, Utf8), "なし");
  EXPECT_EQ(AttributesText({true, true, true, true}, Utf8), "RHSA");
  EXPECT_EQ(AttributesText({false, true, false, true}, Utf8), "HA");

  for (const char* root : {"/", " / ", "\t/\n"}) EXPECT_TRUE(IsRootEntry(root)) << root;
  for (const char* other : {"//", "/a", "", "C:\\"}) EXPECT_FALSE(IsRootEntry(other)) << other;
}

// Rows a way in has just measured count as measured; every other row is read again.
TEST(TotalFileBytes, TakesMeasuredRowsAsTheyWereMeasured) {
  const test::TempFolder folder;
  folder.WriteFile("a", std::string(100, 'a'));
  folder.WriteFile("b", std::string(20, 'b'));
  folder.WriteFile("c", "ccc");
  folder.CreateFiles({"dir/"});
  TargetList list;
  for (const char* entry : {"a", "dir", "b", "gone", "c"}) list.Append(folder.Path(entry));
  list.Append("/");
  const platform::PosixFileSystem fileSystem;
  // Measured bytes unlike the files' own show that the measured rows were not read again.
  struct Case {
    MeasuredRows measured;
    std::uint64_t total;
  } const cases[] = {
      {{}, 123},             // nothing measured: a, b and c
      {{0, 6, 7}, 7},        // every row
      {{1, 2, 1000}, 1103},  // dir and b: a and c read
      {{4, 2, 50}, 170},     // c and the root, the last rows: a and b read
      {{0, 1, 0}, 23},       // the first row only
      {{6, 0, 9}, 132},      // no row, past the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TotalFileBytes(list, fileSystem, c.measured), c.total)
        << c.measured.first << "+" << c.measured.count;
  }
}

// Drives and their free space, for the one text that needs the whole computer.
class DrivesOnly : public FileSystem {
 public:
  std::vector<MountedDrive> drives;
  std::map<std::string, std::uint64_t> freeBytes;

  std::vector<MountedDrive> MountedDrives() const override { return drives; }
  std::optional<std::uint64_t> FreeBytes(std::string_view path) const override {
    const auto found = freeBytes.find(std::string(path));
    return found == freeBytes.end() ? std::nullopt : std::optional(found->second);
  }
  std::optional<FileInfo> Stat(std::string_view) const override { return std::nullopt; }
  FsResult Unreachable(std::string_view) const override { return {FsStatus::NotFound}; }
  bool IsFolder(std::string_view) const override { return false; }
  bool FileExists(std::string_view) const override { return false; }
  void VisitFolder(std::string_view, std::string_view,
                   const std::function<void(const DirectoryEntry&)>&) const override {}
  FsResult Rename(std::string_view, std::string_view) override { return {FsStatus::Failed}; }
  FsResult CopyFile(std::string_view, std::string_view, bool) override { return {FsStatus::Failed}; }
  FsResult CreateFolder(std::string_view) override { return {FsStatus::Failed}; }
  FsResult DeleteFile(std::string_view) override { return {FsStatus::Failed}; }
  std::optional<MountedDrive> DriveOf(std::string_view) const override { return std::nullopt; }
  std::string ToLongPathForm(std::string_view) const override { return {}; }
  FileReadResult ReadWholeFile(std::string_view) const override { return {}; }
  std::string ReplaceFileAtomically(std::string_view, std::string_view) override { return "refused"; }
  OpenedFile OpenForWriting(std::string_view, WriteStart) override { return {nullptr, EROFS}; }
};

TEST(FreeSpace, ListsFixedNetworkAndOpticalDrivesInMountPointOrder) {
  DrivesOnly computer;
  computer.drives = {
      {"/mnt/nfs", "nfs", DriveType::Network},      {"/", "ext4", DriveType::Fixed},
      {"/media/usb", "vfat", DriveType::Removable}, {"/run", "tmpfs", DriveType::Ram},
      {"/media/cd", "iso9660", DriveType::CdRom},   {"/x", "fuseblk", DriveType::Unknown},
  };
  computer.freeBytes = {{"/", 12'641'966'080}, {"/mnt/nfs", 1'048'576'000},
                        {"/media/cd", 0},      {"/media/usb", 1},
                        {"/run", 1},           {"/x", 1}};
  EXPECT_EQ(FreeSpaceText(computer, Utf8), "空き容量　/ 12,345.67MB  /media/cd 0.00MB  /mnt/nfs 1,024.00MB");

  // A drive that cannot be read ends the list there.
  computer.freeBytes.erase("/media/cd");
  EXPECT_EQ(FreeSpaceText(computer, Utf8), "空き容量　/ 12,345.67MB");
  computer.drives.clear();
  EXPECT_EQ(FreeSpaceText(computer, Utf8), "空き容量　");
}

TEST(FolderChoice, OnlyTheRootAsksAndNamesItsFirstCharacter) {
  for (const char* root : {"/", "//"}) EXPECT_TRUE(IsRootFolderChoice(root)) << root;
  for (const char* other : {"", "/data", " /", "C:\\"}) EXPECT_FALSE(IsRootFolderChoice(other)) << other;
  EXPECT_EQ(RootFolderQuestion("/", Utf8),
            "ルートフォルダを選択しました。\r\n「サブフォルダも選択」オプションがチェックされているため\r\n"
            "/ドライブ内のすべてのフォルダが変換対象リストに格納されます。\r\n本当によろしいですか？");
}

}  // namespace
}  // namespace morvane::core
