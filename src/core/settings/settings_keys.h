#pragma once

#include <array>
#include <string_view>

namespace morvane::core::keys {

// Every section and key of the settings file, with its type and default. This is the
// only place where their names are spelled; readers and writers take these constants.

// A string value; read back cut to at most 1,023 bytes.
struct StringKey {
  std::string_view section;
  std::string_view name;
  std::string_view defaultValue;
};

// An integer value, written in decimal.
struct IntKey {
  std::string_view section;
  std::string_view name;
  int defaultValue;
};

// A boolean value, written as "1" or "0" and read as an integer (non-zero is true).
struct BoolKey {
  std::string_view section;
  std::string_view name;
  bool defaultValue;
};

// A history list: the string keys stem + first ... stem + last (decimal, no leading
// zeros), the lowest number the most recent entry (the preview lists excepted). The
// marker (UTF-8, empty when the list has none) stands for an empty entry.
struct HistoryKey {
  std::string_view section;
  std::string_view stem;
  int first;
  int last;
  std::string_view marker;

  constexpr int Count() const { return last - first + 1; }
};

// Markers stored in place of an empty entry (UTF-8; convert to the file's code page).
inline constexpr std::string_view kMarkerNotSpecified = "指定なし";
inline constexpr std::string_view kMarkerAllFiles = "すべてのファイル";
inline constexpr std::string_view kMarkerNoUserList = "ユーザ指定なし";

inline constexpr std::string_view kSectionWindow = "Window";
inline constexpr std::string_view kSectionOption = "Option";
inline constexpr std::string_view kSectionSetting = "Setting";
inline constexpr std::string_view kSectionCopyFile = "CopyFile";
inline constexpr std::string_view kSectionChgStr = "ChgStr";
inline constexpr std::string_view kSectionAddStr = "AddStr";
inline constexpr std::string_view kSectionDefault = "Default";
inline constexpr std::string_view kSectionHistory = "History";

// Window: position of the main window, written at close.
inline constexpr IntKey kWindowLeft{kSectionWindow, "Left", 0};
inline constexpr IntKey kWindowTop{kSectionWindow, "Top", 0};

// Option: the operating mode (all false is the rename mode).
inline constexpr BoolKey kOptionChgExt{kSectionOption, "ChgExt", false};
inline constexpr BoolKey kOptionULCase{kSectionOption, "ULCase", false};
inline constexpr BoolKey kOptionChgStr{kSectionOption, "ChgStr", false};
inline constexpr BoolKey kOptionAddStr{kSectionOption, "AddStr", false};
inline constexpr BoolKey kOptionCharConv{kSectionOption, "CharConv", false};

// Setting: options of the main window.
inline constexpr IntKey kSettingSeqNbrSort{kSectionSetting, "SeqNbrSort", 0};
inline constexpr BoolKey kSettingSortDse{kSectionSetting, "SortDse", false};
inline constexpr BoolKey kSettingDelFile{kSectionSetting, "DelFile", false};
inline constexpr StringKey kSettingZoubun{kSectionSetting, "Zoubun", "1"};
inline constexpr IntKey kSettingRenameUL{kSectionSetting, "RenameUL", 0};
inline constexpr IntKey kSettingExtUL{kSectionSetting, "ExtUL", 0};

// Setting: the character conversion's choices, each the index of its combo box (0: leave).
inline constexpr IntKey kSettingConvAlnum{kSectionSetting, "ConvAlnum", 0};
inline constexpr IntKey kSettingConvSymbols{kSectionSetting, "ConvSymbols", 0};
inline constexpr IntKey kSettingConvSpace{kSectionSetting, "ConvSpace", 0};
inline constexpr IntKey kSettingConvKatakana{kSectionSetting, "ConvKatakana", 0};
inline constexpr IntKey kSettingConvKana{kSectionSetting, "ConvKana", 0};
inline constexpr IntKey kSettingConvNormalize{kSectionSetting, "ConvNormalize", 0};
inline constexpr IntKey kSettingConvLetters{kSectionSetting, "ConvLetters", 0};
inline constexpr BoolKey kSettingConvExt{kSectionSetting, "ConvExt", false};
// Setting: the replacement's string A is a regular expression.
inline constexpr BoolKey kSettingChgStrRegex{kSectionSetting, "ChgStrRegex", false};

// Setting: defaults of the settings dialog, each in force only when its Chk key is true.
inline constexpr StringKey kSettingStartSeqNbr{kSectionSetting, "StartSeqNbr", ""};
inline constexpr BoolKey kSettingStartSeqNbrChk{kSectionSetting, "StartSeqNbrChk", false};
inline constexpr StringKey kSettingKyotsuName{kSectionSetting, "KyotsuName", ""};
inline constexpr BoolKey kSettingKyotsuNameChk{kSectionSetting, "KyotsuNameChk", false};
inline constexpr StringKey kSettingKyotsuName2{kSectionSetting, "KyotsuName2", ""};
inline constexpr BoolKey kSettingKyotsuName2Chk{kSectionSetting, "KyotsuName2Chk", false};
inline constexpr StringKey kSettingExtension{kSectionSetting, "Extension", ""};
inline constexpr BoolKey kSettingExtensionChk{kSectionSetting, "ExtensionChk", false};
inline constexpr StringKey kSettingChgExt{kSectionSetting, "ChgExt", ""};
inline constexpr BoolKey kSettingChgExtChk{kSectionSetting, "ChgExtChk", false};
inline constexpr StringKey kSettingOutputFolder{kSectionSetting, "OutputFolder", ""};
inline constexpr BoolKey kSettingOutputFolderChk{kSectionSetting, "OutputFolderChk", false};

// Setting: log options.
inline constexpr BoolKey kSettingOutputLog{kSectionSetting, "OutputLog", false};
inline constexpr BoolKey kSettingResultText{kSectionSetting, "ResultText", false};
inline constexpr StringKey kSettingTextViewer{kSectionSetting, "TextViewer", ""};

// Setting: protected extensions.
inline constexpr BoolKey kGuaudExtBAT{kSectionSetting, "GuaudExtBAT", true};
inline constexpr BoolKey kGuaudExtCOM{kSectionSetting, "GuaudExtCOM", true};
inline constexpr BoolKey kGuaudExtEXE{kSectionSetting, "GuaudExtEXE", true};
inline constexpr BoolKey kGuaudExtDLL{kSectionSetting, "GuaudExtDLL", true};
inline constexpr BoolKey kGuaudExtREG{kSectionSetting, "GuaudExtREG", true};
inline constexpr BoolKey kGuaudExtSYS{kSectionSetting, "GuaudExtSYS", true};
inline constexpr BoolKey kGuaudExtINI{kSectionSetting, "GuaudExtINI", true};
inline constexpr BoolKey kGuaudExtDAT{kSectionSetting, "GuaudExtDAT", true};
inline constexpr StringKey kGuaudExtUser{kSectionSetting, "GuaudExtUser", ""};
// Starts at 1 so that it never meets the plain key GuaudExtUser.
inline constexpr HistoryKey kGuaudExtUserHistory{kSectionSetting, "GuaudExtUser", 1, 10, kMarkerNoUserList};

// The eight built-in protected extensions, in the order of the settings dialog.
inline constexpr std::array<BoolKey, 8> kGuaudExtBuiltIn = {kGuaudExtBAT, kGuaudExtCOM, kGuaudExtEXE,
                                                            kGuaudExtDLL, kGuaudExtREG, kGuaudExtSYS,
                                                            kGuaudExtINI, kGuaudExtDAT};

// CopyFile: input histories of the main window (the rename run erases and rewrites them).
inline constexpr HistoryKey kCopyFileStartSeqNbr{kSectionCopyFile, "StartSeqNbr", 3, 12, ""};
inline constexpr HistoryKey kCopyFileKyotsuName{kSectionCopyFile, "KyotsuName", 0, 9, kMarkerNotSpecified};
inline constexpr HistoryKey kCopyFileKyotsuName2{kSectionCopyFile, "KyotsuName2", 0, 9, kMarkerNotSpecified};
inline constexpr HistoryKey kCopyFileExtension{kSectionCopyFile, "Extension", 0, 10, kMarkerAllFiles};
inline constexpr HistoryKey kCopyFileChgExt{kSectionCopyFile, "ChgExt", 0, 9, ""};
inline constexpr BoolKey kCopyFileChkChgExt{kSectionCopyFile, "chkChgExt", false};
inline constexpr HistoryKey kCopyFileOutputFolder{kSectionCopyFile, "OutputFolder", 0, 9, ""};
inline constexpr HistoryKey kCopyFileChoiceFolder{kSectionCopyFile, "ChoiceFolder", 0, 9, ""};
// Stored oldest first.
inline constexpr HistoryKey kCopyFilePreViewList{kSectionCopyFile, "PreViewList", 0, 9, ""};

// ChgStr: the string replacement mode (erased and rewritten by each replacement run).
inline constexpr HistoryKey kChgStrChgStr{kSectionChgStr, "ChgStr", 0, 9, kMarkerNotSpecified};
inline constexpr HistoryKey kChgStrChgStr2{kSectionChgStr, "ChgStr2", 0, 9, kMarkerNotSpecified};
inline constexpr BoolKey kChgStrStrAULCase{kSectionChgStr, "StrAULCase", true};
inline constexpr HistoryKey kChgStrPreViewList{kSectionChgStr, "PreViewList", 0, 9, ""};

// AddStr: the string addition mode (erased and rewritten by each addition run).
inline constexpr HistoryKey kAddStrAddStr{kSectionAddStr, "AddStr", 0, 9, kMarkerNotSpecified};
inline constexpr HistoryKey kAddStrAddStr2{kSectionAddStr, "AddStr2", 0, 9, kMarkerNotSpecified};
inline constexpr HistoryKey kAddStrPreViewList{kSectionAddStr, "PreViewList", 0, 9, ""};

// Default: folders last chosen in the file dialog and the folder selection dialog.
inline constexpr StringKey kDefaultFileFolder{kSectionDefault, "FileFolder", ""};
inline constexpr StringKey kDefaultFolder{kSectionDefault, "Folder", ""};

// History: the folder selection dialog's history, most recent first.
inline constexpr HistoryKey kHistoryFolder{kSectionHistory, "Folder", 0, 14, ""};

// A plain (not history) key described for listing: its default as it would be written.
enum class KeyType { String, Integer, Boolean };

struct KeyInfo {
  std::string_view section;
  std::string_view name;
  KeyType type;
  std::string_view defaultText;
};

constexpr KeyInfo Describe(const StringKey& key) {
  return {key.section, key.name, KeyType::String, key.defaultValue};
}
constexpr KeyInfo Describe(const BoolKey& key) {
  return {key.section, key.name, KeyType::Boolean, key.defaultValue ? "1" : "0"};
}
// Every integer default of the table is 0; a default of another value must extend this
// (a non-zero default fails to compile here rather than being listed wrongly).
constexpr KeyInfo Describe(const IntKey& key) {
  return {key.section, key.name, KeyType::Integer, key.defaultValue == 0 ? "0" : throw "integer default"};
}

// Every plain key, in the order of the sections above.
inline constexpr std::array kAllPlainKeys = {
    Describe(kWindowLeft),          Describe(kWindowTop),
    Describe(kOptionChgExt),        Describe(kOptionULCase),
    Describe(kOptionChgStr),        Describe(kOptionAddStr),
    Describe(kOptionCharConv),      Describe(kSettingSeqNbrSort),
    Describe(kSettingSortDse),      Describe(kSettingDelFile),
    Describe(kSettingZoubun),       Describe(kSettingRenameUL),
    Describe(kSettingExtUL),        Describe(kSettingChgStrRegex),
    Describe(kSettingConvAlnum),    Describe(kSettingConvSymbols),
    Describe(kSettingConvSpace),    Describe(kSettingConvKatakana),
    Describe(kSettingConvKana),     Describe(kSettingConvNormalize),
    Describe(kSettingConvLetters),  Describe(kSettingConvExt),
    Describe(kSettingStartSeqNbr),  Describe(kSettingStartSeqNbrChk),
    Describe(kSettingKyotsuName),   Describe(kSettingKyotsuNameChk),
    Describe(kSettingKyotsuName2),  Describe(kSettingKyotsuName2Chk),
    Describe(kSettingExtension),    Describe(kSettingExtensionChk),
    Describe(kSettingChgExt),       Describe(kSettingChgExtChk),
    Describe(kSettingOutputFolder), Describe(kSettingOutputFolderChk),
    Describe(kSettingOutputLog),    Describe(kSettingResultText),
    Describe(kSettingTextViewer),   Describe(kGuaudExtBAT),
    Describe(kGuaudExtCOM),         Describe(kGuaudExtEXE),
    Describe(kGuaudExtDLL),         Describe(kGuaudExtREG),
    Describe(kGuaudExtSYS),         Describe(kGuaudExtINI),
    Describe(kGuaudExtDAT),         Describe(kGuaudExtUser),
    Describe(kCopyFileChkChgExt),   Describe(kChgStrStrAULCase),
    Describe(kDefaultFileFolder),   Describe(kDefaultFolder),
};

// Every history list.
inline constexpr std::array kAllHistoryKeys = {
    kGuaudExtUserHistory, kCopyFileStartSeqNbr, kCopyFileKyotsuName,   kCopyFileKyotsuName2,
    kCopyFileExtension,   kCopyFileChgExt,      kCopyFileOutputFolder, kCopyFileChoiceFolder,
    kCopyFilePreViewList, kChgStrChgStr,        kChgStrChgStr2,        kChgStrPreViewList,
    kAddStrAddStr,        kAddStrAddStr2,       kAddStrPreViewList,    kHistoryFolder,
};

}  // namespace morvane::core::keys
