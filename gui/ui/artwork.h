#pragma once
#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/iconbndl.h>

#include <cstddef>
#include <vector>

// The program's own pictures, compiled in (drawn in resources/art, made into code by
// scripts/dev/make_artwork.sh). Every picture has an alpha channel. Each is decoded on first use
// and kept until the toolkit shuts down; call these from the GUI thread only.
namespace vk::art {

// Resource numbers the windows ask for pictures by.
enum ArtworkId : int {
    kProgramIconId = 128,
    kKeyPictureId = 139,
    kOpenFolderId = 181,
    kFolderId = 182,
    kWelcomePictureId = 220,
    kRecordId = 238,
    kModifiedId = 283,
    kUnmodifiedId = 284,
    kLockIconId = 296,
    kQuickBackgroundSkinnedId = 221,
    kQuickBackgroundPlainId = 333,
    kPinnedId = 292,
    kUnpinnedId = 289,
    kNotesIconId = 305,
};

// The number of record fields that can be list columns, each with its own icon.
inline constexpr int kColumnIconCount = 11;

// The program icon at 16, 32 and 48 pixels, for title bars and task switchers.
wxIconBundle ProgramIcons();

// The program icon at `size` pixels square. 16, 32 and 48 are drawn as such; other sizes from 1
// to 256 are scaled from the nearest larger drawing. Any other size gives an invalid icon.
wxIcon ProgramIcon(int size);

// The lock shown while the database is locked (tray, unlock dialog); drawn at 16 and 32 pixels,
// other sizes as for ProgramIcon.
wxIcon LockIcon(int size);

// The status bar's 16x16 modified-state pictures: unsaved changes, and saved.
wxBitmap ModifiedBitmap();
wxBitmap UnmodifiedBitmap();

// The Welcome dialog's picture, 160x120.
wxBitmap WelcomePicture();

// The key of the password file chooser, 48x48.
wxBitmap KeyPicture();

// 16x16 tree images: a folder, the selected (open) folder, a record.
wxBitmap FolderBitmap();
wxBitmap OpenFolderBitmap();
wxBitmap RecordBitmap();

// The 16x16 default column icon of record field `field` (0 Description .. 10 Date expires);
// invalid for any other field.
wxBitmap ColumnIcon(int field);

// The quick-access dialog's buttons.
enum class QuickButton { kSearch, kCopy, kPaste, kEditor, kClose };

// The dialog's 200x250 background, skinned or plain.
wxBitmap QuickAccessBackground(bool skinned);
// A button's 24x24 pictures in the order a button takes them: normal, pressed, and for the
// skinned search button the picture under the pointer.
std::vector<wxBitmap> QuickAccessButton(QuickButton button, bool skinned);
// The pin button: pushed in while the dialog stays open, lying on its side otherwise.
wxBitmap PinBitmap(bool pinned);
// The 16x16 icon of the notes balloon.
wxBitmap NotesIcon();

// The 16x16 picture of an editor button, by the button's command number (Add folder 1010 ..
// Send e-mail 1034); invalid for a command without one.
wxBitmap ButtonBitmap(int command);

// The picture with resource number `resourceId`: the ids above, and the eleven column icons 185,
// 183, 184, 256, 257, 258, 259, 260, 261, 214, 215, the quick-access pictures (backgrounds 221 and
// 333, buttons 166, 132, 193, 187, 188, 186, 189, 190, 191, 168, 131 skinned and 312, 313, 330,
// 332, 334, 314 plain, pins 292 and 289) and the notes icon 305. The two icons come at 32x32, the
// size dialogs and the large window icon show. An unknown id gives an invalid bitmap.
wxBitmap ArtworkById(int resourceId);

// One compiled-in PNG file.
struct Png {
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
};

template <std::size_t N>
constexpr Png PngOf(const unsigned char (&bytes)[N]) {
    return {bytes, N};
}

// A compiled-in PNG file as a bitmap, decoded on first use and kept like the pictures above.
wxBitmap PngBitmap(const Png& png);

}  // namespace vk::art
