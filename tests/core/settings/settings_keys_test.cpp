#include "core/settings/settings_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/settings/history.h"
#include "core/text/case_conversion.h"

namespace morvane::core {
namespace {

// Two entries of the table that land on one key (ignoring case) would overwrite each
// other in the file: for instance a plain key ChgStr2 in the section of the history with
// the stem ChgStr, whose entry 2 is ChgStr2.
TEST(SettingsKeys, NoTwoEntriesShareAKey) {
  std::map<std::string, std::string> owners;  // "SECTION/KEY" -> entry that uses it
  const auto claim = [&](std::string_view section, const std::string& key, const std::string& owner) {
    const std::string folded = UpperCaseSjis(std::string(section) + "/" + key, CodePage::Utf8());
    const auto [it, added] = owners.emplace(folded, owner);
    EXPECT_TRUE(added) << owner << " and " << it->second << " both use " << folded;
  };
  for (const keys::KeyInfo& key : keys::kAllPlainKeys)
    claim(key.section, std::string(key.name), std::string(key.name));
  for (const keys::HistoryKey& history : keys::kAllHistoryKeys) {
    EXPECT_LE(history.first, history.last) << history.stem;
    for (int n = history.first; n <= history.last; ++n) {
      claim(history.section, HistoryKeyName(history.stem, n), "history " + std::string(history.stem));
    }
  }
}

}  // namespace
}  // namespace morvane::core
