// The wizard's window on Qt's offscreen platform: the page model shown at 15 twips per
// pixel, clicked through its states.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cmath>
#include <memory>

#include "platform/print/fonts_conf.h"
#include "tests/support/completing_action.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/option_panel_window.h"
#include "velsor/shell/updator_page_widget.h"

namespace pillora::testing {
namespace {

// Answers the next message box once it is up, keeping its title and text.
void answerNextMessageBox(QString& seen) {
  QTimer::singleShot(10, [&seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen = box->windowTitle() + "|" + box->text();
      box->accept();
    } else {
      answerNextMessageBox(seen);
    }
  });
}

class WizardWindow : public ::testing::Test {
 protected:
  static std::unique_ptr<QApplication> makeApplication() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a display the caller chose stays
    makeProjectFontsCurrent("VELSOR_HOME", "velsor_shell_ui_tests");
    static std::array<char*, 2> argv{const_cast<char*>("velsor_shell_ui_tests"), nullptr};
    static int argc = 1;
    return std::make_unique<QApplication>(argc, argv.data());
  }

  WizardWindow() {
    form.setUserControl(u"QWK.utlUpdatorView");
    model().setActioner(action);
    window.bind(form);
    window.show();
  }

  utlUpdatorView& model() { return dynamic_cast<utlUpdatorView&>(*form.getUserControl()); }
  template <typename Widget>
  Widget* shown(TextView name) {
    return qobject_cast<Widget*>(page->widget(name));
  }

  // Made first and gone last: every widget lives inside it.
  std::unique_ptr<QApplication> app = makeApplication();
  FakeServices services;
  OptionPanelWindow window;
  UpdatorPageWidget* page = nullptr;
  ControlFactory factory{{u"QWK.utlUpdatorView", [this] {
                            page = new UpdatorPageWidget(&window);
                            auto made = std::make_unique<utlUpdatorView>(*page, services);
                            page->bind(*made);
                            return made;
                          }}};
  frmOptionPanel form{factory, window};
  std::shared_ptr<CompletingAction> action = std::make_shared<CompletingAction>();
};

TEST_F(WizardWindow, ShowsThePageAtFifteenTwipsPerPixel) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("更新精靈"));
  EXPECT_EQ(page->geometry(), QRect(0, 0, 683, 402));
  auto* ok = shown<QPushButton>(u"btnOk");
  EXPECT_EQ(ok->text(), QStringLiteral("確定"));
  const double fw = 10245.0 / 6960.0;
  const double fh = 6030.0 / 4755.0;
  EXPECT_EQ(ok->geometry(), QRect(static_cast<int>(std::lround(4200 * fw / 15)),
                                  static_cast<int>(std::lround(4200 * fh / 15)),
                                  static_cast<int>(std::lround(1215 * fw / 15)),
                                  static_cast<int>(std::lround(375 * fh / 15))));
  auto* title = shown<QLabel>(u"lblTitle");
  EXPECT_EQ(title->text(), QStringLiteral("藥袋模組更新程式"));
  EXPECT_TRUE(title->font().bold());
  EXPECT_EQ(QFontInfo(title->font()).family(), QStringLiteral("Noto Sans CJK TC"));
  EXPECT_EQ(shown<QPlainTextEdit>(u"txtCaption")->toPlainText(), QStringLiteral("說明"));
  EXPECT_FALSE(shown<QProgressBar>(u"ProgressBar1")->isVisible());
  // The window's size is the page's.
  window.resize(800, 500);
  EXPECT_EQ(page->geometry(), QRect(0, 0, 800, 500));
  EXPECT_DOUBLE_EQ(model().width(), 800 * 15);
}

TEST_F(WizardWindow, OkRunsTheActionToCompletionAndTheEnd) {
  action->whileRunning = [this] {
    EXPECT_TRUE(shown<QProgressBar>(u"ProgressBar1")->isVisible());
    EXPECT_EQ(shown<QProgressBar>(u"ProgressBar1")->value(), 50);
  };
  QString box;
  answerNextMessageBox(box);
  shown<QPushButton>(u"btnOk")->click();
  EXPECT_EQ(box, QStringLiteral("訊息|更新作業完成，請點選「關閉」按鈕離開本精靈。"));
  EXPECT_EQ(shown<QPushButton>(u"btn取消")->text(), QStringLiteral("關閉"));
  EXPECT_FALSE(shown<QPushButton>(u"btnOk")->isEnabled());
  EXPECT_FALSE(shown<QProgressBar>(u"ProgressBar1")->isVisible());
  EXPECT_EQ(shown<QLabel>(u"Label3")->text(),
            QStringLiteral("開始時間：00:00:00\r\n結束時間：00:00:00"));
  EXPECT_EQ(services.ended, 1);
}

TEST_F(WizardWindow, CancelClosesTheWindow) {
  ASSERT_TRUE(window.isVisible());
  shown<QPushButton>(u"btn取消")->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(services.started.empty());
}

}  // namespace
}  // namespace pillora::testing
