#pragma once
// The controls of the wizard page with their design geometry in twips, and the
// proportional layout rule the page applies to them on every resize.
#include <cstdint>
#include <optional>
#include <vector>

#include "common/text/text.h"

namespace pillora {

// The kinds of control the layout rules tell apart ("Label", "TextBox", "Line", ...).
enum class ControlType { Label, Image, TextBox, ProgressBar, Line, CommandButton };

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ControlFont {
  Text name{};
  double size = 0;
  bool bold = false;
};

struct Control {
  Text name;
  ControlType type;
  // Twips from the page's top-left corner; a line uses x1, y1, x2, y2 instead.
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  Text caption{};
  ControlFont font{};
  std::optional<Rgb> foreColor{};  // none: the system's colour for the kind of control
  std::optional<Rgb> backColor{};
  bool buttonFaceBack = false;  // the system's button-face colour behind the control
  bool visible = true;
  bool enabled = true;
};

// The page's design size in twips.
inline constexpr double kDesignWidth = 6960;
inline constexpr double kDesignHeight = 4755;

// The controls as designed, in the order the layout pass goes through them.
std::vector<Control> designControls();

// Multiplies a control's geometry by the change since the last layout pass, by the rule of
// its type; a control whose name begins with "FIX_" stays as it is.
void scaleControl(Control& control, double fw, double fh);

}  // namespace pillora
