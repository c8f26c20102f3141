#include "platform/print/gdi_document.h"

#include <algorithm>

#include "common/log/run_record.h"
#include "common/print/device_scale.h"
#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/print/gdi_objects.h"

namespace pillora {

namespace {

// A size the font machinery can draw: from one point up to beyond any sheet.
constexpr double kSmallestFontPoints = 1.0;
constexpr double kLargestFontPoints = 1000.0;

[[noreturn]] void refused(const char* call, const std::wstring& printer,
                          DWORD error = GetLastError()) {
  throw PrinterError(std::string(call) + " failed on the printer " + toUtf8(textOf(printer)) +
                     " (" + windowsError(error) + ")");
}

// The pen's font: face name, size in points on this device, weight.
LOGFONTW fontOf(const Pen& pen, HDC dc) {
  const double points =
      std::clamp(static_cast<double>(pen.fontSize), kSmallestFontPoints, kLargestFontPoints);
  return logicalFont(pen.fontName, DeviceScale{GetDeviceCaps(dc, LOGPIXELSY)}.fontHeight(points),
                     pen.bold);
}

}  // namespace

GdiDocument::~GdiDocument() {
  if (m_dc != nullptr) {
    AbortDoc(m_dc);
    closeDc();
  }
}

int GdiDocument::deviceX(float twips) const {
  return DeviceScale{GetDeviceCaps(m_dc, LOGPIXELSX)}.pixels(twips);
}

int GdiDocument::deviceY(float twips) const {
  return DeviceScale{GetDeviceCaps(m_dc, LOGPIXELSY)}.pixels(twips);
}

void GdiDocument::text(const Pen& pen, const Text& text) {
  m_pages.draw();
  const LOGFONTW logical = fontOf(pen, m_dc);
  const GdiObject font(CreateFontIndirectW(&logical));
  if (!font) refused("CreateFontIndirectW", m_printerName);
  BOOL drawn = FALSE;
  {
    const Selection selected(m_dc, font.get());
    SetBkMode(m_dc, TRANSPARENT);
    SetTextAlign(m_dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const std::wstring wide = wideOf(text);
    drawn =
        TextOutW(m_dc, deviceX(pen.x), deviceY(pen.y), wide.c_str(), static_cast<int>(wide.size()));
  }
  if (drawn == 0) refused("TextOutW", m_printerName);
}

void GdiDocument::line(float x1, float y1, float x2, float y2) {
  m_pages.draw();
  if (MoveToEx(m_dc, deviceX(x1), deviceY(y1), nullptr) == 0 ||
      LineTo(m_dc, deviceX(x2), deviceY(y2)) == 0) {
    refused("LineTo", m_printerName);
  }
}

void GdiDocument::dropDoc() {
  m_pages.drop();
  if (m_dc != nullptr) {
    AbortDoc(m_dc);
    closeDc();
  }
}

void GdiDocument::beginPage() {
  if (m_dc == nullptr) {
    if (m_printerName.empty()) {
      throw PrinterError("no printer to print on: none was chosen and Windows has no default");
    }
    m_dc = CreateDCW(L"WINSPOOL", m_printerName.c_str(), nullptr, nullptr);
    if (m_dc == nullptr) refused("CreateDCW", m_printerName);
    const std::wstring title = m_title();
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    const int job = StartDocW(m_dc, &document);
    if (job <= 0) {
      const DWORD error = GetLastError();
      closeDc();
      refused("StartDocW", m_printerName, error);
    }
    currentRun().add("spooler-job", textOf(m_printerName) + u"-" + fromUtf8(std::to_string(job)));
  }
  if (StartPage(m_dc) <= 0) abandon("StartPage");
}

void GdiDocument::endPage() {
  if (EndPage(m_dc) <= 0) abandon("EndPage");
}

void GdiDocument::endDocument() {
  endPage();
  const int ended = EndDoc(m_dc);
  const DWORD error = GetLastError();
  closeDc();
  if (ended <= 0) refused("EndDoc", m_printerName, error);
}

void GdiDocument::abandon(const char* call) {
  const DWORD error = GetLastError();
  AbortDoc(m_dc);
  closeDc();
  refused(call, m_printerName, error);
}

void GdiDocument::closeDc() {
  DeleteDC(m_dc);
  m_dc = nullptr;
}

}  // namespace pillora
