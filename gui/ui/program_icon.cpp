#include "gui/ui/program_icon.h"

#include <wx/bitmap.h>
#include <wx/image.h>

#include <cmath>

namespace vk {
namespace {

constexpr int kSize = 32;

struct Rgb {
    unsigned char r, g, b;
};

// A padlock: a grey shackle over a gold body with a dark keyhole.
void PaintPadlock(wxImage& image) {
    const Rgb shackle{110, 118, 130}, body{214, 160, 38}, edge{150, 104, 18}, hole{48, 36, 20};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb* colour = nullptr;
            const bool inBody = x >= 5 && x <= 26 && y >= 14 && y <= 29;
            if (inBody) {
                const bool border = x == 5 || x == 26 || y == 14 || y == 29;
                const double kx = x - 15.5, ky = y - 19.5;
                const bool keyhole =
                    (kx * kx + ky * ky <= 6.5) || (std::fabs(kx) <= 1.0 && y >= 20 && y <= 25);
                colour = keyhole ? &hole : border ? &edge : &body;
            } else if (y < 14) {
                // The shackle: a half ring above the body, with straight legs down into it.
                const double dx = std::fabs(x - 15.5), dy = y < 10 ? 10.0 - y : 0.0;
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r >= 6.0 && r <= 9.5) colour = &shackle;
            }
            if (colour) {
                image.SetRGB(x, y, colour->r, colour->g, colour->b);
                image.SetAlpha(x, y, 255);
            } else {
                image.SetRGB(x, y, 0, 0, 0);
                image.SetAlpha(x, y, 0);
            }
        }
    }
}

}  // namespace

wxIcon ProgramIcon() {
    static wxIcon icon;
    if (!icon.IsOk()) {
        wxImage image(kSize, kSize);
        image.InitAlpha();
        PaintPadlock(image);
        icon.CopyFromBitmap(wxBitmap(image));
    }
    return icon;
}

}  // namespace vk
