#pragma once
#include <memory>

#include "core/quickaccess/paste_target.h"

namespace vk {

// Types into the window that has the keyboard focus on the X display, through the XTest
// extension, as if the keys were pressed. A character the keyboard map lacks is typed through
// a spare key code that is given that character for the moment and taken back afterwards.
class CX11KeyTyper : public IKeyTyper {
  public:
    CX11KeyTyper();
    ~CX11KeyTyper() override;

    // False without an X display or without the XTest extension.
    bool Available() const;

    bool TypeText(const std::string& utf8) override;
    bool PressTab() override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vk
