#pragma once

// The command-line library's classes that headers name by reference only; the files that
// add options include <CLI/CLI.hpp> themselves. Including the whole library costs every
// file that includes it several seconds to compile, even when it uses none of it.
namespace CLI {
class App;
}  // namespace CLI
