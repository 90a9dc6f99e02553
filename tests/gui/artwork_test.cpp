#include "gui/ui/artwork.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

struct ExpectedPicture {
    int id;
    int width;
    int height;
};

// Every resource number the windows ask for, with the size the windows are laid out for.
const std::vector<ExpectedPicture> kEveryPicture = {
    {128, 32, 32},
    {296, 32, 32},
    {283, 16, 16},
    {284, 16, 16},
    {220, 160, 120},
    {139, 48, 48},
    {182, 16, 16},
    {181, 16, 16},
    {238, 16, 16},
    {185, 16, 16},
    {183, 16, 16},
    {184, 16, 16},
    {256, 16, 16},
    {257, 16, 16},
    {258, 16, 16},
    {259, 16, 16},
    {260, 16, 16},
    {261, 16, 16},
    {214, 16, 16},
    {215, 16, 16},
    // The quick-access dialog: backgrounds, buttons skinned and plain, pins, the notes icon.
    {221, 200, 250},
    {333, 200, 250},
    {166, 24, 24},
    {132, 24, 24},
    {193, 24, 24},
    {187, 24, 24},
    {188, 24, 24},
    {186, 24, 24},
    {189, 24, 24},
    {190, 24, 24},
    {191, 24, 24},
    {168, 24, 24},
    {131, 24, 24},
    {312, 24, 24},
    {313, 24, 24},
    {330, 24, 24},
    {332, 24, 24},
    {334, 24, 24},
    {314, 24, 24},
    {292, 24, 24},
    {289, 24, 24},
    {305, 16, 16}};

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
    for (const ExpectedPicture& expected : kEveryPicture) {
        SCOPED_TRACE(expected.id);
        const wxBitmap bitmap = vk::art::ArtworkById(expected.id);
        ASSERT_TRUE(IsSeeThroughPicture(bitmap));
        EXPECT_EQ(bitmap.GetWidth(), expected.width);
        EXPECT_EQ(bitmap.GetHeight(), expected.height);
    }
    // No two numbers share a picture: a mix-up in the table would show the wrong icon.
    for (std::size_t i = 0; i < kEveryPicture.size(); ++i) {
        for (std::size_t j = i + 1; j < kEveryPicture.size(); ++j) {
            EXPECT_FALSE(SamePixels(vk::art::ArtworkById(kEveryPicture[i].id),
                                    vk::art::ArtworkById(kEveryPicture[j].id)))
                << kEveryPicture[i].id << " and " << kEveryPicture[j].id;
        }
    }
}

TEST(Artwork, NamedPicturesAreTheNumberedOnes) {
    EXPECT_TRUE(SamePixels(vk::art::ModifiedBitmap(), vk::art::ArtworkById(283)));
    EXPECT_TRUE(SamePixels(vk::art::UnmodifiedBitmap(), vk::art::ArtworkById(284)));
    EXPECT_TRUE(SamePixels(vk::art::WelcomePicture(), vk::art::ArtworkById(220)));
    EXPECT_TRUE(SamePixels(vk::art::KeyPicture(), vk::art::ArtworkById(139)));
    EXPECT_TRUE(SamePixels(vk::art::FolderBitmap(), vk::art::ArtworkById(182)));
    EXPECT_TRUE(SamePixels(vk::art::OpenFolderBitmap(), vk::art::ArtworkById(181)));
    EXPECT_TRUE(SamePixels(vk::art::RecordBitmap(), vk::art::ArtworkById(238)));
    EXPECT_TRUE(SamePixels(vk::art::ProgramIcon(32), vk::art::ArtworkById(128)));
    EXPECT_TRUE(SamePixels(vk::art::LockIcon(32), vk::art::ArtworkById(296)));

    // Field i's column icon is position i of the icon table.
    const int table[] = {185, 183, 184, 256, 257, 258, 259, 260, 261, 214, 215};
    for (int field = 0; field < vk::art::kColumnIconCount; ++field) {
        SCOPED_TRACE(field);
        EXPECT_TRUE(SamePixels(vk::art::ColumnIcon(field), vk::art::ArtworkById(table[field])));
    }

    // Decoded once: asking again hands out the same bitmap, not a fresh copy.
    EXPECT_TRUE(vk::art::FolderBitmap().IsSameAs(vk::art::FolderBitmap()));
}

TEST(Artwork, UnknownNumbersAndFieldsGiveInvalidPictures) {
    for (int id : {0, -1, 1, 127, 129, 180, 200, 216, 255, 262, 285, 295, 297, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(vk::art::ArtworkById(id).IsOk());
    }
    // URL, Email and Notes are never columns, so they have no column icon.
    for (int field : {-1, 11, 12, 13, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(field);
        EXPECT_FALSE(vk::art::ColumnIcon(field).IsOk());
    }
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

    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const wxIcon lock = vk::art::LockIcon(size);
        EXPECT_EQ(lock.GetWidth(), size);
        EXPECT_TRUE(IsSeeThroughPicture(lock));
    }

    // Sizes nobody drew are scaled, keeping their transparency; absurd ones are refused.
    for (int size : {1, 24, 64, 256}) {
        SCOPED_TRACE(size);
        const wxIcon program = vk::art::ProgramIcon(size), lock = vk::art::LockIcon(size);
        ASSERT_TRUE(program.IsOk());
        ASSERT_TRUE(lock.IsOk());
        EXPECT_EQ(program.GetSize(), wxSize(size, size));
        EXPECT_EQ(lock.GetSize(), wxSize(size, size));
        if (size > 1) {
            EXPECT_TRUE(IsSeeThroughPicture(program));
        }
    }
    for (int size : {0, -16, 257, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(vk::art::ProgramIcon(size).IsOk());
        EXPECT_FALSE(vk::art::LockIcon(size).IsOk());
    }
}
