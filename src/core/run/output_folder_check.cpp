#include "core/run/output_folder_check.h"

namespace morvane::core {
namespace {

constexpr std::string_view kNotSpecified = "\r\n出力先フォルダが指定されていません。";
constexpr std::string_view kNotAbsolute = "\r\n出力先フォルダはフルパスで指定してください。";
constexpr std::string_view kDriveBefore = "\r\nドライブ ";
constexpr std::string_view kDriveNotReady = " が準備されていません。";
constexpr std::string_view kOptical = "\r\nCD-ROMドライブを出力先フォルダには指定できません。";
constexpr std::string_view kCreateQuestion = "存在しないフォルダです！作成しますか？\r\n";
constexpr std::string_view kSpecifyCorrect = "正しい出力先フォルダを指定してください。";
constexpr std::string_view kNotCreated =
    "フォルダが作成できませんでした！\r\nフォルダ名が不正な可能性があります。\r\nもう一度フォルダ名を指定して"
    "ください。";

OutputFolderCheck Failure(OutputFolderOutcome outcome, std::string message) {
  return {outcome, message.empty() ? MessageKind::None : MessageKind::Warning, std::move(message), false};
}

}  // namespace

OutputFolderCheck CheckOutputFolder(std::string_view text, OutputFolderVariant variant,
                                    FileSystem& fileSystem, const CreateFolderQuestion& askCreate,
                                    const CodePage& codePage) {
  const bool start = variant == OutputFolderVariant::Start;
  if (text.empty()) {
    if (start)
      return {OutputFolderOutcome::Empty, MessageKind::Confirmation, codePage.FromUtf8(kNotSpecified), false};
    return {OutputFolderOutcome::Empty, MessageKind::None, "", true};
  }
  if (text.front() != '/') return Failure(OutputFolderOutcome::NotAbsolute, codePage.FromUtf8(kNotAbsolute));

  // The drive is the mounted file system that holds the folder (or would hold it).
  if (const std::optional<MountedDrive> drive = fileSystem.DriveOf(text)) {
    switch (drive->type) {
      case DriveType::Removable:
      case DriveType::Network:
      case DriveType::Ram:
        if (!fileSystem.IsFolder(drive->mountPoint)) {
          return Failure(
              OutputFolderOutcome::DriveNotReady,
              codePage.FromUtf8(kDriveBefore) + drive->mountPoint + codePage.FromUtf8(kDriveNotReady));
        }
        break;
      case DriveType::CdRom:
        return Failure(OutputFolderOutcome::OpticalDrive, codePage.FromUtf8(kOptical));
      case DriveType::Fixed:
      case DriveType::Unknown:
        break;
    }
  }

  if (fileSystem.IsFolder(text)) return {};
  if (!askCreate(codePage.FromUtf8(kCreateQuestion) + std::string(text))) {
    return Failure(OutputFolderOutcome::Declined, start ? codePage.FromUtf8(kSpecifyCorrect) : std::string());
  }
  if (!fileSystem.CreateFolder(text).Ok()) {
    return Failure(OutputFolderOutcome::NotCreated, codePage.FromUtf8(kNotCreated));
  }
  return {};
}

}  // namespace morvane::core
