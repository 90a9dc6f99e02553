#pragma once
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <functional>
#include <string>
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

// Answers every message box with `reply` and remembers what it said; any other dialog
// goes to `other`, which fails the test unless set.
struct MessageBoxAnswer {
    std::vector<std::string> messages;
    std::vector<long> styles;
    std::vector<wxWindow*> owners;
    int reply = wxID_OK;
    std::function<int(wxDialog*)> other = [](wxDialog* dialog) {
        ADD_FAILURE() << "unexpected dialog " << dialog->GetTitle().utf8_string();
        return static_cast<int>(wxID_CANCEL);
    };
    ModalAnswer hook{[this](wxDialog* dialog) {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box) return other(dialog);
        messages.push_back(box->GetMessage().utf8_string());
        styles.push_back(box->GetMessageDialogStyle());
        owners.push_back(box->GetParent());
        return reply;
    }};
};

}  // namespace vk::test
