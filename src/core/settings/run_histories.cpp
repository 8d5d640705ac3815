#include "core/settings/run_histories.h"

#include "core/settings/history.h"
#include "core/settings/settings_keys.h"

namespace morvane::core {
namespace {

// The items as stored: behind the marker when the field was empty, so that the field
// starts empty next time.
std::vector<std::string> Stored(const SavedField& field, const keys::HistoryKey& key,
                                const CodePage& codePage) {
  if (!field.text.empty()) return field.items;
  std::vector<std::string> items = {HistoryMarker(key, codePage)};
  items.insert(items.end(), field.items.begin(), field.items.end());
  return items;
}

}  // namespace

void WriteFileTypesHistory(IniDocument& document, const SavedField& fileTypes, const CodePage& codePage) {
  // The all-files text counts as no file types: it is the marker itself.
  SavedField stored = fileTypes;
  if (stored.text == HistoryMarker(keys::kCopyFileExtension, codePage)) stored.text.clear();
  WriteHistory(document, keys::kCopyFileExtension, Stored(stored, keys::kCopyFileExtension, codePage));
}

void WriteCopyFileHistories(IniDocument& document, const CopyFileFields& fields, const CodePage& codePage) {
  WriteFileTypesHistory(document, fields.fileTypes, codePage);
  WriteHistory(document, keys::kCopyFileChgExt, fields.newExtension.items);
  document.Write(keys::kCopyFileChkChgExt, fields.changeExtension);
  WriteHistory(document, keys::kCopyFileOutputFolder, fields.outputFolder.items);
}

void WriteSequentialHistories(IniDocument& document, const SequentialHistories& histories,
                              const CodePage& codePage) {
  document.EraseSection(keys::kSectionCopyFile);
  // The key of a start number is its item index; the three fixed items are not kept.
  const std::size_t fixed = static_cast<std::size_t>(keys::kCopyFileStartSeqNbr.first);
  if (histories.startNumbers.size() > fixed) {
    WriteHistory(
        document, keys::kCopyFileStartSeqNbr,
        std::vector<std::string>(histories.startNumbers.begin() + fixed, histories.startNumbers.end()));
  }
  WriteHistory(document, keys::kCopyFileKyotsuName,
               Stored(histories.frontPart, keys::kCopyFileKyotsuName, codePage));
  WriteHistory(document, keys::kCopyFileKyotsuName2,
               Stored(histories.backPart, keys::kCopyFileKyotsuName2, codePage));
  WriteCopyFileHistories(document, histories.copyFile, codePage);
}

void WriteStringHistories(IniDocument& document, const StringHistories& histories, const CodePage& codePage) {
  const keys::HistoryKey& keyA = histories.replacement ? keys::kChgStrChgStr : keys::kAddStrAddStr;
  const keys::HistoryKey& keyB = histories.replacement ? keys::kChgStrChgStr2 : keys::kAddStrAddStr2;
  document.EraseSection(keyA.section);
  WriteHistory(document, keyA, Stored(histories.stringA, keyA, codePage));
  WriteHistory(document, keyB, Stored(histories.stringB, keyB, codePage));
  if (histories.replacement) document.Write(keys::kChgStrStrAULCase, histories.caseSensitive);
}

}  // namespace morvane::core
