#include "core/run/waiting_sources.h"

#include <algorithm>
#include <tuple>

namespace morvane::core {
namespace {

bool Before(const FileId& a, const FileId& b) {
  return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
}

}  // namespace

void WaitingSources::AddInRunOrder(std::size_t count, std::function<FileId(std::size_t)> idAt) {
  if (!m_waiting.empty() || m_idAt) {
    for (std::size_t i = 0; i < count; ++i) Add(idAt(i));
    return;
  }
  m_idAt = std::move(idAt);
  m_runOrderCount = count;
  m_stillWaiting += count;
}

void WaitingSources::CopyRunOrder() const {
  m_waiting.reserve(m_runOrderCount);
  for (std::size_t i = 0; i < m_runOrderCount; ++i) m_waiting.push_back({m_idAt(i), 1});
  m_idAt = nullptr;
  m_runOrderCount = 0;
  m_sorted = false;
}

void WaitingSources::Add(const FileId& file) {
  if (m_idAt) CopyRunOrder();
  m_waiting.push_back({file, 1});
  m_sorted = false;
  ++m_stillWaiting;
}

WaitingSources::Waiting* WaitingSources::Find(const FileId& file) const {
  if (m_idAt) CopyRunOrder();
  if (!m_sorted) {
    if (m_inAddOrder) {
      for (std::size_t i = 0; i < m_leftInOrder; ++i) m_waiting[i].count = 0;
      m_inAddOrder = false;
    }
    std::ranges::sort(m_waiting, [](const Waiting& a, const Waiting& b) { return Before(a.file, b.file); });
    // One entry per file: links to one file added twice wait until both had their turn.
    std::size_t kept = 0;
    for (const Waiting& each : m_waiting) {
      if (kept > 0 && m_waiting[kept - 1].file == each.file) {
        m_waiting[kept - 1].count += each.count;
      } else {
        m_waiting[kept++] = each;
      }
    }
    m_waiting.resize(kept);
    m_sorted = true;
  }
  const auto found = std::ranges::lower_bound(m_waiting, file, Before, &Waiting::file);
  return found != m_waiting.end() && found->file == file ? &*found : nullptr;
}

void WaitingSources::Leave(const FileId& file) {
  if (m_inAddOrder && m_leftInOrder < CountInAddOrder() && IdInAddOrder(m_leftInOrder) == file) {
    ++m_leftInOrder;
    --m_stillWaiting;
    return;
  }
  Waiting* waiting = Find(file);
  if (waiting == nullptr || waiting->count == 0) return;
  --waiting->count;
  --m_stillWaiting;
}

bool WaitingSources::Holds(const FileSystem& fileSystem, std::string_view path) const {
  if (m_stillWaiting == 0) return false;
  const std::optional<FileInfo> info = fileSystem.Stat(path);
  if (!info) return false;
  const Waiting* waiting = Find(IdOf(*info));
  return waiting != nullptr && waiting->count > 0;
}

void WaitingSources::Clear() {
  m_waiting.clear();
  m_idAt = nullptr;
  m_runOrderCount = 0;
  m_sorted = true;
  m_inAddOrder = true;
  m_leftInOrder = 0;
  m_stillWaiting = 0;
}

}  // namespace morvane::core
