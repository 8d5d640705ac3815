#include "cli/conversion_options.h"

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

#include "cli/word_choice.h"
#include "core/presets/option_words.h"

namespace morvane::cli {
namespace {

template <class Value, class Table>
void AddChoice(CLI::App& command, const std::string& name, Value& value, const Table& words,
               const std::string& help) {
  command.add_option(name, value, help)->transform(WordChoice(words))->type_name(WordTypeName(words));
}

}  // namespace

void AddConversionOptions(CLI::App& command, ConversionOptions& options) {
  core::CharacterConversion& c = options.conversion;
  AddChoice(command, "--alnum", c.alnum, core::kWidthWords,
            "ASCII letters and digits to half or full width.");
  AddChoice(command, "--symbols", c.symbols, core::kWidthWords,
            "The other printable ASCII characters to half or full width.");
  AddChoice(command, "--space", c.space, core::kWidthWords, "The space to half or full (ideographic) width.");
  AddChoice(command, "--katakana", c.katakana, core::kWidthWords,
            "Katakana to half or full width (a voiced kana is two half-width characters).");
  AddChoice(command, "--kana", c.kana, core::kKanaWords, "Hiragana to katakana, or katakana to hiragana.");
  AddChoice(command, "--normalize", c.normalize, core::kNormalFormWords,
            "The Unicode normalization form of the whole name.");
  AddChoice(command, "--letters", c.letters, core::kLetterWords,
            "Every cased letter, full-width and accented ones too, to lower or upper case.");
  command.add_flag("--ext-too", options.extensionToo, "Convert the extension as well as the name before it.");
}

}  // namespace morvane::cli
