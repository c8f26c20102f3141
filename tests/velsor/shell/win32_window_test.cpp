// The wizard's Win32 window on a real window system (Wine on a virtual X display): the
// page model shown at the screen's pixels per inch, clicked through its states.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/window/message_loop.h"
#include "tests/support/completing_action.h"
#include "tests/support/window_text.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/win32/form_window.h"
#include "velsor/shell/win32/page_window.h"

// After windows.h.
#include <commctrl.h>

namespace pillora::testing {
namespace {

// The message box's title and its texts, as "title|text".
std::wstring& seenBox() {
  static std::wstring seen;
  return seen;
}

// Answers the next message box once it is up, keeping its title and text: a timer of the
// thread, which the box's own message loop runs.
void answerNextMessageBox() {
  SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    seenBox() = messageBoxText(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
}

// How deep a window lies beneath its siblings (0: on top).
int depth(HWND window) {
  int beneath = 0;
  while ((window = GetWindow(window, GW_HWNDPREV)) != nullptr) ++beneath;
  return beneath;
}

class Win32Wizard : public ::testing::Test {
 protected:
  Win32Wizard() {
    form.setUserControl(u"QWK.utlUpdatorView");
    model().setActioner(action);
    window.bind(form);
    window.show();
  }

  utlUpdatorView& model() { return dynamic_cast<utlUpdatorView&>(*form.getUserControl()); }
  HWND child(TextView name) const { return page->child(name); }

  // Every control's window stands where the model puts it, at the screen's pixels per inch.
  void expectControlsWhereTheModelPutsThem() {
    for (const Control& control : model().controls()) {
      if (control.type == ControlType::Line) continue;
      RECT shown{};
      GetWindowRect(child(control.name), &shown);
      MapWindowPoints(nullptr, page->window(), reinterpret_cast<POINT*>(&shown), 2);
      const RECT wanted{scale.pixels(control.left), scale.pixels(control.top),
                        scale.pixels(control.left) + scale.pixels(control.width),
                        scale.pixels(control.top) + scale.pixels(control.height)};
      EXPECT_TRUE(EqualRect(&shown, &wanted) != 0)
          << toUtf8(control.name) << " at " << shown.left << "," << shown.top << " " << shown.right
          << "," << shown.bottom;
    }
  }

  DeviceScale scale = screenScale();
  FakeServices services;
  Win32OptionPanel window{scale};
  std::unique_ptr<Win32UpdatorPage> page;
  ControlFactory factory{{u"QWK.utlUpdatorView", [this] {
                            page = std::make_unique<Win32UpdatorPage>(window.window(), scale);
                            auto made = std::make_unique<utlUpdatorView>(*page, services);
                            page->bind(*made);
                            return made;
                          }}};
  frmOptionPanel form{factory, window};
  std::shared_ptr<CompletingAction> action = std::make_shared<CompletingAction>();
};

TEST_F(Win32Wizard, OpensAtTheDesignSizeAndFollowsTheWindowsSize) {
  RECT client{};
  GetClientRect(window.window(), &client);
  EXPECT_EQ(client.right, scale.pixels(10245));
  EXPECT_EQ(client.bottom, scale.pixels(6030));
  EXPECT_EQ(windowText(window.window()), L"更新精靈");
  EXPECT_EQ(windowText(child(u"lblTitle")), L"藥袋模組更新程式");
  EXPECT_EQ(windowText(child(u"txtCaption")), L"說明");
  EXPECT_FALSE(IsWindowVisible(child(u"ProgressBar1")));
  EXPECT_EQ(GetFocus(), child(u"btnOk"));
  expectControlsWhereTheModelPutsThem();
  // The white banner lies beneath what stands on it; TAB goes from OK to cancel.
  for (const TextView onBanner : {u"lblTitle", u"lblAppVersion", u"Image1"}) {
    EXPECT_LT(depth(child(onBanner)), depth(child(u"Label1"))) << toUtf8(onBanner);
  }
  EXPECT_LT(depth(child(u"btnOk")), depth(child(u"btn取消")));

  SetWindowPos(window.window(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(window.window(), &client);
  EXPECT_DOUBLE_EQ(model().width(), scale.twips(client.right));
  EXPECT_DOUBLE_EQ(model().height(), scale.twips(client.bottom));
  expectControlsWhereTheModelPutsThem();
}

TEST_F(Win32Wizard, OkRunsTheActionToCompletionAndTheEnd) {
  services.times = {u"10:00:00", u"10:00:05"};
  action->whileRunning = [this] {
    EXPECT_TRUE(IsWindowVisible(child(u"ProgressBar1")));
    EXPECT_EQ(SendMessageW(child(u"ProgressBar1"), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(windowText(child(u"Label3")), L"開始時間：10:00:00\r\n");
  };
  answerNextMessageBox();
  SendMessageW(child(u"btnOk"), BM_CLICK, 0, 0);
  EXPECT_EQ(seenBox(), L"訊息|更新作業完成，請點選「關閉」按鈕離開本精靈。");
  EXPECT_EQ(windowText(child(u"btn取消")), L"關閉");
  EXPECT_EQ(GetFocus(), child(u"btn取消"));
  EXPECT_FALSE(IsWindowEnabled(child(u"btnOk")));
  EXPECT_FALSE(IsWindowEnabled(child(u"txtCaption")));
  EXPECT_FALSE(IsWindowVisible(child(u"ProgressBar1")));
  EXPECT_EQ(windowText(child(u"Label3")), L"開始時間：10:00:00\r\n結束時間：10:00:05");
  EXPECT_EQ(services.ended, 1);
}

TEST_F(Win32Wizard, CancelWhileTheActionRunsClosesTheWindowAndLetsGoOfTheAction) {
  action->whileRunning = [this] {
    PostMessageW(child(u"btn取消"), BM_CLICK, 0, 0);
    model().letEventsThrough();
    EXPECT_FALSE(IsWindow(window.window()));
    answerNextMessageBox();
  };
  SendMessageW(child(u"btnOk"), BM_CLICK, 0, 0);
  // With the action let go of, no script is written and the window's end ends the program.
  EXPECT_TRUE(services.started.empty());
  EXPECT_EQ(services.ended, 0);
  // The window's end reaches the message loop, though the action let events through.
  const bool ended = false;
  EXPECT_EQ(runMessageLoop(ended), 0);
}

TEST_F(Win32Wizard, AFailureInAWindowsHandlerComesOutOfTheMessageLoop) {
  services.whenEnded = [] { throw std::runtime_error("no end"); };
  PostMessageW(child(u"btnOk"), BM_CLICK, 0, 0);
  answerNextMessageBox();
  const bool ended = false;
  EXPECT_THROW(runMessageLoop(ended), std::runtime_error);
}

}  // namespace
}  // namespace pillora::testing
