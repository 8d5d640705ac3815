#include "platform/video_creation_time.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
}

#include "core/time/recorded_dates.h"

namespace morvane::platform {

void PrepareLibavformat() { av_log_set_level(AV_LOG_QUIET); }

std::optional<core::FileTime> ReadVideoCreationTime(const std::string& path, const char* demuxer) {
  // The demuxer is named, so the file is not first probed against every format.
  const AVInputFormat* format = av_find_input_format(demuxer);
  if (format == nullptr) return std::nullopt;
  AVFormatContext* context = nullptr;
  // On failure avformat_open_input frees the context itself.
  if (avformat_open_input(&context, path.c_str(), format, nullptr) < 0) return std::nullopt;
  std::optional<core::FileTime> created;
  // libavformat writes it "YYYY-MM-DDTHH:MM:SS.ffffffZ"; it leaves out a zero time, which
  // is what a camera without a set clock records.
  if (const AVDictionaryEntry* entry = av_dict_get(context->metadata, "creation_time", nullptr, 0))
    created = core::ParseUtcDateTime(entry->value);
  avformat_close_input(&context);
  return created;
}

}  // namespace morvane::platform
