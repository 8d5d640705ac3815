#include "core/settings/settings_dialog_values.h"

#include <gtest/gtest.h>

#include "core/settings/history.h"
#include "core/settings/settings_keys.h"

namespace morvane::core {
namespace {

const CodePage& kUtf8 = CodePage::Utf8();

TEST(UserListHistory, SavedListsGoFirstReplacingTheirEqualsWithoutCase) {
  UserListHistory history(kUtf8);
  history.PutFirst("tmp, bak");
  history.PutFirst("doc");
  history.PutFirst("TMP, BAK");
  EXPECT_EQ(history.Items(), (std::vector<std::string>{"TMP, BAK", "doc"}));
  for (const char* ignored : {"", "   ", "ユーザ指定なし", " ユーザ指定なし "}) history.PutFirst(ignored);
  EXPECT_EQ(history.Items().size(), 2u);
}

TEST(UserListHistory, KeepsTheTenMostRecentLists) {
  UserListHistory history(kUtf8);
  for (int i = 1; i <= 11; ++i) history.PutFirst("x" + std::to_string(i));
  ASSERT_EQ(history.Items().size(), 10u);
  EXPECT_EQ(history.Items().front(), "x11");
  EXPECT_EQ(history.Items().back(), "x2");
}

TEST(UserListHistory, MergingTheFileAddsOnlyNewListsAtTheEnd) {
  UserListHistory history(kUtf8);
  history.PutFirst("tmp");
  for (const char* value : {"TMP", "log", "ユーザ指定なし", " ", "bak"}) history.Merge(value);
  EXPECT_EQ(history.Items(), (std::vector<std::string>{"tmp", "log", "bak"}));
}

TEST(SettingsDialogValues, SavingWritesEveryKeyInOrderAndReadsBack) {
  SettingsDialogValues values;
  values.Default(DefaultField::StartNumber) = {"001", true};
  values.Default(DefaultField::OutputFolder) = {"/tmp/out", false};
  values.outputLog = true;
  values.textViewer = "mousepad";
  values.protectBuiltIn[2] = false;  // EXE
  values.userList = "tmp,bak";
  IniDocument document(kUtf8);
  WriteSettingsDialogValues(document, values, {"tmp,bak", "log"});

  const std::string text = document.Serialize();
  std::size_t at = 0;
  for (const char* key :
       {"StartSeqNbr=001", "StartSeqNbrChk=1",
        "KyotsuName=", "KyotsuName2=", "Extension=", "ChgExt=", "OutputFolder=/tmp/out", "OutputFolderChk=0",
        "OutputLog=1", "ResultText=0", "TextViewer=mousepad", "GuaudExtBAT=1", "GuaudExtEXE=0",
        "GuaudExtDAT=1", "GuaudExtUser=tmp,bak", "GuaudExtUser1=tmp,bak", "GuaudExtUser2=log"}) {
    const std::size_t found = text.find(std::string(key) + "\r\n", at);
    ASSERT_NE(found, std::string::npos) << key << " after " << at << " in\n" << text;
    at = found;
  }

  const SettingsDialogValues read = ReadSettingsDialogValues(document, kUtf8);
  EXPECT_EQ(read.defaults, values.defaults);
  EXPECT_EQ(read.protectBuiltIn, values.protectBuiltIn);
  EXPECT_EQ(read.userList, "tmp,bak");
  EXPECT_EQ(ReadHistory(document, keys::kGuaudExtUserHistory, kUtf8).items,
            (std::vector<std::string>{"tmp,bak", "log"}));
}

TEST(SettingsDialogValues, TheNoListItemShowsAsAnEmptyUserList) {
  IniDocument document(kUtf8);
  document.Write(keys::kGuaudExtUser, " ユーザ指定なし");
  EXPECT_EQ(ReadSettingsDialogValues(document, kUtf8).userList, "");
  // Missing keys give the defaults: every built-in extension protected, nothing in force.
  const SettingsDialogValues fresh = ReadSettingsDialogValues(IniDocument(kUtf8), kUtf8);
  EXPECT_EQ(fresh.protectBuiltIn, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
  EXPECT_FALSE(fresh.Default(DefaultField::FrontPart).enabled);
}

TEST(ShouldApplyDefault, OnlyWhatWasSwitchedOnOrChangedWhileInForce) {
  struct Case {
    DialogDefault opened;
    DialogDefault now;
    bool applied;
  };
  const Case cases[] = {
      {{"a", true}, {"a", true}, false},   // untouched
      {{"a", false}, {"a", true}, true},   // switched on
      {{"a", true}, {"b", true}, true},    // changed
      {{"a", true}, {"b", false}, false},  // not in force
      {{"a", false}, {"a", false}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(ShouldApplyDefault(c.opened, c.now), c.applied) << c.now.text;
}

}  // namespace
}  // namespace morvane::core
