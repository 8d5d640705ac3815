#include "core/run/run_file_set.h"

#include "core/text/case_blind_order.h"

namespace morvane::core {

void RunFileSet::Add(std::string_view path, const FileIdentity& identity) {
  m_members.push_back({std::string(path), identity});
  m_sorted = false;
}

const std::vector<RunFileSet::Member>& RunFileSet::Members() const {
  if (!m_sorted) {
    SortCaseBlindUnique(
        m_members, [](const Member& member) -> const std::string& { return member.path; }, *m_codePage);
    m_sorted = true;
  }
  return m_members;
}

void RunFileSet::Clear() {
  m_members.clear();
  m_sorted = true;
}

}  // namespace morvane::core
