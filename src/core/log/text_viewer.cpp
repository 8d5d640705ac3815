#include "core/log/text_viewer.h"

#include "core/text/trim.h"

namespace morvane::core {
namespace {

bool IsWordBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool EscapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`'; }

}  // namespace

std::vector<std::string> SplitCommandWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsWordBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const std::size_t end = text.find('\'', i + 1);
      const std::size_t stop = end == std::string_view::npos ? text.size() : end;
      word.append(text.substr(i + 1, stop - i - 1));
      i = stop;
    } else if (c == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && EscapableInDoubleQuotes(text[i + 1])) ++i;
        word += text[i];
      }
    } else if (c == '\\' && i + 1 < text.size()) {
      word += text[++i];
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

void OpenInTextViewer(std::string_view textViewer, std::string_view path, TextViewerLauncher& launcher) {
  std::vector<std::string> words = SplitCommandWords(TrimBlanks(textViewer));
  if (words.empty()) {
    launcher.ShowBuiltInViewer(path);
    return;
  }
  words.emplace_back(path);
  launcher.StartProgram(words);
}

}  // namespace morvane::core
