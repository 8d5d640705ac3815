#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvane::core {

// Splits a command text into words as a POSIX shell would, without expanding anything:
// blanks separate words; single quotes keep everything up to the next one; double quotes
// keep everything but let a backslash escape " \ $ and `; a backslash outside quotes
// keeps the next character. An unterminated quote runs to the end of the text.
std::vector<std::string> SplitCommandWords(std::string_view text);

// Starts viewers. The window starts programs detached and has a built-in viewer; tests
// record what they were asked.
class TextViewerLauncher {
 public:
  virtual ~TextViewerLauncher() = default;
  // Starts the program words[0] with the other words as its arguments, without a shell;
  // whether it starts is not checked.
  virtual void StartProgram(const std::vector<std::string>& words) = 0;
  // Shows the file read-only in the program's own viewer.
  virtual void ShowBuiltInViewer(std::string_view path) = 0;
};

// Opens path in the text viewer of the settings: the viewer command's words with the
// path appended as one more argument (never through a shell, so a path with blanks or
// quotes arrives whole), or the built-in viewer when the command is blank.
void OpenInTextViewer(std::string_view textViewer, std::string_view path, TextViewerLauncher& launcher);

}  // namespace morvane::core
