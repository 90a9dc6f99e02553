#pragma once
#include <string>

class wxTextCtrl;

namespace vk {

// Keeps an edit box within the bytes the file keeps of its field: what the user types or
// pastes past the limit is dropped, never half a character, while a longer text that was
// already there stays whole until it is changed. The toolkit's own limit counts characters.
class CFieldByteLimit {
  public:
    CFieldByteLimit(wxTextCtrl& edit, int field) : edit_(edit), field_(field) {}

    // The program set the text (or the field changed): what the user does next is measured
    // against this text.
    void Reset(int field);
    void Reset() { Reset(field_); }
    // From the box's change handler. True when the change was cut to fit.
    bool Apply();

  private:
    wxTextCtrl& edit_;
    int field_;
    std::string before_;
};

}  // namespace vk
