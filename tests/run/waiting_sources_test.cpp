// The sources still waiting for their turn, which an overwrite must never destroy.
#include "core/run/waiting_sources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

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
  m_folder.CreateFiles({"a", "b", "c", "d", "late"});
  ASSERT_EQ(link(m_folder.Path("a").c_str(), m_folder.Path("a-link").c_str()), 0);
  // A run adds its sources in run order, one by one or read from its entries, and they
  // leave in that order, unasked.
  const std::vector<FileId> runOrder = {IdOfFile("a"), IdOfFile("b"), IdOfFile("a-link"), IdOfFile("c"),
                                        IdOfFile("d")};
  for (const bool fromEntries : {false, true}) {
    SCOPED_TRACE(fromEntries ? "read from the run's entries" : "added one by one");
    m_waiting.Clear();
    if (fromEntries) {
      m_waiting.AddInRunOrder(runOrder.size(), [&](std::size_t i) { return runOrder[i]; });
    } else {
      for (const FileId& file : runOrder) m_waiting.Add(file);
    }
    m_waiting.Leave(IdOfFile("a"));
    m_waiting.Leave(IdOfFile("b"));
    // The first question comes when two have left.
    EXPECT_TRUE(Holds("a")) << "its other name has not had its turn";
    EXPECT_FALSE(Holds("b"));
    EXPECT_TRUE(Holds("c"));
    // Turns after the question, one out of order, and a source added late.
    m_waiting.Leave(IdOfFile("a-link"));
    m_waiting.Leave(IdOfFile("d"));
    m_waiting.Add(IdOfFile("late"));
    EXPECT_FALSE(Holds("a"));
    EXPECT_FALSE(Holds("d"));
    EXPECT_TRUE(Holds("c"));
    EXPECT_TRUE(Holds("late"));
    m_waiting.Leave(IdOfFile("c"));
    EXPECT_FALSE(Holds("c"));
  }
  // Sources read from the entries and one added before any question: all still wait.
  m_waiting.Clear();
  m_waiting.AddInRunOrder(runOrder.size(), [&](std::size_t i) { return runOrder[i]; });
  m_waiting.Leave(IdOfFile("a"));
  m_waiting.Add(IdOfFile("late"));
  m_waiting.Leave(IdOfFile("b"));
  EXPECT_TRUE(Holds("late"));
  EXPECT_TRUE(Holds("a-link"));
  EXPECT_FALSE(Holds("b"));
}

}  // namespace
}  // namespace morvane::core
