#include "velsor/shell/silent_view.h"


#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pillora {
namespace {

// What the page is told, in order: a progress value, or a message (a box when boxed).
struct Shown {
  int progress = -1;
  Text text;
  bool boxed = false;
};

Shown progress(int value) {
  return {value, {}, false};
}
Shown message(const char16_t* text) {
  return {-1, text, false};
}
Shown box(const char16_t* text) {
  return {-1, text, true};
}

struct Case {
  const char* what;
  std::vector<Shown> shown;
  const char* lines;
};

TEST(SilentPage, WritesEveryMessageAndBoxAndEachProgressValueOnceUntilItChanges) {
  const std::vector<Case> cases{
      {"repeated values between messages",
       {progress(0), message(u"第1筆"), progress(0), message(u"第2筆"), progress(1), progress(1),
        progress(0), progress(100), box(u"完成")},
       "progress\t0\nmessage\t第1筆\nmessage\t第2筆\nprogress\t1\nprogress\t0\nprogress\t100\n"
       "msgbox\t\t完成\n"},
      {"identical messages all kept",
       {message(u"a\tb\\"), message(u"a\tb\\"), progress(5)},
       "message\ta\\tb\\\\\nmessage\ta\\tb\\\\\nprogress\t5\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    SilentPage page(out);
    for (const Shown& s : c.shown) {
      if (s.boxed) {
        page.showMessageBox({s.text, u"", MessageBox::Icon::Information});
      } else if (s.progress >= 0) {
        page.progressShown(s.progress);
      } else {
        page.messageShown(s.text);
      }
    }
    EXPECT_EQ(out.str(), c.lines) << c.what;
  }
}

}  // namespace
}  // namespace pillora
