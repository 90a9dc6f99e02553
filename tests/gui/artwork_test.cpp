#include "gui/ui/artwork.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// Every resource number the windows ask for, by the size the windows are laid out for.
struct PictureSize {
    int width, height;
    std::vector<int> ids;
};
const PictureSize kEveryPicture[] = {
    {32, 32, {128, 296}},
    {160, 120, {220}},
    {48, 48, {139}},
    {16, 16, {283, 284, 182, 181, 238, 185, 183, 184, 256, 257, 258, 259, 260, 261, 214, 215, 305}},
    // The quick-access dialog: backgrounds, buttons skinned and plain, pins, the notes icon.
    {200, 250, {221, 333}},
    {24,
     24,
     {166, 132, 193, 187, 188, 186, 189, 190, 191, 168, 131, 312, 313, 330, 332, 334, 314, 292,
      289}},
};

// A picture shows something and lets the background through somewhere: it has both opaque and
// transparent pixels, and the transparency survived into the bitmap.
::testing::AssertionResult IsSeeThroughPicture(const wxBitmap& bitmap) {
    if (!bitmap.IsOk()) return ::testing::AssertionFailure() << "invalid bitmap";
    if (!bitmap.HasAlpha() && !bitmap.GetMask()) {
        return ::testing::AssertionFailure() << "neither alpha channel nor mask";
    }
    const wxImage image = bitmap.ConvertToImage();
    int opaque = 0, clear = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const bool masked = image.HasMask() && image.GetRed(x, y) == image.GetMaskRed() &&
                                image.GetGreen(x, y) == image.GetMaskGreen() &&
                                image.GetBlue(x, y) == image.GetMaskBlue();
            const unsigned char alpha =
                image.HasAlpha() ? image.GetAlpha(x, y) : wxIMAGE_ALPHA_OPAQUE;
            if (masked || alpha == wxIMAGE_ALPHA_TRANSPARENT) ++clear;
            if (!masked && alpha == wxIMAGE_ALPHA_OPAQUE) ++opaque;
        }
    }
    if (opaque == 0) return ::testing::AssertionFailure() << "no opaque pixel";
    if (clear == 0) return ::testing::AssertionFailure() << "no transparent pixel";
    return ::testing::AssertionSuccess();
}

bool SamePixels(const wxBitmap& a, const wxBitmap& b) {
    const wxImage left = a.ConvertToImage(), right = b.ConvertToImage();
    if (left.GetSize() != right.GetSize()) return false;
    const std::size_t pixels = static_cast<std::size_t>(left.GetWidth()) * left.GetHeight();
    if (std::memcmp(left.GetData(), right.GetData(), pixels * 3) != 0) return false;
    return left.HasAlpha() == right.HasAlpha() &&
           (!left.HasAlpha() || std::memcmp(left.GetAlpha(), right.GetAlpha(), pixels) == 0);
}

}  // namespace

TEST(Artwork, EveryResourceNumberGivesItsOwnSeeThroughPictureOfTheRightSize) {
    std::vector<int> all;
    for (const PictureSize& size : kEveryPicture) {
        for (int id : size.ids) {
            SCOPED_TRACE(id);
            const wxBitmap bitmap = vk::art::ArtworkById(id);
            ASSERT_TRUE(IsSeeThroughPicture(bitmap));
            EXPECT_EQ(bitmap.GetSize(), wxSize(size.width, size.height));
            all.push_back(id);
        }
    }
    // No two numbers share a picture: a mix-up in the table would show the wrong icon.
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_FALSE(SamePixels(vk::art::ArtworkById(all[i]), vk::art::ArtworkById(all[j])))
                << all[i] << " and " << all[j];
        }
    }
}

TEST(Artwork, ColumnIconsFollowTheFieldsAndUnknownNumbersGiveNothing) {
    // Field i's column icon is position i of the icon table.
    const int table[] = {185, 183, 184, 256, 257, 258, 259, 260, 261, 214, 215};
    for (int field = 0; field < vk::art::kColumnIconCount; ++field) {
        SCOPED_TRACE(field);
        EXPECT_TRUE(SamePixels(vk::art::ColumnIcon(field), vk::art::ArtworkById(table[field])));
    }
    for (int id : {0, -1, 1, 127, 129, 180, 200, 216, 255, 262, 285, 295, 297, INT_MAX, INT_MIN})
        EXPECT_FALSE(vk::art::ArtworkById(id).IsOk()) << id;
    // URL, Email and Notes are never columns, so they have no column icon.
    for (int field : {-1, 11, 12, 13, INT_MAX, INT_MIN})
        EXPECT_FALSE(vk::art::ColumnIcon(field).IsOk()) << field;
}

TEST(Artwork, IconsComeAtEveryDrawnSizeAndScaleToOthers) {
    const wxIconBundle bundle = vk::art::ProgramIcons();
    ASSERT_EQ(bundle.GetIconCount(), 3u);
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const wxIcon icon = bundle.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE);
        ASSERT_TRUE(icon.IsOk());
        EXPECT_EQ(icon.GetWidth(), size);
        EXPECT_TRUE(IsSeeThroughPicture(icon));
    }
    // The small drawings are drawn for their size, not shrunk from the large ones.
    EXPECT_FALSE(SamePixels(vk::art::ProgramIcon(16),
                            wxBitmap(vk::art::ProgramIcon(32).ConvertToImage().Scale(16, 16))));

    // Sizes nobody drew are scaled, keeping their transparency; absurd ones are refused.
    for (int size : {1, 16, 24, 32, 64, 256}) {
        SCOPED_TRACE(size);
        const wxIcon program = vk::art::ProgramIcon(size), lock = vk::art::LockIcon(size);
        ASSERT_TRUE(program.IsOk());
        ASSERT_TRUE(lock.IsOk());
        EXPECT_EQ(program.GetSize(), wxSize(size, size));
        EXPECT_EQ(lock.GetSize(), wxSize(size, size));
        if (size > 1) {
            EXPECT_TRUE(IsSeeThroughPicture(program));
            EXPECT_TRUE(IsSeeThroughPicture(lock));
        }
    }
    for (int size : {0, -16, 257, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(vk::art::ProgramIcon(size).IsOk());
        EXPECT_FALSE(vk::art::LockIcon(size).IsOk());
    }
}
