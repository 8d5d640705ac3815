// One instance per session: the lock and the request to raise, the window chosen for
// the front, two real starts of the program, and who may hand paths to the first.
#include "gui/single_instance.h"

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDialog>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstring>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "gui/foremost_window.h"
#include "program_process.h"
#include "window_test_main.h"

// Stand-ins named like the program's windows; only their class names matter.
class TfrmSetting : public QDialog {
  Q_OBJECT
};
class TfrmAlert : public QDialog {
  Q_OBJECT
};
namespace fake {
class TfrmMain : public QWidget {
  Q_OBJECT
};
}  // namespace fake

using morvane::gui::BringToFront;
using morvane::gui::FindForemostWindow;
using morvane::gui::SingleInstance;
using morvane::test::ProgramEnvironment;

namespace {

// How long a test waits for the other side before it fails: long, so that a loaded
// machine cannot fail it; a passing test does not wait.
constexpr int kPatience = 20000;

const QStringList kReportAndStay = {QStringLiteral("first-paint"), QStringLiteral("--stay")};
const QStringList kReportAndQuit = {QStringLiteral("first-paint")};

using Paths = std::vector<std::string>;

// A first instance in a private folder that records every request it takes.
struct Listening {
  Listening() {
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    instance.emplace(folder.path());
    if (!instance->Claim()) qFatal("the lock of a fresh folder is taken");
    instance->Listen([this](const Paths& paths) { requests.push_back(paths); });
  }
  QTemporaryDir folder;
  std::optional<SingleInstance> instance;
  std::vector<Paths> requests;
};

// Runs what a later instance does in a thread of its own, as it runs in a process of its
// own, while this thread's event loop serves the first instance; gives its result.
template <typename Later>
bool AsLaterInstance(Later later) {
  std::future<bool> done = std::async(std::launch::async, later);
  while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  return done.get();
}

// Writes the bytes to the socket as a later instance would, and closes.
void SendRaw(const QString& socketPath, const QByteArray& bytes) {
  QVERIFY(AsLaterInstance([&] {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(10000)) return false;
    socket.write(bytes);
    // The first instance may close a request that grows too large before it is written.
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(10000)) {
    }
    socket.disconnectFromServer();
    return true;
  }));
}

// A valid request still goes through: what came before did no harm.
void StillServes(Listening& first, const std::vector<Paths>& before) {
  SingleInstance later(first.folder.path());
  QVERIFY(later.AskFirstToTake({"/after"}));
  std::vector<Paths> expected = before;
  expected.push_back({"/after"});
  QTRY_VERIFY_WITH_TIMEOUT(first.requests == expected, kPatience);
}

// In a child process that takes another user's identity: connects to the socket and
// writes the bytes. Gives the child's exit status (0: connected and written).
int SendAsOtherUser(const QString& socketPath, const QByteArray& bytes) {
  const QByteArray path = QFile::encodeName(socketPath);
  const pid_t child = fork();
  if (child == 0) {
    if (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
        setresuid(65534, 65534, 65534) != 0) {
      _exit(10);
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(),
                std::min<std::size_t>(path.size(), sizeof address.sun_path - 1));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) _exit(11);
    if (write(fd, bytes.constData(), bytes.size()) != bytes.size()) _exit(12);
    close(fd);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void laterInstanceAsksTheFirstToRaise() {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.Claim());
    int raised = 0;
    first.Listen([&raised] { ++raised; });

    SingleInstance second(folder.path());
    QVERIFY(!second.Claim());
    QVERIFY(second.AskFirstToRaise());
    QTRY_COMPARE_WITH_TIMEOUT(raised, 1, kPatience);
  }

  void requestsCarryAnyPathBytes() {
    const Paths paths = {"/a", "/with space/and\nline feed", "/\xe6\x97\xa5\xff\x81", "/a"};
    QCOMPARE(SingleInstance::DecodeRequest(SingleInstance::EncodeRequest(paths)), std::optional(paths));
    // The request of earlier versions: raise only.
    QCOMPARE(SingleInstance::DecodeRequest("raise\n"), std::optional(Paths{}));
  }

  void laterInstanceHandsItsPathsOver() {
    Listening first;
    SingleInstance later(first.folder.path());
    QVERIFY(!later.Claim());
    QVERIFY(later.AskFirstToTake({"/x/b", "/x/a"}));
    QVERIFY(later.AskFirstToRaise());
    QTRY_COMPARE_WITH_TIMEOUT(first.requests.size(), std::size_t{2}, kPatience);
    QCOMPARE(first.requests[0], (Paths{"/x/b", "/x/a"}));
    QCOMPARE(first.requests[1], Paths{});
  }

  void malformedRequestsAreDroppedWhole_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("another head") << QByteArray("hello\n/a\0", 10);
    QTest::newRow("head without line end") << QByteArray("raise");
    QTest::newRow("relative path") << QByteArray("raise\n/a\0b\0", 11);
    QTest::newRow("empty path") << QByteArray("raise\n/a\0\0", 10);
    QTest::newRow("path not ended") << QByteArray("raise\n/a\0/b", 10);
    QTest::newRow("nothing") << QByteArray();
  }
  void malformedRequestsAreDroppedWhole() {
    QFETCH(QByteArray, request);
    QCOMPARE(SingleInstance::DecodeRequest(request), std::nullopt);
    Listening first;
    SendRaw(first.instance->SocketPath(), request);
    StillServes(first, {});
  }

  void aTooLargeRequestIsDropped() {
    Listening first;
    const std::string huge = "/" + std::string(SingleInstance::kMaxRequestBytes, 'a');
    // The program's own later instance does not even send it.
    QVERIFY(!SingleInstance(first.folder.path()).AskFirstToTake({huge}));
    QByteArray request = SingleInstance::EncodeRequest({huge});
    SendRaw(first.instance->SocketPath(), request);
    StillServes(first, {});
    // Exactly the most a request may hold is taken.
    const std::string largest(SingleInstance::kMaxRequestBytes - std::strlen("raise\n") - 1, 'b');
    QVERIFY(AsLaterInstance(
        [&] { return SingleInstance(first.folder.path()).AskFirstToTake({"/" + largest.substr(1)}); }));
    QTRY_COMPARE_WITH_TIMEOUT(first.requests.size(), std::size_t{2}, kPatience);
    QCOMPARE(first.requests[1].at(0).size(), largest.size());
  }

  void aConnectionThatNeverEndsIsLetGo() {
    Listening first;
    QLocalSocket idle;
    idle.connectToServer(first.instance->SocketPath());
    QVERIFY(idle.waitForConnected(10000));
    idle.write("raise\n/a\0");
    QVERIFY(idle.waitForBytesWritten(10000));
    // The first instance closes it after its time-out, unread.
    QTRY_COMPARE_WITH_TIMEOUT(idle.state(), QLocalSocket::UnconnectedState, 15000);
    QVERIFY(first.requests.empty());
  }

  void theSocketIsTheUsersAlone() {
    Listening first;
    QFileInfo socket(first.instance->SocketPath());
    QVERIFY(socket.exists());
    QCOMPARE(
        socket.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
        QFile::Permissions());
  }

  void anotherUsersRequestIsNotTaken() {
    if (geteuid() != 0) QSKIP("taking another user's identity needs root");
    Listening first;
    // Even with the folder and the socket file opened to everyone, as a careless file
    // system might leave them, the first instance asks the kernel who is calling.
    QFile::setPermissions(first.folder.path(), QFile::Permissions(0x7777));
    chmod(QFile::encodeName(first.instance->SocketPath()).constData(), 0777);
    QCOMPARE(SendAsOtherUser(first.instance->SocketPath(), SingleInstance::EncodeRequest({"/etc/passwd"})),
             0);
    StillServes(first, {});
  }

  void onlyAPrivateFolderHoldsTheLockAndSocket_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("otherOwner");
    QTest::addColumn<bool>("isPrivate");
    QTest::newRow("the user's alone") << 0700 << false << true;
    QTest::newRow("readable by all") << 0755 << false << false;
    QTest::newRow("group may write") << 0770 << false << false;
    QTest::newRow("others may enter") << 0701 << false << false;
    QTest::newRow("another user's") << 0700 << true << false;
  }
  void onlyAPrivateFolderHoldsTheLockAndSocket() {
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    QFETCH(bool, isPrivate);
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.path());
    QCOMPARE(chmod(path.constData(), static_cast<mode_t>(mode)), 0);
    if (otherOwner) {
      if (geteuid() != 0) QSKIP("giving a folder to another user needs root");
      QCOMPARE(chown(path.constData(), 65534, 65534), 0);
    }
    QCOMPARE(SingleInstance::IsPrivateFolder(folder.path()), isPrivate);
  }

  void withoutAPrivateRuntimeFolderThereIsNoSharedFallback() {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::Permissions(0x7755));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString chosen = SingleInstance::DefaultFolder();
    qputenv("XDG_RUNTIME_DIR", saved);
    // Qt may repair the folder's mode or fall back to its own private folder; never a
    // folder that others can enter.
    QVERIFY(chosen.isEmpty() || SingleInstance::IsPrivateFolder(chosen));
    QVERIFY(chosen != QDir::tempPath());
  }

  void aFailingMechanismMeansTheOnlyInstance() {
    SingleInstance nowhere(QStringLiteral("/nonexistent/morvane-test"));
    QVERIFY(nowhere.Claim());
    nowhere.Listen([] {});
    QVERIFY(!SingleInstance(QStringLiteral("/nonexistent/morvane-test")).AskFirstToRaise());
  }

  void anOpenDialogComesBeforeTheMainWindow() {
    fake::TfrmMain main;
    TfrmSetting setting;
    TfrmAlert alert;
    QCOMPARE(FindForemostWindow(), nullptr);
    main.show();
    QCOMPARE(FindForemostWindow(), &main);
    alert.show();
    QCOMPARE(FindForemostWindow(), &alert);
    setting.show();
    QCOMPARE(FindForemostWindow(), &setting);
    // Dialogs kept hidden between uses are not brought forward.
    setting.hide();
    alert.hide();
    QCOMPARE(FindForemostWindow(), &main);
  }

  void aMinimizedWindowIsRestored() {
    fake::TfrmMain main;
    main.showMinimized();
    QVERIFY(main.isMinimized());
    BringToFront(FindForemostWindow());
    QVERIFY(!main.isMinimized());
    QVERIFY(main.isVisible());
  }

  void secondStartOfTheProgramEndsWithoutAWindow() {
    QTemporaryDir runtime;
    QTemporaryDir home;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    first.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndStay);
    QVERIFY(first.waitForStarted());
    QByteArray firstOutput;
    QTRY_VERIFY2_WITH_TIMEOUT((firstOutput += first.readAllStandardOutput()).contains("shown"),
                              first.readAllStandardError().constData(), 20000);

    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    second.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndQuit);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardOutput().contains("shown"));

    // A first instance that died leaves its lock behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished(20000));
    QProcess third;
    third.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    third.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndQuit);
    QVERIFY(third.waitForFinished(20000));
    QCOMPARE(third.exitCode(), 0);
    QVERIFY(third.readAllStandardOutput().contains("shown"));
  }
};

MORVANE_WINDOW_TEST(SingleInstanceTest)
#include "single_instance_test.moc"
