// The window program's command line: its three options and the paths it hands on.
#include "gui/window_program_options.h"

#include <QTest>

#include "gui/untVerInfo.h"
#include "window_test_main.h"

using morvane::gui::AbsolutePath;
using morvane::gui::ParseWindowCommandLine;
using morvane::gui::WindowCommandLine;
using Action = WindowCommandLine::Action;
using Strings = std::vector<std::string>;

Q_DECLARE_METATYPE(Strings)
Q_DECLARE_METATYPE(Action)

class WindowProgramOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void commandLine_data() {
    QTest::addColumn<Strings>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Strings>("paths");
    QTest::newRow("paths") << Strings{"a", "/b c"} << Action::Run << Strings{"a", "/b c"};
    QTest::newRow("help anywhere") << Strings{"a", "--help", "b"} << Action::Help << Strings{"a"};
    QTest::newRow("short help") << Strings{"-h"} << Action::Help << Strings{};
    QTest::newRow("version") << Strings{"--version"} << Action::Version << Strings{};
    QTest::newRow("after --, options are paths")
        << Strings{"a", "--", "--help", "--", "-h"} << Action::Run << Strings{"a", "--help", "--", "-h"};
    // Other words that look like options stay paths, as they always were (Qt's own
    // options among them; a missing path is left out of the list).
    QTest::newRow("other dashes are paths") << Strings{"-x", "--versions", "-platform"} << Action::Run
                                            << Strings{"-x", "--versions", "-platform"};
  }
  void commandLine() {
    QFETCH(Strings, arguments);
    QFETCH(Action, action);
    QFETCH(Strings, paths);
    const WindowCommandLine parsed = ParseWindowCommandLine(arguments);
    QCOMPARE(parsed.action, action);
    QCOMPARE(parsed.paths, paths);
  }

  void absolutePath_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("absolute");
    QTest::newRow("absolute stays") << QByteArray("/x/./y") << QByteArray("/home") << QByteArray("/x/./y");
    QTest::newRow("relative") << QByteArray("a/b") << QByteArray("/home/me") << QByteArray("/home/me/a/b");
    QTest::newRow("dot") << QByteArray(".") << QByteArray("/home/me") << QByteArray("/home/me");
    QTest::newRow("dot segments") << QByteArray("./a/./b") << QByteArray("/h") << QByteArray("/h/a/b");
    QTest::newRow("parent stays") << QByteArray("../a") << QByteArray("/h/l") << QByteArray("/h/l/../a");
    QTest::newRow("trailing slash") << QByteArray("a//") << QByteArray("/h") << QByteArray("/h/a/");
    QTest::newRow("in the root") << QByteArray("a") << QByteArray("/") << QByteArray("/a");
    QTest::newRow("bytes kept") << QByteArray("\x82\xa0 \n") << QByteArray("/h")
                                << QByteArray("/h/\x82\xa0 \n");
  }
  void absolutePath() {
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, absolute);
    QCOMPARE(QByteArray::fromStdString(AbsolutePath(path.toStdString(), folder.toStdString())), absolute);
  }

  void aWindowWithoutADisplayIsRefusedInOneLine() {
    using morvane::gui::MissingDisplayMessage;
    const struct {
      Strings arguments;
      morvane::gui::DisplaySession session;
      bool refused;
    } cases[] = {
        {{}, {"", "", ""}, true},
        {{}, {"", ":0", ""}, false},
        {{}, {"", "", "wayland-0"}, false},
        {{}, {"wayland;xcb", "", ""}, true},
        {{}, {"offscreen", "", ""}, false},
        {{"-platform", "offscreen"}, {"xcb", "", ""}, false},
        {{"-platform", "xcb"}, {"offscreen", "", ""}, true},
    };
    for (const auto& c : cases) {
      const std::string message = MissingDisplayMessage(c.arguments, c.session);
      QCOMPARE(!message.empty(), c.refused);
      if (c.refused) QVERIFY(message.find("morvane-batch") != std::string::npos);
    }
  }

  // The version dialog's caption is written in its form; --version comes from the
  // project. A new version changes both, or this fails.
  void versionIsTheOneTheVersionDialogShows() {
    const morvane::gui::TfrmVersionInfo dialog{QString{}};
    const QString caption = dialog.lblProgramName->text();
    const QString number = caption.section(QLatin1Char(' '), -1);
    const QString version = QString::fromStdString(morvane::gui::WindowVersion());
    QCOMPARE(version.section(QLatin1Char('\n'), 0, 0), QStringLiteral("morvane ") + number);
    QVERIFY(version.contains(QStringLiteral("GPL-3.0-or-later")));
  }
};

MORVANE_WINDOW_TEST(WindowProgramOptionsTest)
#include "window_program_options_test.moc"
