// A sequential rename in place of 10,000 files (or as many as asked) started from the
// window's Start button, against the same run through morvane-batch (a separate process,
// as a user starts it).
// Both rename a folder's files with a new front part each run, so every file is really
// renamed every time; the window's questions are answered through its test seams. Who
// goes first alternates between rounds, and each run starts once the file system has
// written out the one before, so that neither pays for the other's writes.
// Usage: morvane_window_run_bench [runs (default 3)] [files (default 10000)]. Prints each
// run with the processor time of its process beside it (a run much longer than that
// waited for something), then the median of each and their ratio.
#include <sys/resource.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "../batch_process.h"
#include "../median.h"
#include "core/fs/program_files.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"
#include "platform/posix_file_system.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Timed {
  double ms = 0;
  double cpuMs = 0;  // user and system time of the process that ran it
};

double CpuSecondsOfThisProcess() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return bench::Seconds(usage.ru_utime) + bench::Seconds(usage.ru_stime);
}

Timed WindowRun(const bench::RunFolder& folder, int round) {
  morvane::platform::PosixFileSystem fileSystem;
  morvane::gui::TfrmMain window(morvane::core::ProgramFilesIn(folder.Home()), fileSystem);
  window.show();
  window.StoreDroppedPaths({folder.Input()});
  if (!window.chkDelFile->isChecked()) window.chkDelFile->click();
  window.cboKyotsuName->setEditText(QStringLiteral("w%1_").arg(round));
  window.cboStartSeqNbr->setEditText(QStringLiteral("1"));
  window.frmConfirmation->AnswerNext(true);
  window.frmPEndMessage->AnswerNext();
  QApplication::processEvents();
  const double cpuStart = CpuSecondsOfThisProcess();
  const Clock::time_point start = Clock::now();
  window.btnStart->click();
  const Timed elapsed{MsSince(start), (CpuSecondsOfThisProcess() - cpuStart) * 1000};
  // A run that was refused or renamed nothing would measure nothing.
  if (!std::filesystem::exists(folder.Input() + "/w" + std::to_string(round) + "_1.jpg")) {
    std::fprintf(stderr, "the window run renamed nothing\n");
  }
  return elapsed;
}

Timed BatchRun(const bench::RunFolder& folder, int round) {
  const Clock::time_point start = Clock::now();
  const bench::ChildRun run = bench::RunBatch(
      {"morvane-batch", "rename", "--in-place", "--front", "b" + std::to_string(round) + "_", folder.Input()},
      folder.Home());
  if (run.status != 0) std::fprintf(stderr, "morvane-batch failed\n");
  return {MsSince(start), run.cpuSeconds * 1000};
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const int files = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10'000;
  const bench::RunFolder folder(files, "photo_");
  qputenv("MORVANE_HOME", QByteArray::fromStdString(folder.Home()));
  std::vector<double> window;
  std::vector<double> batch;
  for (int round = 0; round < runs; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      bench::WriteOut(folder.Input());
      const bool windowTurn = (turn == 0) == (round % 2 == 0);
      const Timed run = windowTurn ? WindowRun(folder, round) : BatchRun(folder, round);
      (windowTurn ? window : batch).push_back(run.ms);
      std::printf("round %d: %s %.0f ms (processor %.0f ms)\n", round + 1,
                  windowTurn ? "window" : "morvane-batch", run.ms, run.cpuMs);
    }
  }
  const double windowMs = bench::Median(window);
  const double batchMs = bench::Median(batch);
  std::printf("window run of %d files in place: median %.0f ms\n", files, windowMs);
  std::printf("morvane-batch rename of the same: median %.0f ms\n", batchMs);
  std::printf("ratio window / morvane-batch: %.2f\n", windowMs / batchMs);
  return 0;
}
