#include "cli/conversion_options.h"

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

#include "cli/word_choice.h"

namespace morvane::cli {
namespace {

using core::WidthChange;

template <class Value>
void AddChoice(CLI::App& command, const std::string& name, Value& value,
               const std::vector<std::pair<std::string, Value>>& words, const std::string& help) {
  std::string typeName;
  for (const auto& [word, ignored] : words) typeName += (typeName.empty() ? "" : "|") + word;
  command.add_option(name, value, help)->transform(WordChoice(words))->type_name(typeName);
}

}  // namespace

void AddConversionOptions(CLI::App& command, ConversionOptions& options) {
  core::CharacterConversion& c = options.conversion;
  const std::vector<std::pair<std::string, WidthChange>> widths = {{"half", WidthChange::ToHalf},
                                                                   {"full", WidthChange::ToFull}};
  AddChoice(command, "--alnum", c.alnum, widths, "ASCII letters and digits to half or full width.");
  AddChoice(command, "--symbols", c.symbols, widths,
            "The other printable ASCII characters to half or full width.");
  AddChoice(command, "--space", c.space, widths, "The space to half or full (ideographic) width.");
  AddChoice(command, "--katakana", c.katakana, widths,
            "Katakana to half or full width (a voiced kana is two half-width characters).");
  AddChoice(command, "--kana", c.kana,
            {{"katakana", core::KanaChange::ToKatakana}, {"hiragana", core::KanaChange::ToHiragana}},
            "Hiragana to katakana, or katakana to hiragana.");
  AddChoice(command, "--normalize", c.normalize,
            {{"nfc", core::NormalForm::Nfc}, {"nfd", core::NormalForm::Nfd}},
            "The Unicode normalization form of the whole name.");
  AddChoice(command, "--letters", c.letters,
            {{"lower", core::LetterCase::Lower}, {"upper", core::LetterCase::Upper}},
            "Every cased letter, full-width and accented ones too, to lower or upper case.");
  command.add_flag("--ext-too", options.extensionToo, "Convert the extension as well as the name before it.");
}

}  // namespace morvane::cli
