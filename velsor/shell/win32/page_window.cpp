#include "velsor/shell/win32/page_window.h"

#include <commctrl.h>

#include <algorithm>

#include "common/text/convert.h"
#include "common/text/errors.h"
#include "platform/files/wide_text.h"
#include "platform/files/windows_error.h"
#include "platform/window/message_loop.h"
#include "velsor/shell/win32/message_box.h"

namespace pillora {

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;

struct ChildClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ChildClass childClassOf(ControlType type) {
  switch (type) {
    case ControlType::Image:
      return {L"STATIC", SS_ICON, 0};
    case ControlType::TextBox:
      return {L"EDIT", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
    case ControlType::ProgressBar:
      return {PROGRESS_CLASSW, 0, 0};
    case ControlType::CommandButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    default:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
  }
}

COLORREF colourRef(const Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

COLORREF backColour(const Control& control) {
  if (control.backColor) return colourRef(*control.backColor);
  const bool window = control.type == ControlType::TextBox && !control.buttonFaceBack;
  return GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE);
}

// Registers the common-controls progress bar's class; asking again does no harm.
void loadProgressBarClass() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

}  // namespace

Win32UpdatorPage::Win32UpdatorPage(HWND parent, DeviceScale scale)
    : m_scale(scale),
      m_window(createHandledWindow({L"VelsorUpdatorPage", L"ComponentName",
                                    WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent},
                                   *this)) {
  loadProgressBarClass();
}

Win32UpdatorPage::~Win32UpdatorPage() {
  releaseHandledWindow(m_window);
}

void Win32UpdatorPage::bind(utlUpdatorView& model) {
  m_model = &model;
  for (const Control& control : model.controls()) {
    if (control.type != ControlType::Line)
      m_children.emplace_back(control.name, makeChild(control));
  }
  stack();
  pageChanged();
}

void Win32UpdatorPage::stack() {
  // Labels and the image stand on the page's surface, beneath the windowed controls; among
  // them a later one stands on an earlier one (the title on the white banner). The windowed
  // controls keep their order, which is also the order TAB goes through them.
  std::vector<std::pair<bool, HWND>> order;
  for (const auto& [name, shown] : m_children) {
    const ControlType type = m_model->control(name).type;
    order.emplace_back(type == ControlType::Label || type == ControlType::Image, shown);
  }
  std::stable_partition(order.begin(), order.end(), [](const auto& each) { return !each.first; });
  const auto surface =
      std::find_if(order.begin(), order.end(), [](const auto& each) { return each.first; });
  std::reverse(surface, order.end());
  for (const auto& [onSurface, shown] : order) {
    SetWindowPos(shown, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

HWND Win32UpdatorPage::makeChild(const Control& control) {
  const ChildClass kind = childClassOf(control.type);
  HWND made = CreateWindowExW(kind.exStyle, kind.className, L"", kChildStyle | kind.style, 0, 0, 0,
                              0, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (made == nullptr) {
    throw AppError("cannot make the window of " + toUtf8(control.name) + ": " + windowsError());
  }
  if (control.type == ControlType::Image) {
    SendMessageW(made, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_APPLICATION)),
                 0);
  } else if (control.type == ControlType::ProgressBar) {
    SendMessageW(made, PBM_SETRANGE32, 0, 100);
  }
  return made;
}

HWND Win32UpdatorPage::child(TextView controlName) const {
  const auto found =
      std::find_if(m_children.begin(), m_children.end(),
                   [controlName](const auto& each) { return each.first == controlName; });
  return found == m_children.end() ? nullptr : found->second;
}

void Win32UpdatorPage::pageChanged() {
  SetWindowPos(m_window, nullptr, 0, 0, m_scale.pixels(m_model->width()),
               m_scale.pixels(m_model->height()), SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(m_window, m_model->visible() ? SW_SHOWNA : SW_HIDE);
  for (const Control& control : m_model->controls()) {
    if (HWND shown = child(control.name)) show(control, shown);
  }
  HWND focus = GetFocus();
  HWND root = GetAncestor(m_window, GA_ROOT);
  if (focus != nullptr && (focus == root || IsChild(root, focus) != 0)) moveFocus();
}

void Win32UpdatorPage::show(const Control& control, HWND shown) {
  SetWindowPos(shown, nullptr, m_scale.pixels(control.left), m_scale.pixels(control.top),
               m_scale.pixels(control.width), m_scale.pixels(control.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
  HFONT wanted = font(control.font);
  if (carriedBy<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)) != wanted) {
    SendMessageW(shown, WM_SETFONT, reinterpret_cast<WPARAM>(wanted), TRUE);
  }
  showText(control, shown);
  EnableWindow(shown, control.enabled ? TRUE : FALSE);
  ShowWindow(shown, control.visible ? SW_SHOWNA : SW_HIDE);
}

void Win32UpdatorPage::showText(const Control& control, HWND shown) {
  if (control.type == ControlType::ProgressBar) {
    SendMessageW(shown, PBM_SETPOS, static_cast<WPARAM>(m_model->progressValue()), 0);
    return;
  }
  if (control.type == ControlType::Image) return;
  Text& current = m_shownText[shown];
  if (current == control.caption) return;
  current = control.caption;
  SetWindowTextW(shown, wideOf(current).c_str());
}

void Win32UpdatorPage::moveFocus() {
  HWND wanted = child(m_model->focusedControl());
  if (wanted != nullptr && GetFocus() != wanted) SetFocus(wanted);
}

void Win32UpdatorPage::progressShown(int /*value*/) {
  // The page reports the change right after; pageChanged shows it.
}

void Win32UpdatorPage::messageShown(const Text& /*text*/) {
  // As progressShown.
}

void Win32UpdatorPage::letEventsThrough() {
  handlePendingMessages();
}

void Win32UpdatorPage::showMessageBox(const MessageBox& box) {
  showWin32MessageBox(GetAncestor(m_window, GA_ROOT), box);
}

LRESULT Win32UpdatorPage::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_model == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) clicked(carriedBy<HWND>(lParam));
      if (HIWORD(wParam) == EN_SETFOCUS) m_model->txtCaption_GotFocus();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return colours(carriedBy<HDC>(wParam), carriedBy<HWND>(lParam));
    case WM_PAINT:
      paintLines();
      return 0;
    case WM_SETFOCUS:
      moveFocus();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void Win32UpdatorPage::clicked(HWND button) {
  if (button == child(u"btnOk")) {
    m_model->btnOk_Click();
  } else if (button == child(u"btn取消")) {
    m_model->btn取消_Click();
  }
}

LRESULT Win32UpdatorPage::colours(HDC context, HWND shown) {
  const auto found = std::find_if(m_children.begin(), m_children.end(),
                                  [shown](const auto& each) { return each.second == shown; });
  if (found == m_children.end()) return 0;
  const Control& control = m_model->control(found->first);
  SetTextColor(context,
               control.foreColor ? colourRef(*control.foreColor) : GetSysColor(COLOR_WINDOWTEXT));
  const COLORREF back = backColour(control);
  SetBkColor(context, back);
  return reinterpret_cast<LRESULT>(brush(back));
}

void Win32UpdatorPage::paintLines() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(m_window, &paint);
  for (const Control& control : m_model->controls()) {
    if (control.type != ControlType::Line || !control.visible) continue;
    const GdiObject pen(
        CreatePen(PS_SOLID, 1, colourRef(control.foreColor.value_or(Rgb{0, 0, 0}))));
    const Selection selected(context, pen.get());
    MoveToEx(context, m_scale.pixels(control.x1), m_scale.pixels(control.y1), nullptr);
    LineTo(context, m_scale.pixels(control.x2), m_scale.pixels(control.y2));
  }
  EndPaint(m_window, &paint);
}

HFONT Win32UpdatorPage::font(const ControlFont& wanted) {
  GdiObject& made = m_fonts[{wanted.name, wanted.size, wanted.bold}];
  if (!made) {
    LOGFONTW logical = logicalFont(wanted.name, m_scale.fontHeight(wanted.size), wanted.bold);
    logical.lfCharSet = CHINESEBIG5_CHARSET;
    made.reset(CreateFontIndirectW(&logical));
  }
  return static_cast<HFONT>(made.get());
}

HBRUSH Win32UpdatorPage::brush(COLORREF colour) {
  GdiObject& made = m_brushes[colour];
  if (!made) made.reset(CreateSolidBrush(colour));
  return static_cast<HBRUSH>(made.get());
}

}  // namespace pillora
