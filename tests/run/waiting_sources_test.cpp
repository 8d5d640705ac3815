// The sources still waiting for their turn, which an overwrite must never destroy.
#include "core/run/waiting_sources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

class WaitingSourcesTest : public ::testing::Test {
 protected:
  FileId IdOfFile(const char* name) const { return IdOf(*m_real.Stat(m_folder.Path(name))); }
  bool Holds(const char* name) const { return m_waiting.Holds(m_real, m_folder.Path(name)); }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_real;
  WaitingSources m_waiting;
};

TEST_F(WaitingSourcesTest, AFileWaitsUntilEachOfItsNamesHadItsTurn) {
  m_folder.CreateFiles({"a", "b", "c", "other"});
  ASSERT_EQ(link(m_folder.Path("a").c_str(), m_folder.Path("a-link").c_str()), 0);
  // Added in no particular order; a and a-link are one file, added twice.
  for (const char* name : {"c", "a", "b", "a-link"}) m_waiting.Add(IdOfFile(name));

  EXPECT_TRUE(Holds("a"));
  EXPECT_FALSE(Holds("other"));
  EXPECT_FALSE(Holds("missing"));
  m_waiting.Leave(IdOfFile("a"));
  EXPECT_TRUE(Holds("a-link")) << "its other name has not had its turn";
  m_waiting.Leave(IdOfFile("a-link"));
  EXPECT_FALSE(Holds("a"));
  EXPECT_TRUE(Holds("b"));
  // Leaving again, or a file never added, changes nothing.
  m_waiting.Leave(IdOfFile("a"));
  m_waiting.Leave(IdOfFile("other"));
  EXPECT_TRUE(Holds("b"));
  EXPECT_TRUE(Holds("c"));
  // A source added after the first question is still found.
  m_waiting.Add(IdOfFile("other"));
  EXPECT_TRUE(Holds("other"));
  m_waiting.Clear();
  EXPECT_FALSE(Holds("b"));
}

TEST_F(WaitingSourcesTest, TurnsTakenInTheOrderAddedCountBeforeAndAfterTheFirstQuestion) {
  m_folder.CreateFiles({"a", "b", "c", "d"});
  ASSERT_EQ(link(m_folder.Path("a").c_str(), m_folder.Path("a-link").c_str()), 0);
  // A run adds its sources in run order and they leave in that order, unasked.
  for (const char* name : {"a", "b", "a-link", "c", "d"}) m_waiting.Add(IdOfFile(name));
  m_waiting.Leave(IdOfFile("a"));
  m_waiting.Leave(IdOfFile("b"));
  // The first question comes when two have left.
  EXPECT_TRUE(Holds("a")) << "its other name has not had its turn";
  EXPECT_FALSE(Holds("b"));
  EXPECT_TRUE(Holds("c"));
  // Turns after the question, and one out of order.
  m_waiting.Leave(IdOfFile("a-link"));
  m_waiting.Leave(IdOfFile("d"));
  EXPECT_FALSE(Holds("a"));
  EXPECT_FALSE(Holds("d"));
  EXPECT_TRUE(Holds("c"));
  m_waiting.Leave(IdOfFile("c"));
  EXPECT_FALSE(Holds("c"));
}

}  // namespace
}  // namespace morvane::core
