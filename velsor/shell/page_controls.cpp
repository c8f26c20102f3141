#include "velsor/shell/page_controls.h"

namespace pillora {

namespace {

constexpr double kTextSize = 9.75;
constexpr double kTextBoxResizedSize = 11;

const Text kPageFont = u"微軟正黑體";
constexpr Rgb kWhite{255, 255, 255};

Control boxed(Text name, ControlType type, double left, double top, double width, double height) {
  Control control{.name = std::move(name), .type = type, .font = {kPageFont, kTextSize, false}};
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  return control;
}

Control line(Text name, double x1, double y, double x2, Rgb colour) {
  Control control{.name = std::move(name), .type = ControlType::Line, .foreColor = colour};
  control.x1 = x1;
  control.y1 = y;
  control.x2 = x2;
  control.y2 = y;
  return control;
}

}  // namespace

std::vector<Control> designControls() {
  using enum ControlType;
  Control banner = boxed(u"Label1", Label, 0, 0, 6975, 855);
  banner.backColor = kWhite;
  Control title = boxed(u"lblTitle", Label, 240, 240, 4215, 465);
  title.caption = u"Rimora 2.0 更新精靈";
  title.font = {kPageFont, 18, true};
  title.foreColor = Rgb{0, 0, 255};
  title.backColor = kWhite;
  Control version = boxed(u"lblAppVersion", Label, 4140, 600, 1515, 255);
  version.caption = u"介面序號 1.0.003";
  version.foreColor = Rgb{0, 0, 128};
  version.backColor = kWhite;  // it stands on the white banner
  Control text = boxed(u"txtCaption", TextBox, 240, 1080, 6495, 1935);
  text.buttonFaceBack = true;
  Control progress = boxed(u"ProgressBar1", ProgressBar, 240, 3480, 6495, 375);
  progress.visible = false;  // shown when an action starts
  Control ok = boxed(u"btnOk", CommandButton, 4200, 4200, 1215, 375);
  ok.caption = u"確定";
  Control cancel = boxed(u"btn取消", CommandButton, 5520, 4200, 1215, 375);
  cancel.caption = u"取消";
  return {banner,
          title,
          version,
          boxed(u"Image1", Image, 6120, 120, 480, 480),
          text,
          progress,
          line(u"Line2", 120, 3945, 6840, Rgb{64, 64, 64}),
          line(u"Line1", 120, 3960, 6840, kWhite),
          boxed(u"Label3", Label, 240, 4080, 2895, 375),
          ok,
          cancel};
}

void scaleControl(Control& control, double fw, double fh) {
  if (startsWith(control.name, u"FIX_")) return;
  switch (control.type) {
    case ControlType::Line:
      control.x2 *= fw;  // X1 stays where it is
      control.y1 *= fh;
      control.y2 *= fh;
      return;
    case ControlType::TextBox:
      control.width *= fw;  // the height stays
      control.left *= fw;
      control.top *= fh;
      control.font.size = kTextBoxResizedSize;
      return;
    default:
      control.width *= fw;
      control.height *= fh;
      control.left *= fw;
      control.top *= fh;
  }
}

}  // namespace pillora
