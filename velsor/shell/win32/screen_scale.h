#pragma once
// The screen's scale for the wizard's design in twips.
#include "common/print/device_scale.h"
#include "platform/window/windows_api.h"

namespace pillora {

// At the screen's horizontal pixels per inch (96 when the screen does not say).
inline DeviceScale screenScale() {
  HDC screen = GetDC(nullptr);
  const int perInch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return {perInch > 0 ? perInch : DeviceScale{}.pixelsPerInch};
}

}  // namespace pillora
