#pragma once
// What every bag layout draws with: the two text-placement primitives, the time-of-day
// mark, the page setup read from "layout.config" and the settings context of one print
// engine. Layout positions are centimetres, turned into twips at 567 per centimetre.
#include <optional>
#include <string>

#include "common/print/printer_surface.h"
#include "pillora/config/config.h"
#include "pillora/records/run_state.h"

namespace pillora {

inline constexpr double kTwipsPerCm = 567.0;

// Bold for the texts printed while it lives; the weight in force before comes back when it
// goes, also when one of those texts fails, so that nothing after it prints bold by mistake.
class BoldPen {
 public:
  explicit BoldPen(PrinterSurface& surface) : m_surface(surface), m_before(surface.pen().bold) {
    m_surface.setFontBold(true);
  }
  ~BoldPen() { m_surface.setFontBold(m_before); }
  BoldPen(const BoldPen&) = delete;
  BoldPen& operator=(const BoldPen&) = delete;

 private:
  PrinterSurface& m_surface;
  bool m_before;
};

class LayoutPrinter {
 public:
  LayoutPrinter(PrinterSurface& surface, RunState& run) : m_surface(surface), m_run(run) {}

  PrinterSurface& surface() { return m_surface; }
  RunState& run() { return m_run; }
  // The settings context, made on first use.
  CContext& getContext() { return m_context; }

  // Reads "layout.config" once per engine: offsets and the paged-list switch.
  void loadLayoutConfig();
  static float getBaseFontSize() { return 14.0F; }
  double offsetX() const { return m_offsetX; }
  double offsetY() const { return m_offsetY; }
  double layoutExtra() const { return m_layoutExtra; }
  bool pagedLayout() const { return m_pagedLayout; }
  // The "layout.config" the page setup was read from; nothing when there was none.
  const std::optional<std::string>& layoutFile() const { return m_layoutFile; }

  // Configured font, size, pen at (x + 3.3 + offX, y - 0.3 + offY) cm, then the text.
  void printTextAt(float size, float x, float y, const Text& text);
  // Size only (the font name stays), pen at (x - 2.5, y - 0.5) cm, then the text.
  void printTextFixed(float size, float x, float y, const Text& text);
  // One bold "V" in the time-of-day column k (0..5) of the page's mark row.
  void printTimeMark(int k, bool shift);

 private:
  void placeAndPrint(double xCm, double yCm, const Text& text);

  PrinterSurface& m_surface;
  RunState& m_run;
  CContext m_context;
  double m_offsetX = 0.0;
  double m_offsetY = 0.0;
  double m_layoutExtra = 0.0;
  bool m_layoutLoaded = false;
  bool m_pagedLayout = false;
  std::optional<std::string> m_layoutFile;
};

}  // namespace pillora
