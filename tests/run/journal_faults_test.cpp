// The undo journal at its edges: a full disk or a kill inside a batch write, two runs at
// once, a journal edited by hand, a journal that records nothing. In each, no file is
// lost, every file the run changed can be undone, and nothing outside the run's folders
// is touched.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/fs/forwarding_file_system.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/journaled_run.h"
#include "core/pipeline/start_checks.h"
#include "core/settings/protected_extension_settings.h"
#include "core/undo/undo_flow.h"
#include "platform/listed_names.h"
#include "platform/posix_file_system.h"
#include "run_fixture.h"
#include "support/temp_folder.h"

namespace morvane::test {
namespace {

using core::FileSystem;
using core::JournalOp;
using core::JournalOpKind;

// What a journal write does with its bytes, given which write of the journal it is (0:
// the header); gives the errno the write reports.
using JournalWrite = std::function<int(core::OutputFile& file, std::string_view bytes, int index)>;

// This computer's file system, every journal file's writes going through a JournalWrite.
class JournalWritesFileSystem : public core::ForwardingFileSystem {
 public:
  JournalWritesFileSystem(FileSystem& real, JournalWrite write)
      : ForwardingFileSystem(real), m_write(std::move(write)) {}

  core::OpenedFile OpenForWriting(std::string_view path, core::WriteStart start) override {
    core::OpenedFile opened = ForwardingFileSystem::OpenForWriting(path, start);
    if (opened.file && path.find("/Undo/") != std::string_view::npos)
      opened.file = std::make_unique<File>(std::move(opened.file), m_write);
    return opened;
  }

 private:
  struct File : core::OutputFile {
    File(std::unique_ptr<core::OutputFile> file, const JournalWrite& write)
        : real(std::move(file)), how(write) {}
    int Write(std::string_view bytes) override { return how(*real, bytes, writes++); }
    int Flush() override { return real->Flush(); }
    int Close() override { return real->Close(); }
    std::unique_ptr<core::OutputFile> real;
    const JournalWrite& how;
    int writes = 0;
  };
  JournalWrite m_write;
};

// name -> content for every file of a folder.
std::map<std::string, std::string> Contents(const TempFolder& folder, const std::string& relative) {
  std::map<std::string, std::string> contents;
  for (const std::string& name : platform::ListedNames(folder.Path(relative)))
    contents[name] = folder.ReadFile(relative + "/" + name);
  return contents;
}

class JournalFaultsTest : public ::testing::Test {
 protected:
  void MakeFiles(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i)
      m_folder.WriteFile(folder + "/f" + std::to_string(i) + ".txt", std::to_string(i));
  }
  // The addition of a prefix in place over folder, journaled, as the command line's add
  // makes it; its counts, or nothing when its journal cannot be made.
  std::optional<core::RunCounts> AddPrefix(const std::string& folder, FileSystem& fileSystem) {
    core::StartRequest request;
    request.mode = core::OperatingMode::StringAddition;
    request.stringA = "p_";
    request.renameInPlace = true;
    request.fileTypes = core::AllFilesText();
    request.targets = {m_folder.Path(folder)};
    struct : core::StartAnswers {
      bool Ask(const core::StartQuestion&) override { return true; }
    } goAhead;
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), false, fileSystem);
    ScriptedInteraction interaction;
    core::JournaledRun run(fileSystem, m_folder.Root(), *core::CheckStart(request, fileSystem, goAhead).run,
                           m_protected, core::LocalNow());
    if (run.Failure()) return std::nullopt;
    const core::RunCounts counts = run.Drive(log, interaction, request.targets).counts;
    log.Close();
    return counts;
  }
  // morvane-batch undo, as the core does it: the newest run to undo, taken back.
  core::UndoReport Undo(const std::optional<std::string>& id = std::nullopt) {
    core::UndoStore store(m_real, m_folder.Root());
    const core::UndoTarget target = core::ChooseUndo(store, id);
    EXPECT_FALSE(target.refusal) << static_cast<int>(*target.refusal);
    if (target.refusal) return {};
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), false, m_real);
    core::UndoReport report = core::TakeBack(store, target, m_real, log, core::LocalNow());
    log.Close();
    return report;
  }
  std::vector<std::string> Journals() const {
    std::vector<std::string> names;
    for (const std::string& name : platform::ListedNames(m_folder.Path("Undo")))
      if (name.ends_with(".journal")) names.push_back(name);
    return names;
  }

  TempFolder m_folder;
  platform::PosixFileSystem m_real;
  core::ProtectedExtensions m_protected = core::MakeProtectedExtensions({}, "", core::ActiveCodePage());
};

// The third journal write (after the header and the first batch of intents) is cut in
// the middle: by a full disk, which fails it and every later one, or by SIGKILL. The
// files renamed before stay renamed, the rest are never touched, and undo brings every
// one back.
TEST_F(JournalFaultsTest, AWriteCutInsideABatchLeavesEveryChangeUndoable) {
  constexpr int kFiles = 4500;  // a batch is 4097 intents: the second one is cut
  for (const bool killed : {false, true}) {
    SCOPED_TRACE(killed ? "SIGKILL" : "disk full");
    std::filesystem::remove_all(m_folder.Path("d"));
    std::filesystem::remove_all(m_folder.Path("Undo"));
    MakeFiles("d", kFiles);
    const auto before = Contents(m_folder, "d");
    JournalWritesFileSystem files(m_real, [&](core::OutputFile& file, std::string_view bytes, int index) {
      if (index < 2) return file.Write(bytes);
      (void)file.Write(bytes.substr(0, bytes.size() / 2));
      if (killed) raise(SIGKILL);
      return ENOSPC;
    });
    if (killed) {
      const pid_t child = fork();
      if (child == 0) {
        AddPrefix("d", files);
        _exit(0);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status));
    } else {
      const std::optional<core::RunCounts> counts = AddPrefix("d", files);
      ASSERT_TRUE(counts);
      EXPECT_EQ(counts->successCount, 4097) << "the first batch's files, and not one more";
    }
    EXPECT_NE(Contents(m_folder, "d"), before);
    ASSERT_EQ(Journals().size(), 1u);
    const std::string id = core::JournalIdOf(Journals().front());
    const core::UndoReport report = Undo();
    EXPECT_EQ(report.left, 0);
    EXPECT_EQ(report.undone, 4097);
    EXPECT_EQ(Contents(m_folder, "d"), before);
    // The cut journal was mended: it reads as undone now.
    const core::JournalReadResult read = core::UndoStore(m_real, m_folder.Root()).Read(id);
    ASSERT_TRUE(read.contents);
    EXPECT_FALSE(read.contents->undoneBy.empty());
  }
}

// A journal that records nothing (its first write failed, or its run was killed before
// any change) does not stand in the way of the runs before it. (A journal that cannot be
// made at all: the window's and the command line's failure tests.)
TEST_F(JournalFaultsTest, AJournalWithoutChangesNeverBlocksUndo) {
  MakeFiles("d", 3);
  const auto before = Contents(m_folder, "d");
  ASSERT_TRUE(AddPrefix("d", m_real));
  const auto renamed = Contents(m_folder, "d");
  // The next run's journal gets its header and nothing more.
  JournalWritesFileSystem full(m_real, [](core::OutputFile& file, std::string_view bytes, int index) {
    return index == 0 ? file.Write(bytes) : ENOSPC;
  });
  const std::optional<core::RunCounts> counts = AddPrefix("d", full);
  ASSERT_TRUE(counts);
  EXPECT_EQ(counts->successCount, 0);
  EXPECT_EQ(Contents(m_folder, "d"), renamed);
  EXPECT_EQ(Journals().size(), 1u) << "a journal of no change is not left";
  // Left anyway (killed before the first change): passed over.
  m_folder.WriteFile("Undo/29991231-235959.journal", "morvane-undo 2\nH 0 0: 0:\n");
  m_folder.WriteFile("Undo/29991231-235959-2.journal", "");
  core::UndoStore store(m_real, m_folder.Root());
  EXPECT_EQ(core::ChooseUndo(store, std::nullopt).passedOver.size(), 2u);
  EXPECT_EQ(Undo().undone, 3);
  EXPECT_EQ(Contents(m_folder, "d"), before);
}

// Two morvane-batch runs started together with one program folder, Undo/ not made yet:
// each makes its own journal, and each run can be undone.
TEST_F(JournalFaultsTest, TwoRunsAtOnceKeepTwoJournals) {
  constexpr int kRounds = 100;
  MakeFiles("a", 3);
  MakeFiles("b", 3);
  const auto beforeA = Contents(m_folder, "a");
  const auto beforeB = Contents(m_folder, "b");
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    std::filesystem::remove_all(m_folder.Path("Undo"));
    const std::string add = std::string(MORVANE_BATCH_PROGRAM) + " add --in-place --prefix p_ ";
    ASSERT_EQ(std::system((add + m_folder.Path("a") + " >/dev/null 2>&1 & " + add + m_folder.Path("b") +
                           " >/dev/null 2>&1 & wait")
                              .c_str()),
              0);
    ASSERT_EQ(Contents(m_folder, "a").count("p_f0.txt") + Contents(m_folder, "b").count("p_f0.txt"), 2u)
        << "a run refused its renames";
    const std::vector<std::string> journals = Journals();
    ASSERT_EQ(journals.size(), 2u) << "a journal was lost";
    for (const std::string& journal : journals) EXPECT_EQ(Undo(core::JournalIdOf(journal)).undone, 3);
    ASSERT_EQ(Contents(m_folder, "a"), beforeA);
    ASSERT_EQ(Contents(m_folder, "b"), beforeB);
  }
}

// A journal edited by hand: every record that points outside the run's folders is
// refused with its reason, the file it names stays as it is, and the rest is undone.
TEST_F(JournalFaultsTest, AHostileJournalTouchesNothingOutsideTheRunsFolders) {
  m_folder.WriteFile("outside/victim", "keep me");
  m_folder.WriteFile("outside/copy", "a copy, it seems");
  m_folder.WriteFile("outside/kept", "evil content");
  m_folder.WriteFile("d/a", "a");
  const auto Identity = [&](const std::string& relative) {
    return core::FileIdentity::Of(*m_real.Stat(m_folder.Path(relative)));
  };
  // Another file's device and inode with the size and time of relative's.
  const auto SizeAndTimeOf = [&](const std::string& relative, core::FileIdentity other) {
    other.size = Identity(relative).size;
    other.modifiedNs = Identity(relative).modifiedNs;
    return other;
  };
  const std::string d = m_folder.Path("d");
  const std::string outside = m_folder.Path("outside");
  const std::string dotted = d + "/../outside";
  struct Case {
    const char* name;
    bool done;
    JournalOp op;  // its seq is 2
  };
  const std::vector<Case> cases = {
      {"rename in another folder",
       true,
       {2, JournalOpKind::Rename, Identity("outside/victim"), outside + "/old", outside + "/victim", {}}},
      {"rename through .. (a folder the journal names)",
       true,
       {2, JournalOpKind::Rename, Identity("outside/victim"), d + "/old", dotted + "/victim", {}}},
      {"copy removed elsewhere",
       true,
       {2, JournalOpKind::Copy, Identity("d/a"), d + "/a", outside + "/copy", {}}},
      {"copy without done record, size and time alike",
       false,
       {2, JournalOpKind::Copy, SizeAndTimeOf("d/a", Identity("outside/copy")), d + "/x", d + "/a", {}}},
      {"former content from elsewhere",
       true,
       {2, JournalOpKind::CopyOver, Identity("outside/kept"), d + "/x", d + "/a", outside + "/kept"}},
      {"removed copy made again elsewhere",
       true,
       {2, JournalOpKind::RemoveCopy, Identity("d/a"), d + "/a", outside + "/new", {}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.WriteFile("d/p_b", "b");
    std::string bytes = core::EncodeHeader({1, "title", ""});
    core::AppendFolder(bytes, d);
    core::AppendFolder(bytes, dotted);
    bytes += core::EncodeIntent({1, JournalOpKind::Rename, Identity("d/p_b"), d + "/b", d + "/p_b", {}});
    bytes += core::EncodeIntent(c.op);
    bytes += core::EncodeDone({1, std::nullopt});
    // The done record names the file there now, as a real one would; without one, the
    // journal is a killed run's.
    if (c.done) {
      const std::optional<core::FileInfo> there = m_real.Stat(c.op.to);
      bytes += core::EncodeDone({2, there ? std::optional(core::FileIdentity::Of(*there)) : std::nullopt});
      bytes += core::EncodeEnd();
    }
    m_folder.WriteFile("Undo/20261209-120000.journal", bytes);
    const auto outsideBefore = Contents(m_folder, "outside");

    const core::UndoReport report = Undo("20261209-120000");
    EXPECT_EQ(report.undone, 1);
    EXPECT_EQ(report.left, 1);
    EXPECT_EQ(Contents(m_folder, "outside"), outsideBefore);
    EXPECT_EQ(m_folder.ReadFile("d/b"), "b") << "the rest is undone";
    EXPECT_EQ(m_folder.ReadFile("d/a"), "a");
    std::filesystem::remove(m_folder.Path("d/b"));
    std::filesystem::remove_all(m_folder.Path("Undo"));
  }
}

}  // namespace
}  // namespace morvane::test
