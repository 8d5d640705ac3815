#include "core/settings/run_histories.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

const CodePage& kUtf8 = CodePage::Utf8();

std::string Section(const IniDocument& document, std::string_view name) {
  const std::string text = document.Serialize();
  const std::size_t start = text.find("[" + std::string(name) + "]");
  if (start == std::string::npos) return {};
  return text.substr(start, text.find("\r\n[", start + 1) - start);
}

TEST(RunHistories, ASequentialRunRewritesCopyFileWithMarkersForEmptyFields) {
  IniDocument document =
      IniDocument::Parse("[CopyFile]\r\nChoiceFolder0=/old\r\nKyotsuName5=stale\r\n", kUtf8);
  SequentialHistories histories;
  histories.startNumbers = {"1", "01", "001", "5", "100"};
  histories.frontPart = {{"a_", "b_"}, ""};
  histories.backPart = {{"_z"}, "_z"};
  histories.copyFile = {{{"jpg"}, "すべてのファイル"}, {{"png"}, "png"}, true, {{"/out"}, "/out"}};
  WriteSequentialHistories(document, histories, kUtf8);
  EXPECT_EQ(Section(document, "CopyFile"),
            "[CopyFile]\r\nStartSeqNbr3=5\r\nStartSeqNbr4=100\r\n"
            "KyotsuName0=指定なし\r\nKyotsuName1=a_\r\nKyotsuName2=b_\r\nKyotsuName20=_z\r\n"
            "Extension0=すべてのファイル\r\nExtension1=jpg\r\nChgExt0=png\r\nchkChgExt=1\r\n"
            "OutputFolder0=/out\r\n");
}

TEST(RunHistories, OtherModesKeepTheRestOfCopyFile) {
  IniDocument document = IniDocument::Parse("[CopyFile]\r\nKyotsuName0=keep\r\n", kUtf8);
  WriteCopyFileHistories(document, {{{"txt", "jpg"}, "txt"}, {{}, ""}, false, {{}, ""}}, kUtf8);
  EXPECT_EQ(Section(document, "CopyFile"),
            "[CopyFile]\r\nKyotsuName0=keep\r\nExtension0=txt\r\nExtension1=jpg\r\nchkChgExt=0\r\n");
}

TEST(RunHistories, StringModesRewriteTheirSectionWithMarkers) {
  IniDocument document = IniDocument::Parse("[AddStr]\r\nAddStr5=stale\r\n", kUtf8);
  WriteStringHistories(document, {false, {{"x_"}, "x_"}, {{"_y"}, ""}, true}, kUtf8);
  EXPECT_EQ(Section(document, "AddStr"), "[AddStr]\r\nAddStr0=x_\r\nAddStr20=指定なし\r\nAddStr21=_y\r\n");
  WriteStringHistories(document, {true, {{"a"}, "a"}, {{}, ""}, false}, kUtf8);
  EXPECT_EQ(Section(document, "ChgStr"), "[ChgStr]\r\nChgStr0=a\r\nChgStr20=指定なし\r\nStrAULCase=0\r\n");
}

}  // namespace
}  // namespace morvane::core
