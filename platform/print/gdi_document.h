#pragma once
// One Windows printer drawn on through GDI: a printer device context per document, pages
// as page_sequence.h begins and ends them.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/print/page_sequence.h"
#include "platform/print/page_sink.h"

namespace pillora {

class GdiDocument : public PageSink, private PageSequence::Pages {
 public:
  // The name of the document about to begin.
  using Title = std::function<std::wstring()>;
  GdiDocument(std::wstring printerName, Title title)
      : m_printerName(std::move(printerName)), m_title(std::move(title)) {}
  GdiDocument(const GdiDocument&) = delete;
  GdiDocument& operator=(const GdiDocument&) = delete;
  // A document still open is aborted: only ended documents are printed.
  ~GdiDocument() override;

  // PrinterError when the printer cannot be reached or refuses a call.
  void text(const Pen& pen, const Text& text) override;
  void line(float x1, float y1, float x2, float y2) override;
  void newPage() override { m_pages.newPage(); }
  void endDoc() override { m_pages.endDoc(); }
  void dropDoc() override;

 private:
  void beginPage() override;
  void endPage() override;
  void endDocument() override;
  // Twips to device units on the current device.
  int deviceX(float twips) const;
  int deviceY(float twips) const;
  // The document is given up after a failed call: PrinterError naming the call.
  [[noreturn]] void abandon(const char* call);
  void closeDc();

  std::wstring m_printerName;
  Title m_title;
  HDC m_dc = nullptr;  // none while no document is open
  PageSequence m_pages{*this};
};

}  // namespace pillora
