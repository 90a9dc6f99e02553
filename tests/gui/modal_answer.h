#pragma once
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <functional>
#include <utility>
#include <vector>

namespace vk::test {

// Answers every modal dialog the code under test shows, without showing it: `answer`
// sees the dialog and returns the button that ends it. Active while the object lives.
class ModalAnswer : public wxModalDialogHook {
  public:
    explicit ModalAnswer(std::function<int(wxDialog*)> answer) : answer_(std::move(answer)) {
        Register();
    }
    int count = 0;

  protected:
    int Enter(wxDialog* dialog) override {
        ++count;
        return answer_(dialog);
    }

  private:
    std::function<int(wxDialog*)> answer_;
};

}  // namespace vk::test
