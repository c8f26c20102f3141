#include "velsor/shell/system_services.h"

#include "platform/clock/clock.h"
#include "platform/files/files.h"

namespace pillora {

Text SystemServices::timeOfDay() {
  return pillora::timeOfDay();
}

Text SystemServices::programFolder() {
  return fromUtf8(pillora::programFolder("VELSOR_HOME"));
}

}  // namespace pillora
