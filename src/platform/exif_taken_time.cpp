#include "platform/exif_taken_time.h"

#include <exiv2/exiv2.hpp>

#include "core/time/recorded_dates.h"
#include "platform/descriptor_io.h"

namespace morvane::platform {
namespace {

// exiv2's numbers of the video containers it recognises (its Exiv2::ImageType values),
// written here because the headers that declare them do not compile on their own.
constexpr int kRiff = 20;
constexpr int kMatroska = 21;
constexpr int kQuickTime = 22;
constexpr int kAsf = 24;

MediaKind KindOf(int imageType) {
  switch (imageType) {
    case Exiv2::ImageType::none:
      return MediaKind::Other;
    case Exiv2::ImageType::bmff:
      return MediaKind::IsoMedia;
    case kQuickTime:
      return MediaKind::QuickTime;
    case kMatroska:
      return MediaKind::Matroska;
    case kRiff:
      return MediaKind::Riff;
    case kAsf:
      return MediaKind::Asf;
    default:
      return MediaKind::Photo;
  }
}

std::optional<core::FileTime> ExifTakenTime(const Exiv2::ExifData& exif) {
  // Made once: a key is looked up in exiv2's tag tables when it is made.
  static const Exiv2::ExifKey kOriginal("Exif.Photo.DateTimeOriginal");
  static const Exiv2::ExifKey kDigitized("Exif.Photo.DateTimeDigitized");
  for (const Exiv2::ExifKey* key : {&kOriginal, &kDigitized}) {
    const auto datum = exif.findKey(*key);
    if (datum == exif.end()) continue;
    // A camera with an unset clock writes "0000:00:00 00:00:00" or blanks; then the
    // digitized date may still be right.
    if (const auto local = core::ParseExifDateTime(datum->toString())) return core::FromLocalDateTime(*local);
  }
  return std::nullopt;
}

}  // namespace

void PrepareExiv2() {
  Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
  // HEIC, AVIF and CR3 photos; exiv2 reads them only when asked to.
  Exiv2::enableBMFF(true);
  // exiv2 readies its XMP parser on first use, which is not safe from two threads at once.
  Exiv2::XmpParser::initialize();
}

ExifFindings ReadExif(int descriptor, std::uint64_t size) {
  ExifFindings findings;
  try {
    // exiv2 0.27 hands its readers over in std::auto_ptr, which C++17 deprecates.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Exiv2::BasicIo::AutoPtr io(new DescriptorIo(descriptor, size, "photo"));
#pragma GCC diagnostic pop
    // Detects the type by content, and gives no image (rather than throwing) for an
    // unknown one: most files of a folder are no photos.
    auto image = Exiv2::ImageFactory::open(io);
    if (image.get() == nullptr) return findings;
    findings.kind = KindOf(image->imageType());
    if (findings.kind != MediaKind::Photo && findings.kind != MediaKind::IsoMedia) return findings;
    image->readMetadata();
    findings.taken = ExifTakenTime(image->exifData());
  } catch (...) {
    // Damaged or hostile data: exiv2 throws its own errors, and the standard library's
    // (a length beyond the file, memory for a huge count) from within it.
    findings.taken = std::nullopt;
  }
  return findings;
}

}  // namespace morvane::platform
