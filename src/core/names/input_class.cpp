#include "core/names/input_class.h"

#include <array>

namespace morvane::core {
namespace {

constexpr char32_t kBackspace = 0x08;

std::string_view DroppedCharacters(InputClass inputClass) {
  switch (inputClass) {
    case InputClass::NameText:
      return "\",/:;<>?\\|";
    case InputClass::ExtensionList:
      return "\"./:;<>?\\|";
    case InputClass::SingleExtension:
      return "\",./:;<>?\\|";
    case InputClass::Number:
      break;
  }
  return {};
}

struct FieldEntry {
  std::string_view name;
  FieldInput input;
};

constexpr std::array<FieldEntry, 16> kFields = {{
    {"cboKyotsuName", {InputClass::NameText, std::nullopt}},
    {"cboKyotsuName2", {InputClass::NameText, std::nullopt}},
    {"cboChgStr", {InputClass::NameText, std::nullopt}},
    {"cboChgStr2", {InputClass::NameText, std::nullopt}},
    {"cboAddStr", {InputClass::NameText, std::nullopt}},
    {"cboAddStr2", {InputClass::NameText, std::nullopt}},
    {"edtKyotsuName", {InputClass::NameText, std::nullopt}},
    {"edtKyotsuName2", {InputClass::NameText, std::nullopt}},
    {"cboExtension", {InputClass::ExtensionList, std::nullopt}},
    {"edtExtension", {InputClass::ExtensionList, std::nullopt}},
    {"cboGDExtUser", {InputClass::ExtensionList, std::nullopt}},
    {"cboChgExt", {InputClass::SingleExtension, 5}},
    {"edtChgExt", {InputClass::SingleExtension, 5}},
    {"cboStartSeqNbr", {InputClass::Number, 8}},
    {"edtStartSeqNbr", {InputClass::Number, 8}},
    {"edtZoubun", {InputClass::Number, std::nullopt}},
}};

}  // namespace

std::optional<FieldInput> InputOfField(std::string_view objectName) {
  for (const FieldEntry& entry : kFields) {
    if (entry.name == objectName) return entry.input;
  }
  return std::nullopt;
}

bool DropsTypedCharacter(InputClass inputClass, char32_t character) {
  if (character == kBackspace) return false;
  if (inputClass == InputClass::Number) return character < U'0' || character > U'9';
  if (character >= 0x80) return false;
  return DroppedCharacters(inputClass).find(static_cast<char>(character)) != std::string_view::npos;
}

std::string FilterFieldText(const FieldInput& input, std::string_view text, const CodePage& codePage) {
  std::string result;
  std::size_t characters = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    const std::string_view character = text.substr(pos, length);
    pos += length;
    // A multi-byte character is never dropped by a text class; digits are single bytes.
    const char32_t value = length == 1 ? static_cast<unsigned char>(character[0]) : 0x80;
    if (DropsTypedCharacter(input.inputClass, value) || value == kBackspace) continue;
    if (input.maxChars && characters == *input.maxChars) break;
    result += character;
    ++characters;
  }
  return result;
}

}  // namespace morvane::core
