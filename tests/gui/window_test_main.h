#pragma once

// The window tests share one executable: each test file registers its QtTest class under
// the file's own name, and the runner (window_test_runner.cpp) runs the one named first
// on its command line, in a process of its own with a fresh application, as a test file
// with its own main() would. `morvane_window_tests NAME [QtTest options]`.

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

namespace morvane::test {

using WindowTestMain = int (*)(int argc, char** argv);

// Registers `main` under the name of `sourceFile` without its folder and extension
// (".../untMain_runs_test.cpp" is "untMain_runs_test"); returns true.
bool RegisterWindowTest(const char* sourceFile, WindowTestMain main);

// What QTEST_MAIN and QTEST_GUILESS_MAIN do: the application, then the test object.
template <class Application, class TestObject>
int RunQtTest(int argc, char** argv) {
  Application application(argc, argv);
  application.setAttribute(Qt::AA_Use96Dpi, true);
  TestObject test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace morvane::test

// Registers a main of the file's own (a function `int (int, char**)`).
#define MORVANE_WINDOW_TEST_WITH_MAIN(main_function)                 \
  namespace {                                                        \
  [[maybe_unused]] const bool kWindowTestRegistered =                \
      morvane::test::RegisterWindowTest(__FILE__, &(main_function)); \
  }

// In place of QTEST_MAIN (a QApplication) and QTEST_GUILESS_MAIN (a QCoreApplication).
#define MORVANE_WINDOW_TEST(TestObject) \
  MORVANE_WINDOW_TEST_WITH_MAIN((morvane::test::RunQtTest<QApplication, TestObject>))
#define MORVANE_GUILESS_TEST(TestObject) \
  MORVANE_WINDOW_TEST_WITH_MAIN((morvane::test::RunQtTest<QCoreApplication, TestObject>))
