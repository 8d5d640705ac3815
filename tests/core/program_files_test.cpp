#include "core/fs/program_files.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

TEST(ProgramFolder, ChoiceOrder) {
  struct Case {
    const char* label;
    ProgramFolderInputs inputs;
    std::string expected;
  } const cases[] = {
      {"home variable wins", {"/h", "/opt/bin", true, "/x", "/u"}, "/h"},
      {"empty home variable is ignored", {"", "/opt/bin", true, "/x", "/u"}, "/opt/bin"},
      {"writable executable folder", {std::nullopt, "/opt/bin", true, "/x", "/u"}, "/opt/bin"},
      {"xdg folder", {std::nullopt, "/usr/bin", false, "/x/", "/u"}, "/x/morvane"},
      {"relative xdg is ignored", {std::nullopt, "/usr/bin", false, "rel", "/u"}, "/u/.config/morvane"},
      {"no xdg", {std::nullopt, "/usr/bin", false, std::nullopt, "/u"}, "/u/.config/morvane"},
      {"nothing else", {std::nullopt, "/usr/bin", false, std::nullopt, std::nullopt}, "/usr/bin"},
      {"installed, writable folder is skipped",
       {std::nullopt, "/tmp/inst/bin", true, "/x", "/u", true},
       "/x/morvane"},
      {"installed, no xdg",
       {std::nullopt, "/tmp/inst/bin", true, std::nullopt, "/u", true},
       "/u/.config/morvane"},
      {"installed, home variable still wins", {"/h", "/tmp/inst/bin", true, "/x", "/u", true}, "/h"},
      {"installed, nothing else",
       {std::nullopt, "/tmp/inst/bin", true, std::nullopt, std::nullopt, true},
       "/tmp/inst/bin"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseProgramFolder(c.inputs), c.expected) << c.label;
}

TEST(ProgramFolder, FilesAtTheRootHaveNoDoubledSeparator) {
  const ProgramFiles atRoot = ProgramFilesIn("/");
  EXPECT_EQ(atRoot.settingsFile, "/morvane.INI");
  const ProgramFiles files = ProgramFilesIn("/opt/morvane");
  EXPECT_EQ(files.settingsFile, "/opt/morvane/morvane.INI");
  EXPECT_EQ(files.resultFile, "/opt/morvane/Result.dat");
  EXPECT_EQ(files.logFile, "/opt/morvane/Rename.log");
}

}  // namespace
}  // namespace morvane::core
