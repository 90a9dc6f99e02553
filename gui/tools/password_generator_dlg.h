#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "core/settings/profile_file.h"
#include "core/shell/user_prompt.h"
#include "core/tools/generator.h"
#include "core/tools/random_source.h"
#include "core/tools/word_list.h"
#include "gui/ui/dialog_base.h"

class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxSpinButton;
class wxSpinEvent;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

namespace vk {

// "Generate password": makes a password from random characters ("Secure") or from words of
// the built-in list ("Simple") and hands it back with OK. The options come from the profile
// when the dialog opens and go back to it only with OK.
class CPasswordGeneratorDlg : public CDialogBase {
  public:
    // Control numbers besides the radio buttons' (core/tools/generator_options.h).
    enum : int {
        kSpecialCharsEdit = 1013,
        kInsertTextEdit = 1014,
        kGenerateButton = 1032,
        kUseLetters = 1034,
        kUseNumbers = 1035,
        kUseSpecial = 1036,
        kLengthSpin = 1050,
        kLengthEdit = 1051,
        kPasswordEdit = 1053,
        kLengthLabel = 1061,
    };

    // `copyToClipboard`: OK reads "Copy to clipboard"; otherwise "Paste" (into a cell).
    CPasswordGeneratorDlg(wxWindow* parent, CProfileFile& profile, IRandomSource& random,
                          IUserPrompt& prompt, bool copyToClipboard);
    ~CPasswordGeneratorDlg() override;

    // The password box's text: after OK, the password the user took.
    std::string Result() const;
    // The options as the controls show them.
    GeneratorOptions ShownOptions() const;
    // A new password into the box (what "Generate" does).
    void Generate();

  private:
    void CreateControls(bool copyToClipboard);
    void ShowOptions(const GeneratorOptions& options);
    void LayOutType();
    void EnableInsertModes();
    void EnableSpecial();
    void StepLength(int step);

    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnOptionClicked(wxCommandEvent& event);
    void OnSpin(wxSpinEvent& event);
    void OnLengthText(wxCommandEvent& event);
    void OnLengthKey(wxKeyEvent& event);
    void OnTextOption(wxCommandEvent& event);
    void OnPasswordText(wxCommandEvent& event);

    CProfileFile& profile_;
    IRandomSource& random_;
    IUserPrompt& prompt_;
    CWordListReader words_;
    std::size_t wordCount_ = 0;
    // Set once the dialog stands: option clicks before then generate nothing.
    bool ready_ = false;
    std::size_t passwordLength_ = 0;  // characters in the password box, for the typing limit

    wxRadioButton* secure_ = nullptr;
    wxRadioButton* simple_ = nullptr;
    wxStaticText* lengthLabel_ = nullptr;
    wxTextCtrl* lengthEdit_ = nullptr;
    wxSpinButton* spin_ = nullptr;
    wxStaticBox* contentBox_ = nullptr;
    wxCheckBox* letters_ = nullptr;
    wxCheckBox* numbers_ = nullptr;
    wxCheckBox* special_ = nullptr;
    wxTextCtrl* specialChars_ = nullptr;
    std::array<wxRadioButton*, 4> wordFormats_{};  // in WordFormat order
    std::array<wxRadioButton*, 3> cases_{};        // in LetterCase order
    std::array<wxRadioButton*, 4> insertModes_{};  // in InsertMode order
    wxTextCtrl* insertText_ = nullptr;
    wxTextCtrl* password_ = nullptr;
    wxButton* ok_ = nullptr;
};

}  // namespace vk
