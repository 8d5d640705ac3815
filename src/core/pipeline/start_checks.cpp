#include "core/pipeline/start_checks.h"

#include <charconv>
#include <variant>

#include "core/modes/name_template.h"
#include "core/modes/renaming/mode_names.h"
#include "core/names/extension_filter.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

constexpr std::string_view kNoTargets = "\r\n対象ファイルが選択されていません。";
constexpr std::string_view kBothCasesKept = "\r\n共通部分の大小と拡張子の大小がどちらも無変換です。";
constexpr std::string_view kNoExtension =
    "拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？";
constexpr std::string_view kNoStringA = "\r\n文字列 A が指定されていません。";
constexpr std::string_view kEmptyStringB =
    "文字列 B が空欄の場合、ファイル名中の文字列 A を削除します。\r\nよろしいですか？";
constexpr std::string_view kNothingToAdd = "\r\n追加文字列が指定されていません。";
constexpr std::string_view kNoConversion = "\r\n変換する文字種が指定されていません。";
constexpr std::string_view kNoStartNumber = "\r\n開始番号が指定されていません。";
constexpr std::string_view kNoFoldersInUserOrder =
    "\r\n連番をつける順序が“ユーザ指定”の場合、フォルダは選択できません。";
constexpr std::string_view kNotInteger = "' は整数ではありません";
constexpr int kUserOrderIndex = static_cast<int>(SortType::UserOrder);
constexpr int kLastSortIndex = static_cast<int>(SortType::Taken);

// A whole non-negative decimal number that fits an int.
std::optional<int> ParseIncrement(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

class StartChecker {
 public:
  StartChecker(const StartRequest& request, FileSystem& fileSystem, StartAnswers& answers,
               const CodePage& codePage)
      : m_request(request), m_fileSystem(fileSystem), m_answers(answers), m_codePage(codePage) {}

  StartDecision Check() {
    if (!FieldTextsAccepted() || !OutputFolderReady()) return std::move(m_decision);
    switch (m_request.mode) {
      case OperatingMode::SequentialRename:
        CheckNumbering();
        break;
      case OperatingMode::ExtensionChange:
        CheckExtensionChange();
        break;
      case OperatingMode::CaseConversion:
        CheckCaseConversion();
        break;
      case OperatingMode::StringReplacement:
      case OperatingMode::StringAddition:
        CheckNameEdit();
        break;
      case OperatingMode::CharacterConversion:
        CheckCharacterConversion();
        break;
      case OperatingMode::ListedNames:
        CheckListedNames();
        break;
    }
    return std::move(m_decision);
  }

 private:
  bool Refuse(StartField field, std::string_view utf8Message,
              StartMessageKind kind = StartMessageKind::Warning) {
    StartRefusal refusal;
    refusal.field = field;
    refusal.message = m_codePage.FromUtf8(utf8Message);
    refusal.kind = kind;
    m_decision.refusal = std::move(refusal);
    return false;
  }

  // A question answered No refuses without a message.
  bool Ask(StartQuestion::Kind kind, std::string text, StartField fieldOnNo) {
    StartQuestion question;
    question.kind = kind;
    question.text = std::move(text);
    question.fieldOnNo = fieldOnNo;
    return AskQuestion(question);
  }
  bool AskQuestion(const StartQuestion& question) {
    if (m_answers.Ask(question)) return true;
    StartRefusal refusal;
    refusal.field = question.fieldOnNo;
    m_decision.refusal = std::move(refusal);
    return false;
  }
  bool GoAhead(std::string_view utf8Text) {
    return Ask(StartQuestion::Kind::GoAhead, m_codePage.FromUtf8(utf8Text), StartField::None);
  }

  bool Accepted(StartField field, TextField textField, const std::string& text) {
    const FieldInput input = InputOf(textField);
    if (FilterFieldText(input, text, m_codePage) == text) {
      return input.inputClass != InputClass::TemplateText || WellFormedTemplate(field, text);
    }
    StartRefusal refusal;
    refusal.field = field;
    refusal.refusedInput = input;
    refusal.refusedText = text;
    m_decision.refusal = std::move(refusal);
    return false;
  }

  // A name part's tokens are known, closed and their formats written right. The window's
  // field lets a token through as it is typed, so an unknown or unfinished one is told
  // here, by name.
  bool WellFormedTemplate(StartField field, const std::string& text) {
    const std::variant<NameTemplate, TemplateError> parsed = NameTemplate::Parse(text, m_codePage);
    const TemplateError* error = std::get_if<TemplateError>(&parsed);
    if (error == nullptr) return true;
    StartRefusal refusal;
    refusal.field = field;
    refusal.message = TemplateErrorMessage(*error, m_codePage);
    refusal.kind = StartMessageKind::Error;
    m_decision.refusal = std::move(refusal);
    return false;
  }

  bool FieldTextsAccepted() {
    const StartRequest& r = m_request;
    // The fixed all-files item is no typed text.
    if (r.fileTypes != AllFilesText(m_codePage) &&
        !Accepted(StartField::FileTypes, TextField::FileTypes, r.fileTypes)) {
      return false;
    }
    switch (r.mode) {
      case OperatingMode::SequentialRename:
        if (!Accepted(StartField::StartNumber, TextField::StartNumber, r.startNumber) ||
            !Accepted(StartField::FrontPart, TextField::FrontPart, r.frontPart) ||
            !Accepted(StartField::BackPart, TextField::BackPart, r.backPart) ||
            !Accepted(StartField::Increment, TextField::Increment, r.increment)) {
          return false;
        }
        break;
      case OperatingMode::StringReplacement:
        if (!Accepted(StartField::StringA, r.regex ? TextField::FindPattern : TextField::FindText,
                      r.stringA) ||
            !Accepted(StartField::StringB, TextField::ReplaceText, r.stringB)) {
          return false;
        }
        break;
      case OperatingMode::StringAddition:
        if (!Accepted(StartField::StringA, TextField::Prefix, r.stringA) ||
            !Accepted(StartField::StringB, TextField::Suffix, r.stringB)) {
          return false;
        }
        break;
      case OperatingMode::ExtensionChange:
      case OperatingMode::CaseConversion:
      case OperatingMode::CharacterConversion:
      case OperatingMode::ListedNames:
        break;
    }
    const bool usesNewExtension = r.mode == OperatingMode::ExtensionChange ||
                                  (r.changeExtension && r.mode != OperatingMode::CaseConversion &&
                                   r.mode != OperatingMode::CharacterConversion);
    return !usesNewExtension || Accepted(StartField::NewExtension, TextField::NewExtension,
                                         std::string(TrimBlanks(r.newExtension)));
  }

  // The case conversion never copies, so its output folder is not looked at.
  bool OutputFolderReady() {
    if (AlwaysRenamesInPlace(m_request.mode)) return true;
    if (!m_request.renameInPlace) {
      const OutputFolderCheck check = CheckOutputFolder(
          m_request.outputFolder, OutputFolderVariant::Start, m_fileSystem,
          [this](std::string_view question) {
            return m_answers.Ask(
                {StartQuestion::Kind::YesNo, std::string(question), std::nullopt, StartField::OutputFolder});
          },
          m_codePage);
      if (!check.Ready()) {
        StartRefusal refusal;
        refusal.field = check.focusBrowseButton ? StartField::OutputFolderButton : StartField::OutputFolder;
        refusal.message = check.message;
        refusal.kind = check.kind == MessageKind::Confirmation ? StartMessageKind::Confirmation
                                                               : StartMessageKind::Warning;
        refusal.outputFolderOutcome = check.outcome;
        m_decision.refusal = std::move(refusal);
        return false;
      }
    }
    std::string folder(TrimBlanks(m_request.outputFolder));
    m_answers.FieldTextTaken(StartField::OutputFolder, folder);
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    m_decision.outputFolder = folder;
    return true;
  }

  // The change-extension box's text, trimmed; an empty one is confirmed.
  bool NewExtensionConfirmed() {
    const std::string trimmed(TrimBlanks(m_request.newExtension));
    m_decision.newExtension = trimmed;
    m_answers.FieldTextTaken(StartField::NewExtension, trimmed);
    return !trimmed.empty() ||
           Ask(StartQuestion::Kind::YesNo, m_codePage.FromUtf8(kNoExtension), StartField::NewExtension);
  }

  ModeRunInputs OtherModeInputs() const {
    ModeRunInputs inputs;
    inputs.mode = m_request.mode;
    inputs.names.changeExtension =
        m_request.mode == OperatingMode::ExtensionChange || m_request.changeExtension;
    inputs.names.newExtensionText = m_decision.newExtension.value_or(m_request.newExtension);
    inputs.names.nameCase = m_request.nameCase;
    inputs.names.extensionCase = m_request.extensionCase;
    inputs.renameInPlace = m_request.RenamesInPlace();
    inputs.outputFolder = m_decision.outputFolder.value_or(std::string());
    return inputs;
  }

  void Ready(ReadyRun run) {
    run.mode = m_request.mode;
    run.fileTypes = m_request.fileTypes;
    m_decision.run = std::move(run);
  }

  void CheckNumbering() {
    const StartRequest& r = m_request;
    if (r.startNumber.empty()) {
      Refuse(StartField::StartNumber, kNoStartNumber, StartMessageKind::Confirmation);
      return;
    }
    RunSettings settings;
    settings.startText = r.startNumber;
    settings.frontPart = r.frontPart;
    settings.backPart = r.backPart;
    if (r.changeExtension) {
      if (!NewExtensionConfirmed()) return;
      settings.changeExtension = true;
      settings.newExtensionText = *m_decision.newExtension;
    }
    if (r.sortType == kUserOrderIndex) {
      for (std::size_t i = 0; i < r.targets.size(); ++i) {
        if (!m_fileSystem.IsFolder(r.targets[i])) continue;
        Refuse(StartField::TargetList, kNoFoldersInUserOrder);
        m_decision.refusal->targetIndex = i;
        return;
      }
    }
    const std::optional<int> increment = ParseIncrement(r.increment);
    if (!increment) {
      StartRefusal refusal;
      refusal.message = "'" + r.increment + m_codePage.FromUtf8(kNotInteger);
      refusal.kind = StartMessageKind::Error;
      m_decision.refusal = std::move(refusal);
      return;
    }
    // An order the list does not hold (no selection) is the name order.
    settings.sortType =
        r.sortType >= 0 && r.sortType <= kLastSortIndex ? static_cast<SortType>(r.sortType) : SortType::Name;
    settings.descending = r.descending;
    settings.increment = *increment;
    settings.nameCase = r.nameCase;
    settings.extensionCase = r.extensionCase;
    settings.renameInPlace = r.renameInPlace;
    settings.outputFolder = m_decision.outputFolder.value_or(std::string());

    StartQuestion confirmation;
    confirmation.kind = StartQuestion::Kind::GoAhead;
    confirmation.numbering = settings;
    if (!AskQuestion(confirmation)) return;
    ReadyRun run;
    run.numbering = std::move(settings);
    Ready(std::move(run));
  }

  void CheckExtensionChange() {
    const std::string extension =
        ConvertedNewExtension(m_request.newExtension, m_request.extensionCase, m_codePage);
    if (extension.empty() &&
        !Ask(StartQuestion::Kind::YesNo, m_codePage.FromUtf8(kNoExtension), StartField::NewExtension)) {
      return;
    }
    const std::string target = extension.empty() ? m_codePage.FromUtf8("拡張子なし に変換されます。")
                                                 : extension + m_codePage.FromUtf8(" に変換されます。");
    if (!Ask(StartQuestion::Kind::GoAhead,
             m_codePage.FromUtf8("拡張子一括変換処理を開始します。\r\n指定のファイルの拡張子はすべて ") +
                 target + m_codePage.FromUtf8("\r\nよろしいですか？"),
             StartField::None)) {
      return;
    }
    ReadyRun run;
    run.others = OtherModeInputs();
    Ready(std::move(run));
  }

  void CheckCaseConversion() {
    if (m_request.targets.empty()) {
      Refuse(StartField::TargetsButton, kNoTargets);
      return;
    }
    if (m_request.nameCase <= 0 && m_request.extensionCase <= 0) {
      Refuse(StartField::NameCase, kBothCasesKept);
      return;
    }
    if (!Ask(StartQuestion::Kind::GoAhead,
             m_codePage.FromUtf8(
                 "大文字・小文字一括変換処理を以下の設定で開始します。\r\n共通部分の大小 ： ") +
                 m_request.nameCaseLabel + m_codePage.FromUtf8("\r\n拡張子の大小 ： ") +
                 m_request.extensionCaseLabel + m_codePage.FromUtf8("\r\nよろしいですか？"),
             StartField::None)) {
      return;
    }
    ReadyRun run;
    run.others = OtherModeInputs();
    Ready(std::move(run));
  }

  void CheckNameEdit() {
    const StartRequest& r = m_request;
    const bool replacement = r.mode == OperatingMode::StringReplacement;
    if (replacement && r.stringA.empty()) {
      Refuse(StartField::StringA, kNoStringA);
      return;
    }
    if (replacement && r.stringB.empty() &&
        !Ask(StartQuestion::Kind::YesNo, m_codePage.FromUtf8(kEmptyStringB), StartField::StringB)) {
      return;
    }
    if (!replacement && r.stringA.empty() && r.stringB.empty()) {
      Refuse(StartField::StringA, kNothingToAdd);
      return;
    }
    std::optional<NamePattern> pattern;
    if (replacement && r.regex && !(pattern = CompiledPattern())) return;
    if (r.changeExtension && !NewExtensionConfirmed()) return;
    if (!GoAhead(replacement ? "特定文字列変換処理をおこないます。\r\nよろしいですか？"
                             : "文字列追加処理をおこないます。\r\nよろしいですか？")) {
      return;
    }
    ReadyRun run;
    run.others = OtherModeInputs();
    run.others.names.stringA = r.stringA;
    run.others.names.stringB = r.stringB;
    run.others.names.caseSensitive = !replacement || r.caseSensitive;
    run.others.pattern = std::move(pattern);
    Ready(std::move(run));
  }

  // The replacement's pattern and B compiled, or nothing after refusing with where the
  // library stopped.
  std::optional<NamePattern> CompiledPattern() {
    const StartRequest& r = m_request;
    std::variant<NamePattern, PatternError> compiled =
        NamePattern::Compile(r.stringA, r.stringB, r.caseSensitive, m_codePage);
    if (NamePattern* pattern = std::get_if<NamePattern>(&compiled)) return std::move(*pattern);
    const PatternError& error = std::get<PatternError>(compiled);
    StartRefusal refusal;
    refusal.field = error.inReplacement ? StartField::StringB : StartField::StringA;
    refusal.message = m_codePage.FromUtf8(error.inReplacement ? "\r\n文字列 B に誤りがあります（"
                                                              : "\r\n正規表現に誤りがあります（") +
                      std::to_string(error.position) + m_codePage.FromUtf8(" 文字目）：") + error.message +
                      "\r\n" + (error.inReplacement ? r.stringB : r.stringA);
    refusal.kind = StartMessageKind::Error;
    m_decision.refusal = std::move(refusal);
    return std::nullopt;
  }

  void CheckCharacterConversion() {
    if (m_request.conversion.LeavesAll()) {
      Refuse(StartField::Conversion, kNoConversion);
      return;
    }
    if (!GoAhead("文字種変換処理をおこないます。\r\nよろしいですか？")) return;
    ReadyRun run;
    run.others = OtherModeInputs();
    run.others.names.changeExtension = false;
    run.others.conversion = m_request.conversion;
    run.others.convertExtension = m_request.convertExtension;
    Ready(std::move(run));
  }

  void CheckListedNames() {
    if (m_request.listedNames.empty()) {
      Refuse(StartField::TargetList, kNoTargets);
      return;
    }
    if (!GoAhead("リスト指定リネーム処理をおこないます。\r\nよろしいですか？")) return;
    ReadyRun run;
    run.others = OtherModeInputs();
    run.others.names.changeExtension = false;
    run.others.listedNames = m_request.listedNames;
    Ready(std::move(run));
  }

  const StartRequest& m_request;
  FileSystem& m_fileSystem;
  StartAnswers& m_answers;
  const CodePage& m_codePage;
  StartDecision m_decision;
};

}  // namespace

StartDecision CheckStart(const StartRequest& request, FileSystem& fileSystem, StartAnswers& answers,
                         const CodePage& codePage) {
  return StartChecker(request, fileSystem, answers, codePage).Check();
}

}  // namespace morvane::core
