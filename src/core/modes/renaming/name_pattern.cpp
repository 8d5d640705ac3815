#include "core/modes/renaming/name_pattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/text/unicode_text.h"

namespace morvane::core {
namespace {

// Far above what a sane pattern needs on a name of a few hundred characters, and reached
// in milliseconds by one that backtracks without end.
constexpr std::uint32_t kMatchLimit = 1'000'000;
constexpr std::uint32_t kDepthLimit = 10'000;

struct CodeFree {
  void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct ContextFree {
  void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};

std::string ErrorText(int code) {
  std::array<PCRE2_UCHAR, 256> buffer{};
  const int length = pcre2_get_error_message(code, buffer.data(), buffer.size());
  return length < 0
             ? std::string("error ") + std::to_string(code)
             : std::string(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(length));
}

// The character (from 1) that starts at byte offset of UTF-8 text.
std::size_t CharacterAt(std::string_view utf8, std::size_t offset) {
  std::size_t characters = 1;
  for (std::size_t i = 0; i < offset && i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++characters;
  }
  return characters;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks every reference of the replacement against the pattern's groups, so that a
// replacement naming a group the pattern lacks is refused before any file is touched
// (PCRE2 itself would find out only at the first match).
std::optional<PatternError> CheckReplacement(const pcre2_code* code, std::string_view replacement) {
  std::uint32_t groups = 0;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groups);
  auto refuse = [&](std::size_t at, std::string message) {
    return PatternError{std::move(message), CharacterAt(replacement, at), true};
  };
  for (std::size_t i = 0; i < replacement.size(); ++i) {
    if (replacement[i] != '$') continue;
    const std::size_t at = i++;
    if (i < replacement.size() && replacement[i] == '$') continue;
    std::string reference;
    if (i < replacement.size() && IsDigit(replacement[i])) {
      while (i < replacement.size() && IsDigit(replacement[i])) reference += replacement[i++];
      --i;
    } else if (i < replacement.size() && replacement[i] == '{') {
      const std::size_t end = replacement.find('}', i);
      if (end == std::string_view::npos) return refuse(at, "a ${ without its }");
      reference = replacement.substr(i + 1, end - i - 1);
      i = end;
      if (reference.empty()) return refuse(at, "an empty ${}");
    } else {
      return refuse(at, "a $ must be followed by a group number, {name} or another $");
    }
    if (IsDigit(reference.front())) {
      if (!std::all_of(reference.begin(), reference.end(), IsDigit))
        return refuse(at, "${" + reference + "} is neither a group number nor a group name");
      if (reference.size() > 5 || std::stoul(reference) > groups)
        return refuse(at, "no group " + reference + " in the pattern");
    } else if (pcre2_substring_number_from_name(code, reinterpret_cast<PCRE2_SPTR>(reference.c_str())) ==
               PCRE2_ERROR_NOSUBSTRING) {
      return refuse(at, "no group named " + reference + " in the pattern");
    }
  }
  return std::nullopt;
}

bool IsForbiddenText(std::string_view text) {
  return text.empty() || text == "." || text == ".." || text.find('/') != std::string_view::npos ||
         text.find('\0') != std::string_view::npos;
}

}  // namespace

struct NamePattern::Compiled {
  std::unique_ptr<pcre2_code, CodeFree> code;
  std::unique_ptr<pcre2_match_context, ContextFree> context;
  std::string replacement;  // UTF-8
  const CodePage* codePage = nullptr;
};

std::variant<NamePattern, PatternError> NamePattern::Compile(std::string_view pattern,
                                                             std::string_view replacement, bool caseSensitive,
                                                             const CodePage& codePage) {
  const bool utf8 = codePage.Kind() == CodePageKind::Utf8;
  const std::string patternText = utf8 ? std::string(pattern) : codePage.ToUtf8(pattern);
  auto compiled = std::make_shared<Compiled>();
  compiled->replacement = utf8 ? std::string(replacement) : codePage.ToUtf8(replacement);
  compiled->codePage = &codePage;

  int error = 0;
  PCRE2_SIZE offset = 0;
  const std::uint32_t options = PCRE2_UTF | PCRE2_UCP | (caseSensitive ? 0U : PCRE2_CASELESS);
  compiled->code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(patternText.data()), patternText.size(),
                                     options, &error, &offset, nullptr));
  if (!compiled->code) return PatternError{ErrorText(error), CharacterAt(patternText, offset), false};
  if (std::optional<PatternError> bad = CheckReplacement(compiled->code.get(), compiled->replacement))
    return *std::move(bad);
  // Without a JIT on this machine the interpreter matches alike, only slower.
  pcre2_jit_compile(compiled->code.get(), PCRE2_JIT_COMPLETE);
  compiled->context.reset(pcre2_match_context_create(nullptr));
  pcre2_set_match_limit(compiled->context.get(), kMatchLimit);
  pcre2_set_depth_limit(compiled->context.get(), kDepthLimit);
  return NamePattern(std::move(compiled));
}

PatternResult NamePattern::Replace(std::string_view text) const {
  const Compiled& c = *m_compiled;
  const bool utf8 = c.codePage->Kind() == CodePageKind::Utf8;
  std::string subject;
  if (!utf8) {
    subject = c.codePage->ToUtf8(text);
    std::u32string decoded;
    // A byte sequence CP932 does not hold comes back as U+FFFD.
    if (!DecodeUtf8(subject, decoded) || decoded.find(U'\uFFFD') != std::u32string::npos)
      return {PatternOutcome::InvalidName, {}};
  }
  const std::string_view input = utf8 ? text : std::string_view(subject);

  std::string output(input.size() * 2 + c.replacement.size() + 64, '\0');
  constexpr std::uint32_t kOptions =
      PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH | PCRE2_SUBSTITUTE_UNSET_EMPTY;
  int result = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    PCRE2_SIZE length = output.size();
    result =
        pcre2_substitute(c.code.get(), reinterpret_cast<PCRE2_SPTR>(input.data()), input.size(), 0, kOptions,
                         nullptr, c.context.get(), reinterpret_cast<PCRE2_SPTR>(c.replacement.data()),
                         c.replacement.size(), reinterpret_cast<PCRE2_UCHAR*>(output.data()), &length);
    // On an error the length is unset, but for a buffer too small: then it is the length
    // needed, and the call is made once more with room for it.
    if (result >= 0 || result == PCRE2_ERROR_NOMEMORY) output.resize(length);
    if (result != PCRE2_ERROR_NOMEMORY) break;
  }
  if (result == 0) return {PatternOutcome::NoMatch, {}};
  if (result < 0) {
    const bool badText = result <= PCRE2_ERROR_UTF8_ERR1 && result >= PCRE2_ERROR_UTF8_ERR21;
    return {badText ? PatternOutcome::InvalidName : PatternOutcome::MatchLimit, {}};
  }
  if (IsForbiddenText(output)) return {PatternOutcome::ForbiddenName, {}};
  if (utf8) return {PatternOutcome::Replaced, std::move(output)};
  std::string encoded = c.codePage->FromUtf8(output);
  if (c.codePage->ToUtf8(encoded) != output) return {PatternOutcome::NotRepresentable, {}};
  return {PatternOutcome::Replaced, std::move(encoded)};
}

}  // namespace morvane::core
