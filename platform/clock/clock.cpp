#include "platform/clock/clock.h"

#include <ctime>

namespace pillora {

namespace {

Text twoDigits(int value) {
  return {static_cast<char16_t>(u'0' + value / 10), static_cast<char16_t>(u'0' + value % 10)};
}

// Minutes east of UTC: local time less universal time, the day's change counted.
int minutesFromUtc(const std::tm& local, const std::tm& utc) {
  int days = local.tm_yday - utc.tm_yday;
  if (local.tm_year != utc.tm_year) days = local.tm_year > utc.tm_year ? 1 : -1;
  return (days * 24 + local.tm_hour - utc.tm_hour) * 60 + local.tm_min - utc.tm_min;
}

Text offsetText(int minutes) {
  const char16_t sign = minutes < 0 ? u'-' : u'+';
  const int magnitude = minutes < 0 ? -minutes : minutes;
  return sign + twoDigits(magnitude / 60) + u":" + twoDigits(magnitude % 60);
}

}  // namespace

Text isoTimestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm utc{};
  localtime_r(&now, &local);
  gmtime_r(&now, &utc);
  const int year = local.tm_year + 1900;
  return twoDigits(year / 100) + twoDigits(year % 100) + u"-" + twoDigits(local.tm_mon + 1) + u"-" +
         twoDigits(local.tm_mday) + u"T" + twoDigits(local.tm_hour) + u":" +
         twoDigits(local.tm_min) + u":" + twoDigits(local.tm_sec) +
         offsetText(minutesFromUtc(local, utc));
}

Text timeOfDay() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return twoDigits(local.tm_hour) + u":" + twoDigits(local.tm_min) + u":" + twoDigits(local.tm_sec);
}

}  // namespace pillora
