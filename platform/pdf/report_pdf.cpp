#include "platform/pdf/report_pdf.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "core/shell/letter_case.h"
#include "core/shell/text_encoding.h"
#include "core/store/atomic_file.h"

namespace vk {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr const char kFace[] = "Arial";
constexpr const char kProducer[] = "Vaultkeep";
constexpr double kBandGrey = 240.0 / 255.0;

struct PaperPoints {
    double width;
    double height;
};

PaperPoints PointsOf(PaperSize paper) {
    return paper == PaperSize::kLetter ? PaperPoints{612.0, 792.0}
                                       : PaperPoints{595.2756, 841.8898};  // 210 x 297 mm
}

// The bytes cairo produces go into our own file, so that every write is checked.
struct StreamSink {
    IWriteFile* file = nullptr;
    FileStatus status;

    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
        auto* sink = static_cast<StreamSink*>(closure);
        if (!sink->status.ok()) return CAIRO_STATUS_WRITE_ERROR;
        sink->status = sink->file->Append(data, length);
        return sink->status.ok() ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
    }
};

// The four styles of the report's face, as fontconfig matches them on this system.
class FontFaces {
  public:
    FontFaces() {
        for (int style = 0; style < 4; ++style) faces_[style] = Match(style & 1, style & 2);
    }
    ~FontFaces() {
        for (cairo_font_face_t* face : faces_)
            if (face) cairo_font_face_destroy(face);
    }
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    cairo_font_face_t* Get(bool bold, bool italic) const {
        return faces_[(bold ? 1 : 0) | (italic ? 2 : 0)];
    }
    bool Complete() const {
        for (cairo_font_face_t* face : faces_)
            if (!face || cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) return false;
        return true;
    }

  private:
    static cairo_font_face_t* Match(bool bold, bool italic) {
        FcPattern* wanted = FcPatternCreate();
        FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFace));
        FcPatternAddInteger(wanted, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(wanted, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
        FcDefaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(nullptr, wanted, &result);
        FcPatternDestroy(wanted);
        if (!found) return nullptr;
        cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(found);
        FcPatternDestroy(found);
        return face;
    }

    std::array<cairo_font_face_t*, 4> faces_{};
};

// Measures and draws the report on the pages of a cairo PDF surface.
class PdfCanvas : public IReportCanvas {
  public:
    PdfCanvas(cairo_surface_t* surface, PaperPoints paper, const FontFaces& faces)
        : cr_(cairo_create(surface)), paper_(paper), faces_(faces) {
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_set_font_options(cr_, options);
        cairo_font_options_destroy(options);
    }
    ~PdfCanvas() override { cairo_destroy(cr_); }
    PdfCanvas(const PdfCanvas&) = delete;
    PdfCanvas& operator=(const PdfCanvas&) = delete;

    cairo_status_t Status() const { return cairo_status(cr_); }

    ReportDevice Device() override {
        const int perInch = static_cast<int>(kPointsPerInch);
        return ReportDevice{perInch, perInch, static_cast<int>(std::lround(paper_.width)),
                            static_cast<int>(std::lround(paper_.height))};
    }
    void SetFont(const ReportFont& font) override {
        font_ = font;
        cairo_set_font_face(cr_, faces_.Get(font.bold, font.italic));
        cairo_set_font_size(cr_, font.points);  // one unit is one point
        cairo_font_extents(cr_, &extents_);
    }
    ReportFontMetrics Metrics() override {
        // Rounded part by part, as a printer's font reports whole device units.
        const int ascent = static_cast<int>(std::lround(extents_.ascent));
        const int descent = static_cast<int>(std::lround(extents_.descent));
        const double gap = extents_.height - extents_.ascent - extents_.descent;
        return {ascent + descent, std::max(0, static_cast<int>(std::lround(gap)))};
    }
    int TextWidth(const std::string& text) override {
        return static_cast<int>(std::ceil(Advance(text)));
    }
    void StartPage() override {}
    void EndPage() override { cairo_show_page(cr_); }
    void DrawText(const std::string& text, const ReportBox& box, ReportAlign align) override {
        const std::string utf8 = IsValidUtf8(text) ? text : TextAsUtf8(text);
        const double width = Advance(utf8);
        double x = box.left;
        if (align == ReportAlign::kCentre) x = box.left + (box.Width() - width) / 2;
        if (align == ReportAlign::kRight) x = box.right - width;
        const double baseline = box.top + extents_.ascent;
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_move_to(cr_, x, baseline);
        cairo_show_text(cr_, utf8.c_str());
        if (font_.underline) {
            const double thickness = std::max(0.5, font_.points / 16.0);
            cairo_rectangle(cr_, x, baseline + font_.points / 8.0, width, thickness);
            cairo_fill(cr_);
        }
    }
    void FillBand(const ReportBox& box) override {
        cairo_set_source_rgb(cr_, kBandGrey, kBandGrey, kBandGrey);
        cairo_rectangle(cr_, box.left, box.top, box.Width(), box.bottom - box.top);
        cairo_fill(cr_);
    }
    void DrawRule(int left, int right, int y) override {
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_rectangle(cr_, left, y, right - left, 1);
        cairo_fill(cr_);
    }

  private:
    double Advance(const std::string& utf8) {
        cairo_text_extents_t te;
        cairo_text_extents(cr_, utf8.c_str(), &te);
        return te.x_advance;
    }

    cairo_t* cr_;
    PaperPoints paper_;
    const FontFaces& faces_;
    ReportFont font_;
    cairo_font_extents_t extents_{};
};

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

FileStatus WritePdfStream(IWriteFile& file, PaperSize paper,
                          const std::function<CReportDocument(IReportCanvas&)>& layOut) {
    const FontFaces faces;
    if (!faces.Complete())
        return FileStatus::Error(std::string("No font for \"") + kFace + "\" is installed");
    StreamSink sink;
    sink.file = &file;
    const PaperPoints points = PointsOf(paper);
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_pdf_surface_create_for_stream(
        &StreamSink::Write, &sink, points.width, points.height));
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, kProducer);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, kProducer);
    cairo_status_t status = CAIRO_STATUS_SUCCESS;
    {
        PdfCanvas canvas(surface.get(), points, faces);
        const CReportDocument document = layOut(canvas);
        document.DrawAll(canvas);
        status = canvas.Status();
    }
    cairo_surface_finish(surface.get());
    if (!sink.status.ok()) return sink.status;
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface.get());
    if (status != CAIRO_STATUS_SUCCESS) return FileStatus::Error(cairo_status_to_string(status));
    return FileStatus::Ok();
}

}  // namespace

std::optional<PaperSize> PaperSizeFromName(const std::string& name) {
    const std::string lower = LowerCaseText(name);
    if (lower == "a4") return PaperSize::kA4;
    if (lower == "letter") return PaperSize::kLetter;
    return std::nullopt;
}

FileStatus WriteReportPdf(IFileSystem& fs, const std::string& path, PaperSize paper,
                          const std::function<CReportDocument(IReportCanvas&)>& layOut) {
    return WriteOwnerOnlyFile(
        fs, path, [&](IWriteFile& file) { return WritePdfStream(file, paper, layOut); });
}

}  // namespace vk
