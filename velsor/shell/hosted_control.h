#pragma once
// What the host form knows of the control it hosts (created from a registered name), and
// what the control knows of its host.
#include "common/text/text.h"

namespace pillora {

// The host form, as the hosted control sees it.
class Container {
 public:
  Container() = default;
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;
  virtual ~Container() = default;

  virtual void setCaption(const Text& caption) = 0;
  virtual void hide() = 0;
  virtual void unload() = 0;
};

class HostedControl {
 public:
  HostedControl() = default;
  HostedControl(const HostedControl&) = delete;
  HostedControl& operator=(const HostedControl&) = delete;
  virtual ~HostedControl() = default;

  virtual void setVisible(bool visible) = 0;
  // Position and size in the form's client area, twips.
  virtual void move(double left, double top, double width, double height) = 0;
  virtual void setContainer(Container& p_container) = 0;
};

}  // namespace pillora
