#pragma once

#include <iosfwd>
#include <string_view>

namespace morvane::cli {

// The streams of one morvane-batch call, so that tests can run it in-process.
struct BatchIo {
  std::ostream& out;  // result lines and planned names
  std::ostream& err;  // messages, questions and warnings
  std::istream& in;   // answers to questions
  bool interactive;   // standard input is a terminal: questions may be asked
};

// Exit statuses of morvane-batch.
enum ExitStatus : int {
  kExitSuccess = 0,   // no target failed
  kExitFailures = 1,  // at least one target failed, or a log could not be written
  kExitRefused = 2,   // a usage or validation error; nothing was touched
  kExitAborted = 3,   // the run was aborted at a conflict or stopped by a signal
};

// Writes a message for the person: its leading line break dropped, CR LF turned into
// LF, ended by a line feed.
void PrintMessage(std::ostream& stream, std::string_view text);

// Writes a result line, with CR LF inside it turned into LF.
void PrintLine(std::ostream& stream, std::string_view line);

// Asks a yes-or-no question on the terminal; false when nobody can answer.
bool AskYesNo(const BatchIo& io, std::string_view question);

}  // namespace morvane::cli
