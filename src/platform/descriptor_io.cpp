#include "platform/descriptor_io.h"

#include <errno.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exiv2/error.hpp>
#include <limits>

namespace morvane::platform {
namespace {

// Large enough for the metadata at the start of most photos in one read, small enough
// that reading a file of a few hundred bytes copies nothing needless.
constexpr std::size_t kBlockSize = std::size_t{16} * 1024;

}  // namespace

DescriptorIo::DescriptorIo(int descriptor, std::uint64_t size, std::string name)
    : m_descriptor(descriptor),
      m_size(static_cast<long>(std::min<std::uint64_t>(size, std::numeric_limits<long>::max()))),
      m_name(std::move(name)),
      m_block(kBlockSize) {}

DescriptorIo::~DescriptorIo() { munmap(); }

int DescriptorIo::open() {
  m_position = 0;
  m_eof = false;
  m_error = 0;
  return 0;
}

// The descriptor stays open: it is the caller's.
int DescriptorIo::close() { return munmap(); }

long DescriptorIo::write(const Exiv2::byte* /*data*/, long /*count*/) { return 0; }
long DescriptorIo::write(Exiv2::BasicIo& /*source*/) { return 0; }
int DescriptorIo::putb(Exiv2::byte /*data*/) { return EOF; }

void DescriptorIo::transfer(Exiv2::BasicIo& /*source*/) {
  throw Exiv2::Error(Exiv2::kerFunctionNotSupported);
}

bool DescriptorIo::FillBlock() {
  ssize_t length = 0;
  do {
    length = pread(m_descriptor, m_block.data(), m_block.size(), m_position);
  } while (length < 0 && errno == EINTR);
  if (length < 0) m_error = errno;
  if (length <= 0) return false;
  m_blockStart = m_position;
  m_blockLength = length;
  return true;
}

long DescriptorIo::read(Exiv2::byte* buffer, long count) {
  long done = 0;
  while (done < count) {
    const bool inBlock = m_position >= m_blockStart && m_position < m_blockStart + m_blockLength;
    if (!inBlock && !FillBlock()) {
      m_eof = m_error == 0;
      break;
    }
    const long available = std::min(count - done, m_blockStart + m_blockLength - m_position);
    std::memcpy(buffer + done, m_block.data() + (m_position - m_blockStart),
                static_cast<std::size_t>(available));
    done += available;
    m_position += available;
  }
  return done;
}

Exiv2::DataBuf DescriptorIo::read(long count) {
  // A length read from a damaged file must not become a huge allocation.
  if (count < 0 || count > m_size) throw Exiv2::Error(Exiv2::kerInvalidMalloc);
  Exiv2::DataBuf data(count);
  data.size_ = read(data.pData_, count);
  return data;
}

int DescriptorIo::getb() {
  Exiv2::byte byte = 0;
  return read(&byte, 1) == 1 ? byte : EOF;
}

// As exiv2's reader of memory does: a position before the start or past the end fails.
int DescriptorIo::seek(long offset, Position from) {
  long base = 0;
  if (from == cur) base = m_position;
  if (from == end) base = m_size;
  if ((offset > 0 && base > std::numeric_limits<long>::max() - offset) || base + offset < 0) return 1;
  if (base + offset > m_size) {
    m_eof = true;
    return 1;
  }
  m_position = base + offset;
  m_eof = false;
  return 0;
}

Exiv2::byte* DescriptorIo::mmap(bool writeable) {
  if (writeable) throw Exiv2::Error(Exiv2::kerFunctionNotSupported);
  if (m_mapped == nullptr) {
    void* mapped = ::mmap(nullptr, static_cast<std::size_t>(m_size), PROT_READ, MAP_PRIVATE, m_descriptor, 0);
    if (mapped == MAP_FAILED) throw Exiv2::Error(Exiv2::kerCallFailed);
    m_mapped = mapped;
  }
  return static_cast<Exiv2::byte*>(m_mapped);
}

int DescriptorIo::munmap() {
  if (m_mapped == nullptr) return 0;
  const int result = ::munmap(m_mapped, static_cast<std::size_t>(m_size));
  m_mapped = nullptr;
  return result;
}

long DescriptorIo::tell() const { return m_position; }
std::size_t DescriptorIo::size() const { return static_cast<std::size_t>(m_size); }
bool DescriptorIo::isopen() const { return true; }
int DescriptorIo::error() const { return m_error; }
bool DescriptorIo::eof() const { return m_eof; }
std::string DescriptorIo::path() const { return m_name; }

}  // namespace morvane::platform
