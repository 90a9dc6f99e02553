#include "gui/ui/artwork.h"

#include "core/settings/settings.h"

#include <wx/image.h>
#include <wx/module.h>

#include <array>
#include <cstddef>
#include <map>

#include "gui/ui/generated/artwork_data.h"

namespace vk::art {
namespace {

using namespace vk::art_data;

struct Drawing {
    int size;
    Png png;
};

// Icons drawn at several sizes, smallest first.
constexpr Drawing kProgramDrawings[] = {
    {16, PngOf(kArt_program_16)}, {32, PngOf(kArt_program_32)}, {48, PngOf(kArt_program_48)}};
constexpr Drawing kLockDrawings[] = {{16, PngOf(kArt_lock_16)}, {32, PngOf(kArt_lock_32)}};

// Asked-for icon sizes beyond this are refused rather than allocated.
constexpr int kLargestIconSize = 256;

// How a picture is shown: as drawn, pressed (darker) or under the pointer (lighter).
enum class Look { kAsDrawn, kPressed, kHover };

struct NumberedPicture {
    int id;
    Png png;
    Look look = Look::kAsDrawn;
};

constexpr NumberedPicture kPictures[] = {
    {kProgramIconId, PngOf(kArt_program_32)},
    {kKeyPictureId, PngOf(kArt_key)},
    {kOpenFolderId, PngOf(kArt_open_folder)},
    {kFolderId, PngOf(kArt_folder)},
    {kWelcomePictureId, PngOf(kArt_welcome)},
    {kRecordId, PngOf(kArt_record)},
    {kModifiedId, PngOf(kArt_modified)},
    {kUnmodifiedId, PngOf(kArt_unmodified)},
    {kLockIconId, PngOf(kArt_lock_32)},
    {185, PngOf(kArt_field_description)},
    {183, PngOf(kArt_field_username)},
    {184, PngOf(kArt_field_password)},
    {256, PngOf(kArt_field_title)},
    {257, PngOf(kArt_field_serial)},
    {258, PngOf(kArt_field_credit_card)},
    {259, PngOf(kArt_field_bank)},
    {260, PngOf(kArt_field_account)},
    {261, PngOf(kArt_field_phone)},
    {214, PngOf(kArt_field_date_assigned)},
    {215, PngOf(kArt_field_date_expires)},
    {kQuickBackgroundSkinnedId, PngOf(kArt_qa_back_skin)},
    {kQuickBackgroundPlainId, PngOf(kArt_qa_back_plain)},
    {kPinnedId, PngOf(kArt_qa_pin_in)},
    {kUnpinnedId, PngOf(kArt_qa_pin_out)},
    {kNotesIconId, PngOf(kArt_notes_16)},
    {166, PngOf(kArt_qa_skin_search)},
    {132, PngOf(kArt_qa_skin_search), Look::kPressed},
    {193, PngOf(kArt_qa_skin_search), Look::kHover},
    {187, PngOf(kArt_qa_skin_copy)},
    {188, PngOf(kArt_qa_skin_copy), Look::kPressed},
    {186, PngOf(kArt_qa_skin_paste)},
    {189, PngOf(kArt_qa_skin_paste), Look::kPressed},
    {190, PngOf(kArt_qa_skin_close)},
    {191, PngOf(kArt_qa_skin_close), Look::kPressed},
    {168, PngOf(kArt_qa_skin_editor)},
    {131, PngOf(kArt_qa_skin_editor), Look::kPressed},
    {312, PngOf(kArt_qa_plain_search)},
    {313, PngOf(kArt_qa_plain_search), Look::kPressed},
    {330, PngOf(kArt_qa_plain_copy)},
    {332, PngOf(kArt_qa_plain_paste)},
    {334, PngOf(kArt_qa_plain_close)},
    {314, PngOf(kArt_qa_plain_editor)},
};

// The resource numbers of each button's pictures, skinned and plain, in button order.
struct ButtonPictures {
    std::vector<int> skinned;
    std::vector<int> plain;
};
const ButtonPictures kButtonPictures[] = {
    {{166, 132, 193}, {312, 313}},  // search
    {{187, 188}, {330}},            // copy
    {{186, 189}, {332}},            // paste
    {{168, 131}, {314}},            // editor
    {{190, 191}, {334}},            // close
};

// Decoded pictures by their PNG bytes. Emptied when the toolkit shuts down, so that no bitmap
// outlives the toolkit that made it.
std::map<const unsigned char*, wxBitmap>& DecodedPictures() {
    static std::map<const unsigned char*, wxBitmap> pictures;
    return pictures;
}

class ArtworkModule : public wxModule {
  public:
    bool OnInit() override { return true; }
    void OnExit() override { DecodedPictures().clear(); }

  private:
    wxDECLARE_DYNAMIC_CLASS(ArtworkModule);
};

wxIMPLEMENT_DYNAMIC_CLASS(ArtworkModule, wxModule);

}  // namespace

wxBitmap PngBitmap(const Png& png) {
    auto& pictures = DecodedPictures();
    const auto found = pictures.find(png.bytes);
    if (found != pictures.end()) return found->second;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxBitmap bitmap = wxBitmap::NewFromPNGData(png.bytes, png.size);
    pictures.emplace(png.bytes, bitmap);
    return bitmap;
}

namespace {

// The drawing made for `size`, or the nearest larger one (else the largest) scaled to it.
template <std::size_t N>
wxIcon IconAt(int size, const Drawing (&drawings)[N]) {
    wxIcon icon;
    if (size < 1 || size > kLargestIconSize) return icon;
    const Drawing* source = &drawings[N - 1];
    for (const Drawing& drawing : drawings) {
        if (drawing.size >= size) {
            source = &drawing;
            break;
        }
    }
    wxBitmap bitmap = PngBitmap(source->png);
    if (bitmap.IsOk() && source->size != size) {
        bitmap = wxBitmap(bitmap.ConvertToImage().Scale(size, size, wxIMAGE_QUALITY_HIGH));
    }
    if (bitmap.IsOk()) icon.CopyFromBitmap(bitmap);
    return icon;
}

// The editor's image buttons by command number.
constexpr NumberedPicture kEditorButtonPictures[] = {
    {1010, PngOf(kArt_button_add_folder)},     {1124, PngOf(kArt_button_add_subfolder)},
    {1007, PngOf(kArt_button_delete_folder)},  {1009, PngOf(kArt_button_rename_folder)},
    {1008, PngOf(kArt_button_search_folders)}, {1028, PngOf(kArt_button_add_item)},
    {1029, PngOf(kArt_button_delete_item)},    {1030, PngOf(kArt_button_edit_item)},
    {1031, PngOf(kArt_button_search_items)},   {1020, PngOf(kArt_button_generate)},
    {3034, PngOf(kArt_button_import)},         {1113, PngOf(kArt_button_export)},
    {1019, PngOf(kArt_button_report)},         {1033, PngOf(kArt_button_launch_url)},
    {1034, PngOf(kArt_button_send_email)},
};

}  // namespace

wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    for (const Drawing& drawing : kProgramDrawings) icons.AddIcon(ProgramIcon(drawing.size));
    return icons;
}

wxIcon ProgramIcon(int size) {
    return IconAt(size, kProgramDrawings);
}

wxIcon LockIcon(int size) {
    return IconAt(size, kLockDrawings);
}

wxBitmap ModifiedBitmap() {
    return PngBitmap(PngOf(kArt_modified));
}

wxBitmap UnmodifiedBitmap() {
    return PngBitmap(PngOf(kArt_unmodified));
}

wxBitmap WelcomePicture() {
    return PngBitmap(PngOf(kArt_welcome));
}

wxBitmap KeyPicture() {
    return PngBitmap(PngOf(kArt_key));
}

wxBitmap FolderBitmap() {
    return PngBitmap(PngOf(kArt_folder));
}

wxBitmap OpenFolderBitmap() {
    return PngBitmap(PngOf(kArt_open_folder));
}

wxBitmap RecordBitmap() {
    return PngBitmap(PngOf(kArt_record));
}

wxBitmap ColumnIcon(int field) {
    if (field < 0 || field >= kColumnIconCount) return wxBitmap();
    return ArtworkById(kColumnIconTable[static_cast<std::size_t>(field)]);
}

wxBitmap QuickAccessBackground(bool skinned) {
    return ArtworkById(skinned ? kQuickBackgroundSkinnedId : kQuickBackgroundPlainId);
}

std::vector<wxBitmap> QuickAccessButton(QuickButton button, bool skinned) {
    const ButtonPictures& ids = kButtonPictures[static_cast<int>(button)];
    std::vector<wxBitmap> pictures;
    for (int id : skinned ? ids.skinned : ids.plain) pictures.push_back(ArtworkById(id));
    return pictures;
}

wxBitmap PinBitmap(bool pinned) {
    return ArtworkById(pinned ? kPinnedId : kUnpinnedId);
}

wxBitmap NotesIcon() {
    return ArtworkById(kNotesIconId);
}

wxBitmap ButtonBitmap(int command) {
    for (const NumberedPicture& picture : kEditorButtonPictures) {
        if (picture.id == command) return PngBitmap(picture.png);
    }
    return wxBitmap();
}

wxBitmap ArtworkById(int resourceId) {
    for (const NumberedPicture& picture : kPictures) {
        if (picture.id != resourceId) continue;
        const wxBitmap drawn = PngBitmap(picture.png);
        if (picture.look == Look::kAsDrawn || !drawn.IsOk()) return drawn;
        return wxBitmap(
            drawn.ConvertToImage().ChangeLightness(picture.look == Look::kPressed ? 80 : 115));
    }
    return wxBitmap();
}

}  // namespace vk::art
