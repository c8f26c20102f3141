#pragma once
// What the wizard page and its host form ask of the world around them: a view that shows
// them (a window, or the lines of silent mode), and the program's own services.
#include <vector>

#include "common/text/text.h"
#include "velsor/shell/destroy_script.h"

namespace pillora {

struct MessageBox {
  enum class Icon { Critical, Information };
  Text text;
  Text title;
  Icon icon;
};

// Modal message boxes with an OK button; showMessageBox returns when the box is answered.
class MessageBoxes {
 public:
  MessageBoxes() = default;
  MessageBoxes(const MessageBoxes&) = delete;
  MessageBoxes& operator=(const MessageBoxes&) = delete;
  virtual ~MessageBoxes() = default;

  virtual void showMessageBox(const MessageBox& box) = 0;
};

// Shows the page. Every change of the page's look ends in pageChanged; the progress value
// and the text area's text are also told one by one as the action sets them.
class PageView : public MessageBoxes {
 public:
  virtual void pageChanged() = 0;
  virtual void progressShown(int value) = 0;
  virtual void messageShown(const Text& text) = 0;
  // Lets pending window events be handled once (repaints, clicks).
  virtual void letEventsThrough() = 0;
};

// Shows the host form.
class FormView {
 public:
  FormView() = default;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;
  virtual ~FormView() = default;

  virtual void captionChanged(const Text& caption) = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  // The form is unloaded: its window closes, and with it the program.
  virtual void unload() = 0;
};

// The program's services the page uses after an action.
class ProgramServices {
 public:
  ProgramServices() = default;
  ProgramServices(const ProgramServices&) = delete;
  ProgramServices& operator=(const ProgramServices&) = delete;
  virtual ~ProgramServices() = default;

  // Local time, "hh:mm:ss".
  virtual Text timeOfDay() = 0;
  virtual Text programFolder() = 0;
  // The self-deleting script of this system; writes it (FileError when it cannot) and
  // starts it, not waiting.
  virtual const ScriptForm& scriptForm() = 0;
  virtual void writeScript(const Text& path, const std::vector<Text>& lines) = 0;
  virtual void startScript(const Text& path) = 0;
  // Ends the program at once: no further events of the page run.
  virtual void endProgram() = 0;
};

}  // namespace pillora
