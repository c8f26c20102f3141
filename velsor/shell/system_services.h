#pragma once
// The program's services on this computer: its clock, its folder (VELSOR_HOME names
// another), the self-deleting script started by full path: "destroy.bat" on Windows,
// "destroy.sh" run by /bin/sh on Linux.
#include <functional>

#include "velsor/shell/page_ports.h"

namespace pillora {

class SystemServices : public ProgramServices {
 public:
  // endProgram: how this run of the program ends at once (the window toolkit's or silent).
  explicit SystemServices(std::function<void()> endProgram) : m_endProgram(std::move(endProgram)) {}

  Text timeOfDay() override;
  Text programFolder() override;
  const ScriptForm& scriptForm() override;
  void writeScript(const Text& path, const std::vector<Text>& lines) override;
  void startScript(const Text& path) override;
  void endProgram() override { m_endProgram(); }

 private:
  std::function<void()> m_endProgram;
};

}  // namespace pillora
