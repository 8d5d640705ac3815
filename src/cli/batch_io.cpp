#include "cli/batch_io.h"

#include <istream>
#include <ostream>
#include <string>

namespace morvane::cli {
namespace {

void WriteWithLf(std::ostream& stream, std::string_view text) {
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      stream << text.substr(start);
      return;
    }
    stream << text.substr(start, end - start) << '\n';
    start = end + 2;
  }
}

}  // namespace

void PrintMessage(std::ostream& stream, std::string_view text) {
  if (text.starts_with("\r\n")) text.remove_prefix(2);
  WriteWithLf(stream, text);
  stream << '\n' << std::flush;
}

void PrintLine(std::ostream& stream, std::string_view line) {
  WriteWithLf(stream, line);
  stream << '\n';
}

bool AskYesNo(const BatchIo& io, std::string_view question) {
  if (!io.interactive) return false;
  PrintMessage(io.err, question);
  io.err << "[y/N] " << std::flush;
  std::string answer;
  if (!std::getline(io.in, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace morvane::cli
