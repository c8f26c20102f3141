#include "platform/clock/clock.h"

#include <ctime>

namespace pillora {

namespace {

Text twoDigits(int value) {
  return {static_cast<char16_t>(u'0' + value / 10), static_cast<char16_t>(u'0' + value % 10)};
}

}  // namespace

Text timeOfDay() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return twoDigits(local.tm_hour) + u":" + twoDigits(local.tm_min) + u":" + twoDigits(local.tm_sec);
}

}  // namespace pillora
