#pragma once
// Reads a recorded print log back as pages of placed texts, with positions turned back
// into the layout centimetres that printTextAt was given.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/recording_printer.h"

namespace pillora::testing {

struct PlacedText {
  double x;  // layout centimetres (printTextAt: x + 3.3 + offset)
  double y;  // layout centimetres (printTextAt: y - 0.3 + offset)
  std::string font;
  double size;
  bool bold;
  std::string text;
};

struct LoggedPage {
  std::vector<PlacedText> texts;
  std::vector<std::string> lines;  // the "line" entries as logged
};

inline PlacedText parseText(const std::string& entry, double offX, double offY) {
  std::istringstream in(entry);
  std::string kind, x, y, size, bold;
  PlacedText placed{};
  std::getline(in, kind, '\t');
  std::getline(in, x, '\t');
  std::getline(in, y, '\t');
  std::getline(in, placed.font, '\t');
  std::getline(in, size, '\t');
  std::getline(in, bold, '\t');
  std::getline(in, placed.text);
  placed.x = std::stod(x) / 567.0 - 3.3 - offX;
  placed.y = std::stod(y) / 567.0 + 0.3 - offY;
  placed.size = std::stod(size);
  placed.bold = bold == "1";
  return placed;
}

// Pages as ended by "newpage" (a trailing unfinished page is kept when it holds anything).
inline std::vector<LoggedPage> loggedPages(const RecordingPrinter& printer, double offX = 0.0,
                                           double offY = 0.0) {
  std::vector<LoggedPage> pages(1);
  for (const std::string& entry : printer.lines()) {
    if (entry == "newpage") {
      pages.emplace_back();
    } else if (entry.rfind("text\t", 0) == 0) {
      pages.back().texts.push_back(parseText(entry, offX, offY));
    } else if (entry.rfind("line\t", 0) == 0) {
      pages.back().lines.push_back(entry);
    }
  }
  const LoggedPage& last = pages.back();
  if (last.texts.empty() && last.lines.empty()) pages.pop_back();
  return pages;
}

inline bool near(double a, double b) {
  return std::fabs(a - b) < 0.005;
}

// The texts drawn at one layout position.
inline std::vector<std::string> textsAt(const LoggedPage& page, double x, double y) {
  std::vector<std::string> found;
  for (const PlacedText& t : page.texts) {
    if (near(t.x, x) && near(t.y, y)) found.push_back(t.text);
  }
  return found;
}

// The one text drawn with exactly this content; nullptr when there is none or several.
inline const PlacedText* findText(const LoggedPage& page, const std::string& text) {
  const PlacedText* found = nullptr;
  for (const PlacedText& t : page.texts) {
    if (t.text != text) continue;
    if (found != nullptr) return nullptr;
    found = &t;
  }
  return found;
}

// True when the text is drawn once, at this size and layout position.
inline bool drawnAt(const LoggedPage& page, const std::string& text, double size, double x,
                    double y) {
  const PlacedText* t = findText(page, text);
  return t != nullptr && near(t->size, size) && near(t->x, x) && near(t->y, y);
}

// The time-of-day columns (0..5) of the bold marks on the page, in drawing order.
inline std::vector<int> markColumns(const LoggedPage& page) {
  static constexpr double kColumns[] = {6.4, 8.8, 11.5, 14.3, 17.0, 19.6};
  std::vector<int> found;
  for (const PlacedText& t : page.texts) {
    if (!t.bold || t.text != "V") continue;
    for (int k = 0; k < 6; ++k) {
      // printTimeMark puts the mark at X(k) - 3.2, 19.0 (no 3.3 / 0.3 shift of printTextAt)
      if (near(t.x, kColumns[k] - 6.5) && near(t.y, 19.3)) found.push_back(k);
    }
  }
  return found;
}

inline bool drawsText(const LoggedPage& page, const std::string& text) {
  for (const PlacedText& t : page.texts) {
    if (t.text == text) return true;
  }
  return false;
}

}  // namespace pillora::testing
