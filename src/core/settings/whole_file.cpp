#include "core/settings/whole_file.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <utility>

namespace morvane::core {
namespace fs = std::filesystem;
namespace {

// A name in the target's folder that nothing uses yet. Not race-free against other
// writers, which is acceptable: only one instance of the program writes the file.
fs::path TemporaryPathBeside(const fs::path& target) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const std::string stem = "." + target.filename().string() + ".tmp-";
  for (;;) {
    fs::path candidate = target.parent_path() / (stem + std::to_string(random() % 1000000000));
    std::error_code error;
    if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
  }
}

std::string Describe(std::string_view what, const std::error_code& error) {
  return std::string(what) + ": " + error.message();
}

}  // namespace

FileReadResult ReadWholeFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return {FileReadStatus::Missing, {}};
  if (error || status.type() != fs::file_type::regular) return {FileReadStatus::Unreadable, {}};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {FileReadStatus::Unreadable, {}};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {FileReadStatus::Unreadable, {}};
  return {FileReadStatus::Read, std::move(bytes)};
}

std::string ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
  std::error_code error;
  fs::path target = path;
  // Renaming over a link would replace the link itself with a plain file.
  if (fs::is_symlink(fs::symlink_status(path, error))) {
    target = fs::weakly_canonical(path, error);
    if (error) return Describe("cannot resolve the link", error);
  }
  const fs::file_status old = fs::status(target, error);
  const bool existed = fs::exists(old);

  const fs::path temporary = TemporaryPathBeside(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot create the temporary file " + temporary.string();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, error);
      return "cannot write the temporary file " + temporary.string();
    }
  }
  if (existed) {
    // Best effort: a file we cannot give the old bits still holds the right content.
    fs::permissions(temporary, old.permissions(), fs::perm_options::replace, error);
  }
  fs::rename(temporary, target, error);
  if (error) {
    const std::string failure = Describe("cannot rename the temporary file", error);
    fs::remove(temporary, error);
    return failure;
  }
  return {};
}

}  // namespace morvane::core
