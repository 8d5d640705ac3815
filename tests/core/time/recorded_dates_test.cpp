#include "core/time/recorded_dates.h"

#include <gtest/gtest.h>

#include <chrono>

namespace morvane::core {
namespace {

using namespace std::chrono;

TEST(RecordedDates, ExifDateTimeTakesRealDatesOnly) {
  struct Case {
    std::string_view text;
    std::optional<LocalDateTime> expected;
  } const cases[] = {
      {"2019:03:02 01:02:03", LocalDateTime{2019, 3, 2, 1, 2, 3}},
      // The NUL that ends the tag, a fraction, a zone: what follows the seconds.
      {std::string_view("2019:03:02 01:02:03\0", 20), LocalDateTime{2019, 3, 2, 1, 2, 3}},
      {"2019:03:02 01:02:03.25+09:00", LocalDateTime{2019, 3, 2, 1, 2, 3}},
      {"2019-03-02T23:59:59", LocalDateTime{2019, 3, 2, 23, 59, 59}},
      {"2020:02:29 00:00:00", LocalDateTime{2020, 2, 29, 0, 0, 0}},
      {"1700:01:01 00:00:00", LocalDateTime{1700, 1, 1, 0, 0, 0}},
      {"2200:12:31 23:59:59", LocalDateTime{2200, 12, 31, 23, 59, 59}},
      // A camera whose clock was never set.
      {"0000:00:00 00:00:00", std::nullopt},
      {"    :  :     :  :  ", std::nullopt},
      {"", std::nullopt},
      {"2019:03:02 01:02:0", std::nullopt},
      {"2021:13:01 00:00:00", std::nullopt},
      {"2021:02:29 00:00:00", std::nullopt},
      {"2021:04:31 00:00:00", std::nullopt},
      {"2021:04:01 24:00:00", std::nullopt},
      {"2021:04:01 12:60:00", std::nullopt},
      {"2021:04:01 12:00:60", std::nullopt},
      {"1699:12:31 23:59:59", std::nullopt},
      {"2201:01:01 00:00:00", std::nullopt},
      {"2019:03-02 01:02:03", std::nullopt},
      {"2019:03:02 01-02-03", std::nullopt},
      {"2019:+3:02 01:02:03", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<LocalDateTime> parsed = ParseExifDateTime(c.text);
    ASSERT_EQ(parsed.has_value(), c.expected.has_value());
    if (!parsed) continue;
    EXPECT_EQ(FormatSortTimeStamp(*parsed), FormatSortTimeStamp(*c.expected));
  }
}

TEST(RecordedDates, UtcDateTimeIsTheMomentInUtc) {
  const FileTime july = sys_days{2021y / July / 4} + 12h + 34min + 56s;
  struct Case {
    std::string_view text;
    std::optional<FileTime> expected;
  } const cases[] = {
      {"2021-07-04T12:34:56.000000Z", july},
      {"2021-07-04T12:34:56Z", july},
      {"2021-07-04 12:34:56", july},
      {"2021-07-04T12:34:56.5Z", july},
      {"1904-01-01T00:00:00Z", sys_days{1904y / January / 1}},
      {"2021-07-04T12:34:56+02:00", std::nullopt},
      {"2021-07-04T12:34:56.Z", std::nullopt},
      {"2021:07:04T12:34:56Z", std::nullopt},
      {"2021-02-30T12:34:56Z", std::nullopt},
      {"2021-07-04", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseUtcDateTime(c.text), c.expected);
  }
}

}  // namespace
}  // namespace morvane::core
