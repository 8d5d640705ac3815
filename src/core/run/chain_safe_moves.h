#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/fs/forwarding_file_system.h"
#include "core/log/result_log.h"
#include "core/run/planned_move.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Lets a run in place rename a file onto the name of another file of the same run that
// has not had its turn yet and will move away in it (renumbering a folder by one, or in
// reverse order). That file first steps aside to a temporary name in its own folder, and
// its turn takes it from there; every later call about it by its old path reaches it
// under the temporary name. Nothing is ever replaced. The result file records each step
// aside before it is made, so that after a fault every file is under its old name, its
// new name or a temporary name the result file names.
class ChainSafeMoves : public ForwardingFileSystem {
 public:
  ChainSafeMoves(FileSystem& real, ResultLog& log, const CodePage& codePage = ActiveCodePage());

  // The files that will move in this run, each with its new path (from the engine's
  // plan of names): only these may be asked to step aside.
  void ExpectMoves(const std::vector<PlannedMove>& moves);
  // The file at path has had its turn: a file at path is no longer one that will move.
  void TurnEnded(std::string_view path);
  // After the last turn: each file still aside goes back to its old name when that is
  // free, or stays, with a result line that says where. Gives how many stay aside.
  std::size_t PutBackWhatIsAside();

  std::optional<FileInfo> Stat(std::string_view path) const override;
  FsResult Unreachable(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  bool FileExists(std::string_view path) const override;
  FsResult Rename(std::string_view from, std::string_view to) override;
  FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override;

 private:
  struct Texts {
    explicit Texts(const CodePage& codePage);
    std::string steppedAside;
    std::string putBack;
    std::string leftAside;
    std::string file;
    std::string temporaryName;
  };

  // Where the file the run knows by path is now.
  std::string_view Where(std::string_view path) const;
  // Moves the waiting file at path to a free temporary name; false when it is no such
  // file or cannot move.
  bool StepAside(std::string_view path);
  bool PutBack(const std::string& path);
  void LogStep(std::string_view what, std::string_view path, std::string_view temporary);

  ResultLog& m_log;
  const CodePage& m_codePage;
  Texts m_texts;
  std::unordered_map<std::string, std::string> m_movesAway;  // path -> new path
  std::unordered_map<std::string, std::string> m_aside;      // path -> temporary path
  std::vector<std::string> m_asideOrder;
  std::size_t m_nextTemporary = 1;
};

}  // namespace morvane::core
