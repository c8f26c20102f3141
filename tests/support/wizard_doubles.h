#pragma once
// Test doubles around the wizard page: a view that records what the page shows, the
// program's services with a fixed clock and recorded script, a form that records its fate.
#include <functional>
#include <string>
#include <vector>

#include "common/text/convert.h"
#include "common/text/log_field.h"
#include "velsor/shell/page_ports.h"

namespace pillora::testing {

// Records, in the silent-mode line format, what the page shows one by one.
class RecordingPage : public PageView {
 public:
  void pageChanged() override { ++changes; }
  void progressShown(int value) override { lines.push_back("progress\t" + decimal(value)); }
  void messageShown(const Text& text) override {
    lines.push_back("message\t" + escapeLogField(text));
  }
  void letEventsThrough() override {
    ++eventsLetThrough;
    if (duringEvents) duringEvents();
  }
  void showMessageBox(const MessageBox& box) override {
    lines.push_back("msgbox\t" + escapeLogField(box.title) + "\t" + escapeLogField(box.text));
    boxes.push_back(box);
  }

  std::vector<std::string> lines;
  std::vector<MessageBox> boxes;
  int changes = 0;
  int eventsLetThrough = 0;
  std::function<void()> duringEvents;  // what the user does while events are let through
};

class FakeServices : public ProgramServices {
 public:
  Text timeOfDay() override { return times.empty() ? u"00:00:00" : next(); }
  Text programFolder() override { return folder; }
  const ScriptForm& scriptForm() override { return *form; }
  void writeScript(const Text& path, const std::vector<Text>& lines) override {
    scriptPath = path;
    scriptLines = lines;
  }
  void startScript(const Text& path) override { started.push_back(path); }
  void endProgram() override {
    ++ended;
    if (whenEnded) whenEnded();
  }

  std::vector<Text> times;
  const ScriptForm* form = &kShellScript;
  Text folder = u"/opt/velsor";
  Text scriptPath;
  std::vector<Text> scriptLines;
  std::vector<Text> started;
  int ended = 0;
  std::function<void()> whenEnded;

 private:
  Text next() {
    Text time = times.front();
    times.erase(times.begin());
    return time;
  }
};

class RecordingForm : public FormView {
 public:
  void captionChanged(const Text& caption) override { captions.push_back(caption); }
  void show() override { ++shown; }
  void hide() override { ++hidden; }
  void unload() override { ++unloaded; }

  std::vector<Text> captions;
  int shown = 0;
  int hidden = 0;
  int unloaded = 0;
};

}  // namespace pillora::testing
