#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/log/text_viewer.h"

namespace morvane::test {

// Records what would have been opened in the viewer instead of starting anything.
class RecordingLauncher : public core::TextViewerLauncher {
 public:
  void StartProgram(const std::vector<std::string>& words) override { started.push_back(words); }
  void ShowBuiltInViewer(std::string_view path) override { builtIn.emplace_back(path); }

  std::vector<std::vector<std::string>> started;
  std::vector<std::string> builtIn;
};

}  // namespace morvane::test
