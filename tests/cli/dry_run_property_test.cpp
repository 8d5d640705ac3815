// morvane-batch --dry-run and --plan over random folders whose names collide with each
// other, with files already in the way (in the output folder or as a folder of the same
// name) and with themselves after a change of case; in every command, in place and
// copying, under every conflict answer but asking. Each round builds the same folder
// three times: the dry run over one must print what the real run over another prints and
// exit as it exits, touching nothing; the plan over the third, replayed record by record
// over the folder as it was, must give what the real run left on disk.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kSeed = 20261209;
constexpr int kRounds = 80;
// Then rounds that renumber a folder in place onto its own names, resolving the chains.
constexpr int kChainRounds = 20;

// The files of a folder by their path relative to it; a folder's path ends in '/'.
using Tree = std::map<std::string, std::string>;

// The longest name a file system takes: with anything added it can no longer be used.
const std::string kLongName = std::string(251, 'n') + ".txt";

// Names that meet each other: the numbering's names, the same stem with other
// extensions and cases, and the names the replacement and the addition below make.
const std::vector<std::string> kNames = {"1.txt",  "2.txt", "3.txt",   "01.txt",   "a.txt",   "A.txt",
                                         "A.TXT",  "b.txt", "a.jpeg",  "1.jpeg",   "x",       "X",
                                         "1",      "y.TXT", "ab.txt",  "bb.txt",   "p_a.txt", "bz.txt",
                                         ".h.txt", "s.exe", "c d.txt", "n\nl.txt", kLongName};
// A name longer than any a file system takes: only ever a target, and missing.
const std::string kTooLongName = std::string(256, 'n');

// A name as it can be read in a trace.
std::string Shown(std::string_view text) {
  std::string shown;
  for (const char c : text) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
  if (text.size() > 250)
    return std::to_string(text.size()) + " bytes: " + std::string(text.substr(0, 5)) + "...";
  return shown;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// A round's random choices: true in percent cases out of a hundred; one of some texts.
struct Chance {
  std::mt19937& random;
  bool operator()(int percent) const { return std::uniform_int_distribution<int>(0, 99)(random) < percent; }
};
struct Pick {
  std::mt19937& random;
  std::string operator()(const std::vector<std::string>& from) const {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  }
};

// One round: the folder (its "in" and perhaps "out"), the modification time of each file
// in minutes, and the command line with "{W}" for the folder's copy.
struct Round {
  Tree files;
  std::map<std::string, int> minutes;
  std::vector<std::string> arguments;
  // The files the run is to meet: the targets, a folder standing for the files in it.
  std::set<std::string> expectedSources;
  // The output folder is to hold files of some of the new names.
  bool namesInTheWay = false;
  // In place with --resolve-chains: a file may take a waiting file's name, which steps aside.
  bool resolvesChains = false;
};

// A file left under a temporary name, in a form that does not depend on its number.
std::string AsideName(const std::string& path, const std::string& content) {
  return path.substr(0, path.rfind('/') + 1) + ".morvane-aside:" + content;
}

class DryRunPropertyTest : public BatchAppTest {
 protected:
  // A folder of 1.txt, 2.txt, ... (now and then with a file of another kind) renumbered
  // in place onto its own names, up or down, its chains resolved.
  static Round ChainRound(std::mt19937& random) {
    const Chance chance{random};
    const Pick pick{random};
    Round round;
    round.resolvesChains = true;
    round.files["in/"] = "";
    std::vector<std::string> names;
    const int count = std::uniform_int_distribution<int>(2, 8)(random);
    for (int number = 1; number <= count; ++number) names.push_back(std::to_string(number) + ".txt");
    if (chance(30)) names.push_back("s.exe");
    if (chance(30)) names.push_back("a.txt");
    for (const std::string& name : names) {
      const std::string path = "in/" + name;
      round.files[path] = path + "=" + std::string(std::uniform_int_distribution<int>(0, 12)(random), 'c');
      round.minutes[path] = 0;
      round.expectedSources.insert(path);
    }
    round.arguments = {"rename", "--resolve-chains", "--in-place", "--start", pick({"0", "1", "2", "3"})};
    if (chance(50)) round.arguments.push_back("--descending");
    round.arguments.insert(
        round.arguments.end(),
        {"--on-conflict", pick({"skip", "abort", "auto", "overwrite"}), "--yes", "{W}/in"});
    return round;
  }

  static Round RandomRound(std::mt19937& random) {
    const Chance chance{random};
    const Pick pick{random};
    Round round;
    // The folder: a random set of the names, now and then one of them a folder.
    const auto fill = [&](const std::string& folder, std::vector<std::string> names, int fewest, int most) {
      std::ranges::shuffle(names, random);
      const int count =
          std::min(std::uniform_int_distribution<int>(fewest, most)(random), static_cast<int>(names.size()));
      for (int i = 0; i < count; ++i) {
        const std::string path = folder + names[static_cast<std::size_t>(i)];
        if (chance(5)) {
          round.files[path + "/"] = "";
          continue;
        }
        round.files[path] =
            Shown(path) + "=" + std::string(std::uniform_int_distribution<int>(0, 12)(random), 'c');
        round.minutes[path] = std::uniform_int_distribution<int>(0, 3)(random);
      }
    };
    round.files["in/"] = "";
    fill("in/", kNames, 2, 12);

    const std::vector<std::string> commands = {"rename", "ext", "case", "replace", "add"};
    const std::string command = pick(commands);
    std::vector<std::string>& arguments = round.arguments;
    arguments.push_back(command);
    bool userOrder = false;
    if (command == "rename") {
      arguments.insert(arguments.end(), {"--start", pick({"1", "2", "01", "3"})});
      if (chance(25)) arguments.insert(arguments.end(), {"--front", pick({"p_", "a", "b"})});
      if (chance(20)) arguments.insert(arguments.end(), {"--increment", pick({"2", "-1"})});
      const std::string order = pick({"name", "ext", "size", "date", "user"});
      arguments.insert(arguments.end(), {"--order", order});
      userOrder = order == "user";
      if (chance(30)) arguments.push_back("--descending");
      if (chance(25)) arguments.insert(arguments.end(), {"--new-ext", pick({"jpeg", "txt", ""})});
    } else if (command == "ext") {
      arguments.insert(arguments.end(), {"--new-ext", pick({"txt", "TXT", "jpeg", ""})});
    } else if (command == "replace") {
      arguments.insert(arguments.end(), {"--find", pick({"a", "A", "b", "1"})});
      if (chance(80)) arguments.insert(arguments.end(), {"--replace-with", pick({"b", "", "bb", "a", "1"})});
      if (chance(40)) arguments.push_back("--ignore-case");
      if (chance(15)) arguments.insert(arguments.end(), {"--new-ext", pick({"txt", "jpeg", ""})});
    } else if (command == "add") {
      if (chance(70)) arguments.insert(arguments.end(), {"--prefix", pick({"p_", "b", "a"})});
      if (chance(50)) arguments.insert(arguments.end(), {"--suffix", pick({"z", "b"})});
      if (chance(15)) arguments.insert(arguments.end(), {"--new-ext", pick({"txt", "jpeg", ""})});
    }
    const std::vector<std::string> cases = {"none", "upper", "lower"};
    if (command == "case" || chance(25)) arguments.insert(arguments.end(), {"--name-case", pick(cases)});
    if (command == "case" || chance(25)) arguments.insert(arguments.end(), {"--ext-case", pick(cases)});
    std::vector<std::string> types;
    if (chance(20)) {
      const std::string filter = pick({"txt", "txt,jpeg", "TXT"});
      arguments.insert(arguments.end(), {"--types", filter});
      types =
          filter == "txt,jpeg" ? std::vector<std::string>{"txt", "jpeg"} : std::vector<std::string>{"txt"};
    }

    // Every answer to a conflict but asking; without one nobody answers (no terminal).
    std::vector<std::string> policies = {"", "overwrite", "overwrite", "skip", "abort", "abort"};
    if (command == "rename") policies.push_back("auto");
    if (const std::string policy = pick(policies); !policy.empty()) {
      arguments.insert(arguments.end(), {"--on-conflict", policy});
    }
    if (chance(92)) arguments.push_back("--yes");
    if (chance(20)) arguments.push_back("--log");

    if (command == "case" || chance(40)) {
      if (command != "case" || chance(50)) arguments.push_back("--in-place");
    } else {
      const int destination = std::uniform_int_distribution<int>(0, 99)(random);
      if (destination < 65) {  // an output folder holding some of the names given (see PutNamesInTheWay)
        round.files["out/"] = "";
        fill("out/", kNames, 0, 3);
        round.namesInTheWay = true;
        arguments.insert(arguments.end(), {"--output", "{W}/out"});
      } else if (destination < 82) {  // an output folder still to be made (asked; --yes answers)
        arguments.insert(arguments.end(), {"--output", "{W}/out"});
      } else {  // copies next to their sources, which are waiting files there
        arguments.insert(arguments.end(), {"--output", "{W}/in"});
      }
    }

    // The targets: the folder, or files one by one (some missing, some twice, perhaps a
    // folder among them).
    if (!userOrder && chance(65)) {
      arguments.push_back("{W}/in");
      for (const auto& [path, content] : round.files) {
        // A folder stands for the files in it of the types asked for.
        const std::size_t dot = path.rfind('.');
        const std::string extension = dot == std::string::npos || dot < 3 ? "" : path.substr(dot + 1);
        const bool ofType = types.empty() || std::ranges::any_of(types, [&](const std::string& type) {
                              return SameIgnoringCase(type, extension);
                            });
        if (ofType && path.starts_with("in/") && !path.ends_with('/') &&
            path.find('/', 3) == std::string::npos) {
          round.expectedSources.insert(path);
        }
      }
    } else {
      const int count = std::uniform_int_distribution<int>(1, 6)(random);
      std::vector<std::string> inFolder;
      for (const auto& [path, content] : round.files) {
        if (path.starts_with("in/") && path != "in/") inFolder.push_back(path);
      }
      for (int i = 0; i < count; ++i) {
        std::string path = !inFolder.empty() && chance(75) ? pick(inFolder)
                           : chance(15)                    ? "in/" + kTooLongName
                                                           : "in/" + pick(kNames);
        if (path.ends_with('/')) path.pop_back();
        arguments.push_back("{W}/" + path);
        if (!round.files.contains(path + "/")) round.expectedSources.insert(path);
      }
    }
    return round;
  }

  // Writes the round's folder as relative folder.
  void Build(const Round& round, const std::string& folder) {
    const auto since = std::chrono::system_clock::time_point(std::chrono::seconds(1'700'000'000));
    for (const auto& [path, content] : round.files) {
      if (path.ends_with('/')) {
        fs::create_directories(P(folder + "/" + path));
      } else {
        m_folder.WriteFileModifiedAt(folder + "/" + path,
                                     since + std::chrono::minutes(round.minutes.at(path)), content);
      }
    }
  }

  // Puts files of some of the names the copies will be given into the output folder,
  // and now and then a folder: the names as a plan into the output folder without them
  // gives them, so that the copies meet files in their way far more often than random
  // names would make them.
  void PutNamesInTheWay(Round& round, std::mt19937& random, const std::string& folder) {
    Build(round, folder);
    Batch(Arguments(round, folder, "--plan"));
    const std::string records = m_out.str();
    const std::string out = P(folder) + "/out/";
    std::vector<std::string> fields;
    for (std::size_t start = 0, end = 0; (end = records.find('\0', start)) != std::string::npos;
         start = end + 1) {
      fields.push_back(records.substr(start, end - start));
    }
    for (std::size_t i = 0; i + 2 < fields.size(); i += 3) {
      if (fields[i] != "copied" || !fields[i + 2].starts_with(out)) continue;
      const std::string path = "out/" + fields[i + 2].substr(out.size());
      const int dice = std::uniform_int_distribution<int>(0, 99)(random);
      if (dice < 5) {
        round.files[path + "/"] = "";
      } else if (dice < 55) {
        round.files[path] = Shown(path) + "=in the way";
        round.minutes[path] = 0;
      }
    }
    fs::remove_all(P(folder));
  }

  // Every folder and file under the relative folder, with the files' contents.
  Tree Listing(const std::string& folder, bool withFolders = true) const {
    Tree tree;
    const fs::path root = P(folder);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
      const std::string path = entry.path().lexically_relative(root).string();
      if (entry.is_directory()) {
        if (withFolders) tree[path + "/"] = "";
      } else {
        const std::string content = m_folder.ReadFile(folder + "/" + path);
        const bool aside = entry.path().filename().string().starts_with(".morvane-aside-");
        tree[aside ? AsideName(path, content) : path] = content;
      }
    }
    return tree;
  }

  std::vector<std::string> Arguments(const Round& round, const std::string& folder, const char* extra) const {
    std::vector<std::string> arguments;
    for (const std::string& argument : round.arguments)
      arguments.push_back(ReplaceAll(argument, "{W}", P(folder)));
    if (extra != nullptr) arguments.push_back(extra);
    return arguments;
  }

  // The plan's records, their paths relative to folder, replayed over the round's folder
  // as it was: what each says must be possible there, and the files at the end are what
  // the run leaves. Gives the problems found, one a line.
  std::string Replay(const Round& round, const std::string& folder, const std::string& records, Tree& files,
                     std::set<std::string>& sources, std::map<std::string, int>& outcomes) const {
    for (const auto& [path, content] : round.files) {
      if (!path.ends_with('/')) files[path] = content;
    }
    std::string problems;
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = records.find('\0'); end != std::string::npos; end = records.find('\0', start)) {
      fields.push_back(records.substr(start, end - start));
      start = end + 1;
    }
    if (start != records.size() || fields.size() % 3 != 0)
      return "records not ended or not of three fields\n";
    const std::string prefix = P(folder) + "/";
    const auto relative = [&](const std::string& path) {
      if (path.empty()) return path;
      if (!path.starts_with(prefix)) {
        problems += "a path outside the folder: " + Shown(path) + "\n";
        return path;
      }
      return path.substr(prefix.size());
    };
    // Files left where they are, for reasons of their own.
    static const std::set<std::string> kLeftAsTheyAre = {"protected", "filtered", "text-not-found",
                                                         "over-maximum", "not-reached"};
    // Taken by a file, or by a folder of the name.
    const auto taken = [&](const std::string& path) {
      return files.contains(path) || round.files.contains(path + "/");
    };
    // With chains resolved: a waiting file's path -> where it waits meanwhile.
    std::map<std::string, std::string> aside;
    for (std::size_t i = 0; i < fields.size(); i += 3) {
      const std::string& outcome = fields[i];
      const std::string named = relative(fields[i + 1]);
      const std::string newPath = relative(fields[i + 2]);
      const std::string source = aside.contains(named) ? aside.at(named) : named;
      const std::string record = outcome + " " + Shown(named) + " -> " + Shown(newPath) + ": ";
      ++outcomes[outcome];
      sources.insert(named);
      if (outcome == "missing" || outcome == "path-too-long") {
        if (round.files.contains(named)) problems += record + "the file was there\n";
        continue;
      }
      // A failed step changes nothing, whatever failed: even a source gone by then (the
      // numbering takes a file named twice twice).
      if (outcome == "failed") continue;
      if (!files.contains(source)) {
        problems += record + "no such file at this point\n";
        continue;
      }
      if (outcome == "renamed" && round.resolvesChains && files.contains(newPath) &&
          !aside.contains(newPath)) {
        const std::string waiting = "\x01" + newPath;
        files[waiting] = files[newPath];
        files.erase(newPath);
        aside[newPath] = waiting;
      }
      if (outcome == "renamed" || outcome == "copied" || outcome == "overwritten") {
        if (newPath.empty() || newPath == named) {
          problems += record + "no new path\n";
        } else if (files.contains(newPath) != (outcome == "overwritten")) {
          problems +=
              record + (outcome == "overwritten" ? "nothing to overwrite\n" : "the new path is taken\n");
        }
        files[newPath] = files[source];
        if (outcome == "renamed") {
          files.erase(source);
          aside.erase(named);
        }
      } else if (outcome == "already-named") {
        if (newPath != named) problems += record + "the new path is another\n";
      } else if (outcome == "taken" || outcome == "taken-by-run") {
        if (!taken(newPath)) problems += record + "the new path is free\n";
      } else if (!kLeftAsTheyAre.contains(outcome)) {
        problems += record + "an unknown outcome\n";
      }
    }
    // A file still aside goes back to its name when that is free, or stays aside.
    for (const auto& [path, waiting] : aside) {
      const std::string content = files.at(waiting);
      files.erase(waiting);
      files[files.contains(path) ? AsideName(path, content) : path] = content;
    }
    return problems;
  }
};

std::string Described(const Round& round) {
  std::string text = "morvane-batch";
  for (const std::string& argument : round.arguments) {
    text += argument.empty() ? " ''" : " " + Shown(argument);
  }
  text += "\n  over:";
  for (const auto& [path, content] : round.files) text += " " + Shown(path);
  return text;
}

TEST_F(DryRunPropertyTest, TheDryRunAndThePlanAreWhatTheRunDoes) {
  std::map<int, int> statuses;
  std::map<std::string, int> allOutcomes;
  int chainRounds = 0;  // rounds where a file stepped aside
  for (int number = 0; number < kRounds + kChainRounds; ++number) {
    // Each round from a seed of its own, so that one round can be replayed alone.
    std::mt19937 random(kSeed + static_cast<unsigned>(number));
    Round round = number < kRounds ? RandomRound(random) : ChainRound(random);
    // Every other round in place also resolves its chains (outside the random draws, so
    // that the other rounds stay as they are).
    if (number < kRounds && number % 2 == 0 &&
        std::ranges::find(round.arguments, "--in-place") != round.arguments.end()) {
      round.arguments.insert(round.arguments.begin() + 1, "--resolve-chains");
      round.resolvesChains = true;
    }
    const std::string folder = "round" + std::to_string(number);
    if (round.namesInTheWay) PutNamesInTheWay(round, random, folder + "/scout");
    SCOPED_TRACE("seed " + std::to_string(kSeed) + " + round " + std::to_string(number) + ": " +
                 Described(round));
    const std::string dry = folder + "/dry_";
    const std::string real = folder + "/real";
    const std::string plan = folder + "/plan";
    for (const std::string& copy : {dry, real, plan}) Build(round, copy);
    const Tree before = Listing(dry);

    const int dryStatus = Batch(Arguments(round, dry, "--dry-run"));
    const std::string dryOut = ReplaceAll(WithoutTimes(m_out.str()), P(dry), "{W}");
    const std::string dryErr = ReplaceAll(WithoutTimes(WithoutDryRunNote(m_err.str())), P(dry), "{W}");
    EXPECT_EQ(Listing(dry), before) << "the dry run touched the folder";
    EXPECT_FALSE(m_folder.Exists("Result.dat")) << "the dry run wrote a result file";
    EXPECT_FALSE(m_folder.Exists("Rename.log")) << "the dry run wrote a log";

    const int planStatus = Batch(Arguments(round, plan, "--plan"));
    const std::string records = m_out.str();
    const std::string planErr = m_err.str();
    EXPECT_EQ(Listing(plan), before) << "the plan touched the folder";
    EXPECT_FALSE(m_folder.Exists("Result.dat")) << "the plan wrote a result file";

    const int status = Batch(Arguments(round, real, nullptr));
    if (round.resolvesChains && m_out.str().find("一時的な名前に移します") != std::string::npos)
      ++chainRounds;
    EXPECT_EQ(dryStatus, status);
    EXPECT_EQ(dryOut, ReplaceAll(WithoutTimes(m_out.str()), P(real), "{W}"));
    EXPECT_EQ(dryErr, ReplaceAll(WithoutTimes(m_err.str()), P(real), "{W}"));
    EXPECT_EQ(planStatus, status);
    ++statuses[status];

    Tree replayed;
    std::set<std::string> sources;
    std::map<std::string, int> outcomes;
    EXPECT_EQ(Replay(round, plan, records, replayed, sources, outcomes), "");
    EXPECT_EQ(replayed, Listing(real, false)) << "the plan replayed is not what the run left";
    if (status == kExitRefused) {
      EXPECT_EQ(records, "");
    } else {
      EXPECT_EQ(planErr, "") << "the plan speaks only in records";
      // One record per file the run meets; an abort ends it early.
      if (status != kExitAborted) {
        EXPECT_EQ(sources, round.expectedSources);
      }
    }
    for (const auto& [outcome, count] : outcomes) allOutcomes[outcome] += count;

    std::filesystem::remove(P("Result.dat"));
    std::filesystem::remove(P("Rename.log"));
    if (HasFailure()) return;
    std::filesystem::remove_all(P(folder));
  }
  // The folders are made to collide; a generator that stopped doing so would test little.
  for (const int status : {0, 1, 2, 3}) EXPECT_GE(statuses[status], 3) << "exit status " << status;
  EXPECT_GE(chainRounds, kChainRounds / 2) << "rounds where a file stepped aside";
  for (const char* outcome : {"renamed", "copied", "overwritten", "already-named", "taken", "protected",
                              "filtered", "missing", "path-too-long", "text-not-found"}) {
    EXPECT_GE(allOutcomes[outcome], 3) << outcome;
  }
}

// The case conversion, and the extension change in place, show a file they leave by its
// new name alone in the result lines; the plan's record and the line on standard error
// still give the whole new path, as for every other command.
TEST_F(DryRunPropertyTest, TheRecordsOfLeftFilesGiveTheWholeNewPath) {
  const std::string longStem(251, 'n');
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string file;     // in "in", next to A.TXT
    std::string outcome;  // the file's record: outcome, in/file, in/newName
    std::string newName;
  } const cases[] = {
      {"case conversion, the new name taken",
       {"case", "--name-case", "upper", "--ext-case", "upper"},
       "A.txt",
       "taken",
       "A.TXT"},
      {"extension change in place, the new name too long",
       {"ext", "--in-place", "--new-ext", "jpeg"},
       longStem + ".txt",
       "failed",
       longStem + ".jpeg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.WriteFile("in/A.TXT", "upper");
    m_folder.WriteFile("in/" + c.file, "file");
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--plan", P("in/" + c.file)});
    EXPECT_EQ(Batch(arguments), 1);
    EXPECT_EQ(m_out.str(), c.outcome + '\0' + P("in/" + c.file) + '\0' + P("in/" + c.newName) + '\0');
    arguments.erase(arguments.end() - 2);
    EXPECT_EQ(Batch(arguments), 1);
    EXPECT_NE(m_err.str().find(P("in/" + c.newName)), std::string::npos) << m_err.str();
    std::filesystem::remove_all(P("in"));
  }
}

}  // namespace
}  // namespace morvane::cli
