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

// One compiled-in PNG file.
struct Png {
    const unsigned char* bytes;
    std::size_t size;
};

template <std::size_t N>
constexpr Png PngOf(const unsigned char (&bytes)[N]) {
    return {bytes, N};
}

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

struct NumberedPicture {
    int id;
    Png png;
};

constexpr NumberedPicture kPictures[] = {
    {kProgramIconId, PngOf(kArt_program_32)}, {kKeyPictureId, PngOf(kArt_key)},
    {kOpenFolderId, PngOf(kArt_open_folder)}, {kFolderId, PngOf(kArt_folder)},
    {kWelcomePictureId, PngOf(kArt_welcome)}, {kRecordId, PngOf(kArt_record)},
    {kModifiedId, PngOf(kArt_modified)},      {kUnmodifiedId, PngOf(kArt_unmodified)},
    {kLockIconId, PngOf(kArt_lock_32)},       {185, PngOf(kArt_field_description)},
    {183, PngOf(kArt_field_username)},        {184, PngOf(kArt_field_password)},
    {256, PngOf(kArt_field_title)},           {257, PngOf(kArt_field_serial)},
    {258, PngOf(kArt_field_credit_card)},     {259, PngOf(kArt_field_bank)},
    {260, PngOf(kArt_field_account)},         {261, PngOf(kArt_field_phone)},
    {214, PngOf(kArt_field_date_assigned)},   {215, PngOf(kArt_field_date_expires)},
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

wxBitmap Decode(const Png& png) {
    auto& pictures = DecodedPictures();
    const auto found = pictures.find(png.bytes);
    if (found != pictures.end()) return found->second;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxBitmap bitmap = wxBitmap::NewFromPNGData(png.bytes, png.size);
    pictures.emplace(png.bytes, bitmap);
    return bitmap;
}

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
    wxBitmap bitmap = Decode(source->png);
    if (bitmap.IsOk() && source->size != size) {
        bitmap = wxBitmap(bitmap.ConvertToImage().Scale(size, size, wxIMAGE_QUALITY_HIGH));
    }
    if (bitmap.IsOk()) icon.CopyFromBitmap(bitmap);
    return icon;
}

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
    return Decode(PngOf(kArt_modified));
}

wxBitmap UnmodifiedBitmap() {
    return Decode(PngOf(kArt_unmodified));
}

wxBitmap WelcomePicture() {
    return Decode(PngOf(kArt_welcome));
}

wxBitmap KeyPicture() {
    return Decode(PngOf(kArt_key));
}

wxBitmap FolderBitmap() {
    return Decode(PngOf(kArt_folder));
}

wxBitmap OpenFolderBitmap() {
    return Decode(PngOf(kArt_open_folder));
}

wxBitmap RecordBitmap() {
    return Decode(PngOf(kArt_record));
}

wxBitmap ColumnIcon(int field) {
    if (field < 0 || field >= kColumnIconCount) return wxBitmap();
    return ArtworkById(kColumnIconTable[static_cast<std::size_t>(field)]);
}

wxBitmap PngBitmap(const unsigned char* bytes, std::size_t size) {
    return Decode(Png{bytes, size});
}

wxBitmap ArtworkById(int resourceId) {
    for (const NumberedPicture& picture : kPictures) {
        if (picture.id == resourceId) return Decode(picture.png);
    }
    return wxBitmap();
}

}  // namespace vk::art
