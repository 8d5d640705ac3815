#include "core/log/log_commands.h"

namespace morvane::core {
namespace {

constexpr std::string_view kNoResultFile = "\r\n結果ファイルが存在しません。";
constexpr std::string_view kNoLogFile = "\r\nログファイルが存在しません。";
constexpr std::string_view kConfirmDelete = "\r\n結果ログを削除します。よろしいですか？";
constexpr std::string_view kDeleted = "\r\n結果ログを削除しました。";
constexpr std::string_view kNotDeleted = "\r\n結果ログを削除できませんでした。";

}  // namespace

void ShowResultFile(const LogSettings& settings, const LogCommandContext& context) {
  if (!settings.resultText) return;
  if (!context.fileSystem.FileExists(context.files.resultFile)) {
    context.messages.ShowInformation(context.codePage.FromUtf8(kNoResultFile));
    return;
  }
  OpenInTextViewer(settings.textViewer, context.files.resultFile, context.launcher);
}

void ShowResultLog(const LogSettings& settings, const LogCommandContext& context) {
  if (!context.fileSystem.FileExists(context.files.logFile)) {
    context.messages.ShowInformation(context.codePage.FromUtf8(kNoLogFile));
    return;
  }
  OpenInTextViewer(settings.textViewer, context.files.logFile, context.launcher);
}

void DeleteResultLog(const LogCommandContext& context) {
  if (!context.fileSystem.FileExists(context.files.logFile)) {
    context.messages.ShowWarning(context.codePage.FromUtf8(kNoLogFile));
    return;
  }
  if (!context.messages.ConfirmOkCancel(context.codePage.FromUtf8(kConfirmDelete))) return;
  const bool deleted = context.fileSystem.DeleteFile(context.files.logFile).Ok();
  context.messages.ShowInformation(context.codePage.FromUtf8(deleted ? kDeleted : kNotDeleted));
}

}  // namespace morvane::core
