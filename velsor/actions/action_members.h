#pragma once
// The members every update action carries besides IAction: the update time stamp and main
// string its caller may hand it, and the page it reports into while it runs.
#include "common/text/text.h"

namespace pillora {

class utlUpdatorView;

class ActionMembers {
 public:
  void UpdateTimeStamp(const Text& vData) { m_updateTimeStamp = vData; }
  const Text& UpdateTimeStamp() const { return m_updateTimeStamp; }
  void setMainString(const Text& p_strUpdate) { m_mainString = p_strUpdate; }

 protected:
  utlUpdatorView* m_view = nullptr;

 private:
  Text m_mainString;
  Text m_updateTimeStamp;
};

}  // namespace pillora
