#include "core/run/run_file_set.h"

#include <utility>

#include "core/text/case_blind_order.h"

namespace morvane::core {

void RunFileSet::Add(std::string_view path, const FileIdentity& identity) {
  m_members.push_back({m_paths.Add(path), identity});
  m_sorted = false;
}

const std::vector<RunFileSet::Member>& RunFileSet::Members() const {
  if (!m_sorted) {
    SortCaseBlindUnique(
        m_members, [](const Member& member) { return std::pair(member.path, std::string_view()); },
        *m_codePage);
    GatherInOrder(m_members, &Member::path, m_paths);
    m_sorted = true;
  }
  return m_members;
}

void RunFileSet::Clear() {
  std::vector<Member>().swap(m_members);
  m_paths.Clear();
  m_sorted = true;
}

}  // namespace morvane::core
