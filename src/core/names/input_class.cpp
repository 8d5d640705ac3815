#include "core/names/input_class.h"

#include <utility>

namespace morvane::core {
namespace {

constexpr char32_t kBackspace = 0x08;

}  // namespace

std::string_view DroppedCharacters(InputClass inputClass) {
  switch (inputClass) {
    case InputClass::NameText:
    case InputClass::TemplateText:
      return "\",/:;<>?\\|";
    case InputClass::ExtensionList:
      return "\"./:;<>?\\|";
    case InputClass::SingleExtension:
      return "\",./:;<>?\\|";
    case InputClass::Number:
    case InputClass::PatternText:
      break;
  }
  return {};
}

FieldInput InputOf(TextField field) {
  switch (field) {
    case TextField::FrontPart:
    case TextField::BackPart:
    case TextField::Prefix:
    case TextField::Suffix:
      return {InputClass::TemplateText, std::nullopt};
    case TextField::FindText:
    case TextField::ReplaceText:
    case TextField::DefaultFrontPart:
    case TextField::DefaultBackPart:
      return {InputClass::NameText, std::nullopt};
    case TextField::FileTypes:
    case TextField::DefaultFileTypes:
    case TextField::ProtectedTypes:
      return {InputClass::ExtensionList, std::nullopt};
    case TextField::NewExtension:
    case TextField::DefaultNewExtension:
      return {InputClass::SingleExtension, 5};
    case TextField::StartNumber:
    case TextField::DefaultStartNumber:
      return {InputClass::Number, 8};
    case TextField::FindPattern:
      return {InputClass::PatternText, std::nullopt};
    case TextField::Increment:
      break;
  }
  return {InputClass::Number, std::nullopt};
}

bool DropsTypedCharacter(InputClass inputClass, char32_t character) {
  if (character == kBackspace) return false;
  if (inputClass == InputClass::Number) return character < U'0' || character > U'9';
  if (character >= 0x80) return false;
  return DroppedCharacters(inputClass).find(static_cast<char>(character)) != std::string_view::npos;
}

bool FieldCharacterFilter::Keeps(char32_t character) {
  if (m_inputClass != InputClass::TemplateText) return !DropsTypedCharacter(m_inputClass, character);
  switch (character) {
    case U'<':
      return !std::exchange(m_inToken, true);
    case U'>':
      return std::exchange(m_inToken, false);
    case U':':
      return m_inToken;
    default:
      return !DropsTypedCharacter(m_inputClass, character);
  }
}

std::string FilterFieldText(const FieldInput& input, std::string_view text, const CodePage& codePage) {
  std::string result;
  std::size_t characters = 0;
  FieldCharacterFilter filter(input.inputClass);
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    const std::string_view character = text.substr(pos, length);
    pos += length;
    // A multi-byte character is never dropped by a text class; digits are single bytes.
    const char32_t value = length == 1 ? static_cast<unsigned char>(character[0]) : 0x80;
    if (value == kBackspace || !filter.Keeps(value)) continue;
    if (input.maxChars && characters == *input.maxChars) break;
    result += character;
    ++characters;
  }
  return result;
}

}  // namespace morvane::core
