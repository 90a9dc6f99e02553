#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/store/file_system.h"
#include "core/tools/report_canvas.h"
#include "core/tools/report_document.h"

namespace vk {

enum class PaperSize { kA4, kLetter };

// "a4" or "letter" in any letter case.
std::optional<PaperSize> PaperSizeFromName(const std::string& name);

// Lays a report out for PDF pages of `paper` (72 units per inch, the "Arial" face through
// fontconfig, fonts embedded) and writes it to `path` owner-only through a temporary file
// that replaces `path` only once every byte is on the disk. On failure `path` is as it was,
// nothing is left behind, and the status says why.
FileStatus WriteReportPdf(IFileSystem& fs, const std::string& path, PaperSize paper,
                          const std::function<CReportDocument(IReportCanvas&)>& layOut);

}  // namespace vk
