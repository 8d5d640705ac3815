// The main of the window tests' one executable: runs the test file named first on the
// command line, handing QtTest the rest.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "window_test_main.h"

namespace morvane::test {
namespace {

// Filled by the test files' static registrations, before main() runs; a function-local
// static so that it exists before the first of them, whatever the order of the files.
std::map<std::string, WindowTestMain>& Registry() {
  static std::map<std::string, WindowTestMain> registry;
  return registry;
}

std::string FileStem(const char* path) {
  const char* name = std::strrchr(path, '/');
  std::string stem = name ? name + 1 : path;
  return stem.substr(0, stem.rfind('.'));
}

}  // namespace

bool RegisterWindowTest(const char* sourceFile, WindowTestMain main) {
  const bool added = Registry().emplace(FileStem(sourceFile), main).second;
  if (!added) {
    std::fprintf(stderr, "two window tests are named %s\n", FileStem(sourceFile).c_str());
    std::exit(2);
  }
  return added;
}

}  // namespace morvane::test

int main(int argc, char** argv) {
  const auto& registry = morvane::test::Registry();
  const auto test = argc > 1 ? registry.find(argv[1]) : registry.end();
  if (test == registry.end()) {
    std::fprintf(stderr, "usage: %s TEST [QtTest options]\nTEST is one of:\n", argv[0]);
    for (const auto& [name, main] : registry) std::fprintf(stderr, "  %s\n", name.c_str());
    return 2;
  }
  // QtTest reads its options from argv[1] on, and names the run after argv[0].
  argv[1] = argv[0];
  return test->second(argc - 1, argv + 1);
}
