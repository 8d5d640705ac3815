#pragma once

#include <cstdint>
#include <exiv2/basicio.hpp>
#include <string>
#include <vector>

namespace morvane::platform {

// exiv2's reading of a file through a descriptor the caller opened, checked and keeps
// open. exiv2's own file reader opens the file by name again for each step (finding the
// type, reading the metadata), which costs more than the reading itself for a photo; this
// one reads it through the one descriptor, in blocks, with pread. Read-only: every write
// fails. Like exiv2's own reader, it maps a TIFF-based file whole: a file cut short
// while it is read can stop the program with SIGBUS, as with any reader of mapped files.
class DescriptorIo : public Exiv2::BasicIo {
 public:
  // size: the file's size when it was checked. name: what path() reports.
  DescriptorIo(int descriptor, std::uint64_t size, std::string name);
  ~DescriptorIo() override;
  DescriptorIo(const DescriptorIo&) = delete;
  DescriptorIo& operator=(const DescriptorIo&) = delete;

  int open() override;
  int close() override;
  long write(const Exiv2::byte* data, long count) override;
  long write(Exiv2::BasicIo& source) override;
  int putb(Exiv2::byte data) override;
  Exiv2::DataBuf read(long count) override;
  long read(Exiv2::byte* buffer, long count) override;
  int getb() override;
  void transfer(Exiv2::BasicIo& source) override;
  int seek(long offset, Position from) override;
  // The whole file, mapped read-only (the TIFF-based readers parse it in place).
  Exiv2::byte* mmap(bool writeable) override;
  int munmap() override;
  long tell() const override;
  std::size_t size() const override;
  bool isopen() const override;
  int error() const override;
  bool eof() const override;
  std::string path() const override;

 private:
  // Reads the block that starts at m_position into m_block; false at the end or on error.
  bool FillBlock();

  int m_descriptor;
  long m_size;
  std::string m_name;
  long m_position = 0;
  bool m_eof = false;
  int m_error = 0;
  std::vector<Exiv2::byte> m_block;
  long m_blockStart = 0;
  long m_blockLength = 0;
  void* m_mapped = nullptr;
};

}  // namespace morvane::platform
