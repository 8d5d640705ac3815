#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// What a text field accepts when the user types or pastes into it.
enum class InputClass {
  NameText,         // parts of names: no " , / : ; < > ? \ |
  ExtensionList,    // comma-separated extension words: no " . / : ; < > ? \ |
  SingleExtension,  // one extension word: no " , . / : ; < > ? \ |
  Number,           // digits only
  PatternText,      // a regular expression: every character
  TemplateText,     // a name part that may hold tokens (name_template.h): NameText's
                    // characters, with < > : kept inside a token only
};

struct FieldInput {
  InputClass inputClass;
  std::optional<std::size_t> maxChars;  // length limit in characters, when there is one
};

// The text fields of the main window and the settings dialog, by what they hold. The
// window maps its controls to them, the command line its options.
enum class TextField {
  FrontPart,
  BackPart,
  FindText,     // the replacement's A
  FindPattern,  // the replacement's A when it is a regular expression
  ReplaceText,  // the replacement's B
  Prefix,       // the addition's A
  Suffix,       // the addition's B
  FileTypes,
  NewExtension,
  StartNumber,
  Increment,
  DefaultFrontPart,  // the settings dialog's defaults
  DefaultBackPart,
  DefaultFileTypes,
  DefaultNewExtension,
  DefaultStartNumber,
  ProtectedTypes,  // the settings dialog's own list of protected types
};

// The class and limit of a text field.
FieldInput InputOf(TextField field);

// The ASCII characters the text class drops, in ASCII order (none for Number, which
// keeps digits only); a template field drops them outside its tokens.
std::string_view DroppedCharacters(InputClass inputClass);

// True when typing the character (an ASCII byte value or any other code point) leaves
// the field unchanged. Backspace is always let through so that editing keeps working;
// every character of two bytes or more is accepted by the text classes.
bool DropsTypedCharacter(InputClass inputClass, char32_t character);

// Which characters of a field's text are kept, one after another. A template field
// keeps a < that opens a token, and : and the closing > only inside one; so a text
// without tokens loses the characters NameText drops, as typed or pasted.
class FieldCharacterFilter {
 public:
  explicit FieldCharacterFilter(InputClass inputClass) : m_inputClass(inputClass) {}
  // True when the character (an ASCII byte value or any other code point) is kept; the
  // token state moves on with it.
  bool Keeps(char32_t character);

 private:
  InputClass m_inputClass;
  bool m_inToken = false;
};

// The text as the field keeps it: the characters of the class dropped and the rest cut
// to the limit, whole characters only. Used for pasted and programmatically set text.
std::string FilterFieldText(const FieldInput& input, std::string_view text,
                            const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
