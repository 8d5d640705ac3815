#include "core/presets/preset.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

using Kind = PresetFault::Kind;

struct FaultCase {
  const char* bytes;
  Kind kind;
  const char* option;
  const char* value;
};

TEST(PresetTest, AFileThatCannotBeUsedSaysWhy) {
  const FaultCase cases[] = {
      {"", Kind::NoCommand, "", ""},
      {"[Other]\ncommand=rename\n", Kind::NoCommand, "", ""},
      {"[Preset]\ncommand=move\n", Kind::UnknownCommand, "", "move"},
      {"[Preset]\ncommand=map\n", Kind::UnknownCommand, "", "map"},
      {"[Preset]\ncommand=add\ncommand=rename\n", Kind::RepeatedOption, "command", ""},
      {"[Preset]\ncommand=case\nfront=x\n", Kind::UnknownOption, "front", ""},
      {"[Preset]\ncommand=case\noutput=/x\n", Kind::UnknownOption, "output", ""},
      {"[Preset]\ncommand=convert\nname-case=upper\n", Kind::UnknownOption, "name-case", ""},
      {"[Preset]\ncommand=add\nprefix=a\nPrefix=b\n", Kind::RepeatedOption, "prefix", ""},
      {"[Preset]\ncommand=rename\ndescending=yes\n", Kind::BadValue, "descending", "yes"},
      {"[Preset]\ncommand=rename\norder=Name\n", Kind::BadValue, "order", "Name"},
      {"[Preset]\ncommand=ext\non-conflict=auto\n", Kind::BadValue, "on-conflict", "auto"},
      {"[Preset]\ncommand=add\nin-place=true\noutput=/o\n", Kind::BothDestinations, "", ""},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.bytes);
    const PresetReading reading = ReadPreset(c.bytes, CodePage::Utf8());
    ASSERT_FALSE(reading.preset.has_value());
    EXPECT_EQ(reading.fault.kind, c.kind);
    EXPECT_EQ(reading.fault.option, c.option);
    EXPECT_EQ(reading.fault.value, c.value);
  }
}

TEST(PresetTest, ValuesAreKeptByteForByteThroughTheFile) {
  const std::string bytes =
      "; saved by hand\r\n[Preset]\r\nCommand=rename\r\nFRONT= a=b \r\nno equals sign\r\non-conflict=auto\r\n"
      "new-ext=\r\n[Later]\r\nback=ignored\r\n";
  const PresetReading reading = ReadPreset(bytes, CodePage::Utf8());
  ASSERT_TRUE(reading.preset.has_value());
  const Preset expected{OperatingMode::SequentialRename,
                        {{"front", " a=b "}, {"on-conflict", "auto"}, {"new-ext", ""}}};
  EXPECT_EQ(*reading.preset, expected);

  Preset odd{OperatingMode::StringReplacement,
             {{"find", "\xff\xfe[x]"}, {"replace-with", "="}, {"regex", "true"}, {"ignore-case", "false"}}};
  EXPECT_EQ(ReadPreset(PresetFileBytes(odd, CodePage::Utf8()), CodePage::Utf8()).preset, odd);
  // An empty value is its own argument: "--name=" would take the next one for it.
  EXPECT_EQ(PresetArguments(odd),
            (std::vector<std::string>{"--find=\xff\xfe[x]", "--replace-with==", "--regex"}));
  EXPECT_EQ(PresetArguments(*reading.preset),
            (std::vector<std::string>{"--front= a=b ", "--on-conflict=auto", "--new-ext", ""}));
}

}  // namespace
}  // namespace morvane::core
