#include "gui/tools/password_generator_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include <algorithm>

#include "core/store/secure_wipe.h"
#include "core/tools/generator_options.h"
#include "gui/store/secret_edit.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kSpinMin = 1;
constexpr int kSpinMax = 80;

int SpinValueFor(std::uint32_t length) {
    return static_cast<int>(std::clamp<std::uint32_t>(length, kSpinMin, kSpinMax));
}

template <std::size_t N>
std::size_t CheckedIndex(const std::array<wxRadioButton*, N>& group, std::size_t fallback) {
    for (std::size_t i = 0; i < N; ++i)
        if (group[i]->GetValue()) return i;
    return fallback;
}

}  // namespace

CPasswordGeneratorDlg::CPasswordGeneratorDlg(wxWindow* parent, CProfileFile& profile,
                                             IRandomSource& random, IUserPrompt& prompt,
                                             bool copyToClipboard)
    : CDialogBase(parent, 158, "Generate password"),
      profile_(profile),
      random_(random),
      prompt_(prompt) {
    wordCount_ = words_.CountWords();
    if (wordCount_ == 0) prompt_.ShowError(msg::kUnableToLoadWordList);
    CreateControls(copyToClipboard);
    ShowOptions(LoadGeneratorOptions(profile_));
    LayOutType();
    EnableInsertModes();
    EnableSpecial();
    Generate();
    lengthEdit_->SetFocus();

    Bind(wxEVT_BUTTON, &CPasswordGeneratorDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CPasswordGeneratorDlg::OnCancel, this, wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Generate(); }, kGenerateButton);
    Bind(wxEVT_CHECKBOX, &CPasswordGeneratorDlg::OnOptionClicked, this);
    Bind(wxEVT_RADIOBUTTON, &CPasswordGeneratorDlg::OnOptionClicked, this);
    Bind(wxEVT_SPIN, &CPasswordGeneratorDlg::OnSpin, this, kLengthSpin);
    Bind(wxEVT_TEXT, &CPasswordGeneratorDlg::OnLengthText, this, kLengthEdit);
    lengthEdit_->Bind(wxEVT_KEY_DOWN, &CPasswordGeneratorDlg::OnLengthKey, this);
    Bind(wxEVT_TEXT, &CPasswordGeneratorDlg::OnTextOption, this, kSpecialCharsEdit);
    Bind(wxEVT_TEXT, &CPasswordGeneratorDlg::OnTextOption, this, kInsertTextEdit);
    insertText_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        EnableInsertModes();
        event.Skip();
    });
    Bind(wxEVT_TEXT, &CPasswordGeneratorDlg::OnPasswordText, this, kPasswordEdit);
    // Enter in any of the edits takes the password, as the default button does elsewhere.
    Bind(wxEVT_TEXT_ENTER, &CPasswordGeneratorDlg::OnOk, this);
    ready_ = true;
}

CPasswordGeneratorDlg::~CPasswordGeneratorDlg() {
    password_->ChangeValue(wxEmptyString);
}

void CPasswordGeneratorDlg::CreateControls(bool copyToClipboard) {
    const long edit = wxTE_PROCESS_ENTER;
    auto* typeSizer = new wxStaticBoxSizer(wxHORIZONTAL, this, "Password type");
    wxWindow* typeBox = typeSizer->GetStaticBox();
    secure_ = new wxRadioButton(typeBox, genid::kSecure, "Secure", wxDefaultPosition, wxDefaultSize,
                                wxRB_GROUP);
    simple_ = new wxRadioButton(typeBox, genid::kSimple, "Simple");
    typeSizer->Add(secure_, 0, wxALL, Gap());
    typeSizer->Add(simple_, 0, wxALL, Gap());

    lengthLabel_ = new wxStaticText(this, kLengthLabel, "Password length:");
    lengthEdit_ = new wxTextCtrl(this, kLengthEdit, wxEmptyString, wxDefaultPosition,
                                 wxSize(FromDIP(56), -1), edit, wxTextValidator(wxFILTER_DIGITS));
    lengthEdit_->SetMaxLength(3);
    spin_ = new wxSpinButton(this, kLengthSpin, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    spin_->SetRange(kSpinMin, kSpinMax);
    auto* lengthRow = new wxBoxSizer(wxHORIZONTAL);
    lengthRow->Add(lengthLabel_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap());
    lengthRow->Add(lengthEdit_, 0, wxALIGN_CENTER_VERTICAL);
    lengthRow->Add(spin_, 0, wxALIGN_CENTER_VERTICAL);

    // Each word format takes the place of the class control beside it while it is shown.
    auto* contentSizer = new wxStaticBoxSizer(wxVERTICAL, this, "Characters");
    contentBox_ = contentSizer->GetStaticBox();
    letters_ = new wxCheckBox(contentBox_, kUseLetters, "Use letters");
    numbers_ = new wxCheckBox(contentBox_, kUseNumbers, "Use numbers");
    special_ = new wxCheckBox(contentBox_, kUseSpecial, "Use special characters");
    specialChars_ = new wxTextCtrl(contentBox_, kSpecialCharsEdit, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize, edit);
    const char* formatNames[] = {"Single word", "Word, number", "Word, word", "Word, number, word"};
    for (std::size_t i = 0; i < wordFormats_.size(); ++i)
        wordFormats_[i] =
            new wxRadioButton(contentBox_, genid::kSingleWord + static_cast<int>(i), formatNames[i],
                              wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    wxWindow* classControls[] = {letters_, numbers_, special_, specialChars_};
    for (std::size_t i = 0; i < wordFormats_.size(); ++i) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(classControls[i], 1, wxALIGN_CENTER_VERTICAL);
        row->Add(wordFormats_[i], 1, wxALIGN_CENTER_VERTICAL);
        contentSizer->Add(row, 0, wxEXPAND | wxALL, Gap());
    }

    auto* caseSizer = new wxStaticBoxSizer(wxVERTICAL, this, "Case");
    const char* caseNames[] = {"Upper", "Lower", "Mixed"};
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        cases_[i] = new wxRadioButton(caseSizer->GetStaticBox(),
                                      genid::kUpper + static_cast<int>(i), caseNames[i],
                                      wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        caseSizer->Add(cases_[i], 0, wxALL, Gap());
    }
    auto* optionsRow = new wxBoxSizer(wxHORIZONTAL);
    optionsRow->Add(contentSizer, 1, wxEXPAND | wxRIGHT, Padding());
    optionsRow->Add(caseSizer, 0, wxEXPAND);

    auto* insertSizer = new wxStaticBoxSizer(wxVERTICAL, this, "Insert text");
    wxWindow* insertBox = insertSizer->GetStaticBox();
    insertText_ = new wxTextCtrl(insertBox, kInsertTextEdit, wxEmptyString, wxDefaultPosition,
                                 wxDefaultSize, edit);
    const std::pair<int, const char*> insertNames[] = {{genid::kDisable, "Disable"},
                                                       {genid::kPrefix, "Prefix"},
                                                       {genid::kMiddle, "Middle"},
                                                       {genid::kSuffix, "Suffix"}};
    auto* insertRow = new wxBoxSizer(wxHORIZONTAL);
    for (std::size_t i = 0; i < insertModes_.size(); ++i) {
        insertModes_[i] =
            new wxRadioButton(insertBox, insertNames[i].first, insertNames[i].second,
                              wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        insertRow->Add(insertModes_[i], 0, wxRIGHT, Padding());
    }
    insertSizer->Add(insertText_, 0, wxEXPAND | wxALL, Gap());
    insertSizer->Add(insertRow, 0, wxALL, Gap());

    password_ = new wxTextCtrl(this, kPasswordEdit, wxEmptyString, wxDefaultPosition,
                               wxSize(FromDIP(300), -1), edit);
    auto* generate = new wxButton(this, kGenerateButton, "Generate");
    auto* passwordRow = new wxBoxSizer(wxHORIZONTAL);
    passwordRow->Add(password_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap());
    passwordRow->Add(generate, 0, wxALIGN_CENTER_VERTICAL);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(typeSizer, 0, wxEXPAND | wxBOTTOM, Padding());
    content->Add(lengthRow, 0, wxBOTTOM, Padding());
    content->Add(optionsRow, 0, wxEXPAND | wxBOTTOM, Padding());
    content->Add(insertSizer, 0, wxEXPAND | wxBOTTOM, Padding());
    content->Add(passwordRow, 0, wxEXPAND);

    wxStdDialogButtonSizer* buttons = MakeButtons(wxOK | wxCANCEL);
    ok_ = buttons->GetAffirmativeButton();
    ok_->SetLabel(copyToClipboard ? "Copy to clipboard" : "Paste");
    ok_->SetDefault();
    buttons->Layout();
    LayOut(content, buttons);
}

void CPasswordGeneratorDlg::ShowOptions(const GeneratorOptions& o) {
    secure_->SetValue(o.secure);
    simple_->SetValue(!o.secure);
    lengthEdit_->ChangeValue(std::to_string(o.length));
    spin_->SetValue(SpinValueFor(o.length));
    letters_->SetValue(o.useLetters);
    numbers_->SetValue(o.useNumbers);
    special_->SetValue(o.useSpecial);
    specialChars_->ChangeValue(ToWx(o.specialChars));
    wordFormats_[static_cast<std::size_t>(o.wordFormat)]->SetValue(true);
    cases_[static_cast<std::size_t>(o.letterCase)]->SetValue(true);
    insertModes_[static_cast<std::size_t>(o.insertMode)]->SetValue(true);
    insertText_->ChangeValue(ToWx(o.insertText));
}

GeneratorOptions CPasswordGeneratorDlg::ShownOptions() const {
    const GeneratorOptions defaults;
    GeneratorOptions o;
    o.secure = secure_->GetValue();
    o.length = LengthFromText(FromWx(lengthEdit_->GetValue()));
    o.useLetters = letters_->GetValue();
    o.useNumbers = numbers_->GetValue();
    o.useSpecial = special_->GetValue();
    o.specialChars = FromWx(specialChars_->GetValue());
    o.wordFormat = static_cast<WordFormat>(
        CheckedIndex(wordFormats_, static_cast<std::size_t>(defaults.wordFormat)));
    o.letterCase = static_cast<LetterCase>(
        CheckedIndex(cases_, static_cast<std::size_t>(defaults.letterCase)));
    o.insertMode = static_cast<InsertMode>(
        CheckedIndex(insertModes_, static_cast<std::size_t>(defaults.insertMode)));
    o.insertText = FromWx(insertText_->GetValue());
    return o;
}

std::string CPasswordGeneratorDlg::Result() const {
    return SecretFromEdit(*password_).str();
}

void CPasswordGeneratorDlg::Generate() {
    GeneratedPassword made = GeneratePassword(ShownOptions(), random_, words_, wordCount_);
    if (!made.ok) {
        prompt_.ShowError(msg::kSelectCharacterClass);
        return;
    }
    ShowSecretInEdit(*password_, SecretString(made.password));
    SecureWipe(made.password);
    passwordLength_ = static_cast<std::size_t>(password_->GetLastPosition());
    ok_->Enable(passwordLength_ > 0);
}

void CPasswordGeneratorDlg::LayOutType() {
    const bool secure = secure_->GetValue();
    for (wxWindow* w :
         std::initializer_list<wxWindow*>{letters_, numbers_, special_, specialChars_})
        w->Show(secure);
    for (wxRadioButton* format : wordFormats_) format->Show(!secure);
    lengthEdit_->Enable(secure);
    lengthLabel_->Enable(secure);
    spin_->Enable(secure);
    contentBox_->SetLabel(secure ? "Characters" : "Words");
    Layout();
}

void CPasswordGeneratorDlg::EnableInsertModes() {
    const bool any = !insertText_->IsEmpty();
    for (wxRadioButton* mode : insertModes_) mode->Enable(any);
}

void CPasswordGeneratorDlg::EnableSpecial() {
    special_->Enable(!specialChars_->IsEmpty());
}

void CPasswordGeneratorDlg::StepLength(int step) {
    if (!lengthEdit_->IsEnabled()) return;
    const int length = std::clamp(spin_->GetValue() + step, kSpinMin, kSpinMax);
    spin_->SetValue(length);
    lengthEdit_->ChangeValue(std::to_string(length));
    lengthEdit_->SetInsertionPointEnd();
    Generate();
}

void CPasswordGeneratorDlg::OnOk(wxCommandEvent&) {
    if (password_->IsEmpty()) return;
    SaveGeneratorOptions(profile_, ShownOptions());
    EndWith(wxID_OK);
}

void CPasswordGeneratorDlg::OnCancel(wxCommandEvent&) {
    EndWith(wxID_CANCEL);
}

void CPasswordGeneratorDlg::OnOptionClicked(wxCommandEvent& event) {
    if (event.GetId() == genid::kSecure || event.GetId() == genid::kSimple) LayOutType();
    if (ready_) Generate();
}

void CPasswordGeneratorDlg::OnSpin(wxSpinEvent& event) {
    lengthEdit_->ChangeValue(std::to_string(event.GetPosition()));
    Generate();
}

void CPasswordGeneratorDlg::OnLengthText(wxCommandEvent&) {
    // The arrows go on from a typed length; typing itself makes no new password.
    spin_->SetValue(SpinValueFor(LengthFromText(FromWx(lengthEdit_->GetValue()))));
}

void CPasswordGeneratorDlg::OnLengthKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_UP)
        StepLength(1);
    else if (event.GetKeyCode() == WXK_DOWN)
        StepLength(-1);
    else
        event.Skip();
}

void CPasswordGeneratorDlg::OnTextOption(wxCommandEvent& event) {
    wxTextCtrl* edit = event.GetId() == kSpecialCharsEdit ? specialChars_ : insertText_;
    std::string text = FromWx(edit->GetValue());
    if (RemoveDoubleQuotes(text)) {
        const long caret = edit->GetInsertionPoint();
        edit->ChangeValue(ToWx(text));
        edit->SetInsertionPoint(std::min(caret > 0 ? caret - 1 : 0, edit->GetLastPosition()));
        prompt_.ShowError(msg::kNoQuotes);
    }
    if (edit == specialChars_)
        EnableSpecial();
    else
        EnableInsertModes();
}

void CPasswordGeneratorDlg::OnPasswordText(wxCommandEvent&) {
    const auto typed = static_cast<std::size_t>(password_->GetLastPosition());
    if (const std::size_t excess = PasswordTypingExcess(passwordLength_, typed)) {
        const long caret = password_->GetInsertionPoint();
        const long from = std::max(0L, caret - static_cast<long>(excess));
        password_->Remove(from, from + static_cast<long>(excess));
    }
    passwordLength_ = static_cast<std::size_t>(password_->GetLastPosition());
    ok_->Enable(passwordLength_ > 0);
}

}  // namespace vk
