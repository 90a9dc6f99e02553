#pragma once
#include <wx/control.h>

#include <functional>
#include <string>

namespace vk {

// A text that opens a web address, a file or a program when clicked: underlined, blue
// (purple once visited, the system's highlight colour under the pointer), with a hand cursor
// and the target as its tooltip. Tab reaches it; Enter or Space opens it like a click. When
// the target cannot be opened the bell rings and a message gives the error number.
class CHyperLinkCtrl : public wxControl {
  public:
    // Opens a target: 0 when done, otherwise the system's error number.
    using Opener = std::function<int(const std::string& target)>;

    // An empty `text` shows the target; an empty `target` opens the text.
    CHyperLinkCtrl(wxWindow* parent, int id, const wxString& text, const std::string& target = {});

    void SetTarget(const std::string& target);
    std::string Target() const;
    void SetColours(const wxColour& link, const wxColour& visited, const wxColour& hover);
    void SetVisited(bool visited);
    bool IsVisited() const { return visited_; }
    void SetUnderline(bool underline);
    void SetSizeToFit(bool sizeToFit);
    bool IsHot() const { return hot_; }
    // The colour the text is drawn in now.
    wxColour TextColour() const;

    // Opens the target; false (after telling the user) when it could not be opened.
    bool Open();

    // How every link opens its target (the desktop's browser or application); tests put
    // their own in.
    static void SetOpener(Opener opener);

    bool AcceptsFocus() const override { return true; }
    bool AcceptsFocusFromKeyboard() const override { return true; }

  protected:
    wxSize DoGetBestClientSize() const override;

  private:
    void UpdateFontAndSize();
    void SetHot(bool hot);
    void OnPaint(wxPaintEvent& event);
    void OnKey(wxKeyEvent& event);

    std::string target_;
    wxColour link_{0, 0, 238};
    wxColour visited_colour_{85, 26, 139};
    wxColour hover_;
    bool hot_ = false;
    bool visited_ = false;
    bool underline_ = true;
    bool sizeToFit_ = true;
};

}  // namespace vk
