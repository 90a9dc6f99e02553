// vaultkeep-cli report: the printed report as a PDF file, chosen as in the report dialog.
#include <memory>

#include "cli/command_table.h"
#include "cli/session.h"
#include "cli/user_settings.h"
#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/shell/messages.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/tools/report_run.h"
#include "platform/local_date_clock.h"
#include "platform/pdf/report_pdf.h"
#include "platform/posix_file_system.h"

namespace vk::cli {
namespace {

struct ReportArgs {
    std::string file, pdf, heading, fontSize, paper = "a4";
    std::vector<std::string> folders;
    ReportItems items;
    CReportSettings options;
    CLI::Option* headingGiven = nullptr;
    CLI::Option* fontSizeGiven = nullptr;
};

const CFolderTree::Node* NodeOfPath(const CFolderTree& tree, const CPasswordStore& store,
                                    const std::string& path) {
    const CFolderTree::Node* found = nullptr;
    tree.ForEachPreOrder([&](CFolderTree::Node& node) {
        if (!found && store.IsValidFolderIndex(node.folderIndex) &&
            NamesStoredText(store.folders[static_cast<std::size_t>(node.folderIndex)].path, path))
            found = &node;
    });
    return found;
}

int RunReport(const CommandIo& io, const ReportArgs& a) {
    Session s(io);
    if (!s.Load(a.file)) return 1;
    CFolderTree tree;
    tree.BuildFrom(s.store);
    CReportSelection selection(tree);
    if (!a.folders.empty()) {
        selection.TickAll(false);
        for (const std::string& path : a.folders) {
            const CFolderTree::Node* node = NodeOfPath(tree, s.store, path);
            if (!node) return s.Failed("No folder named \"" + path + "\" in " + a.file + ".");
            selection.SetTicked(node, true);
        }
    }
    if (!selection.AnyFolderTicked(s.store)) return s.Failed(msg::kNoFoldersSelected);
    if (IsSameExistingFile(a.pdf, a.file))
        return s.Failed("The report cannot replace the password file " + a.file + ".");

    const CSettings settings = LoadUserSettings();
    CReportSettings options = a.options;
    options.heading = a.headingGiven->count() ? a.heading : ReportHeadingFor(a.file);
    if (a.fontSizeGiven->count()) options.fontSize = ReportFontSizeFromText(a.fontSize);
    const SystemTime now = CLocalDateClock().LocalNow();
    const ReportRequest request{s.store,
                                selection,
                                settings,
                                a.items,
                                options,
                                now,
                                FormatDate(now, kReportDatePicture, UserLocale())};

    const FileStatus written =
        WriteReportPdf(s.Files(), a.pdf, *PaperSizeFromName(a.paper),
                       [&](IReportCanvas& canvas) { return LayOutReport(request, canvas); });
    if (!written.ok())
        return s.Failed(FileExceptionShortText(msg::kErrorWritingFile, written.error, a.pdf));
    return 0;
}

}  // namespace

void AddReportCommands(CommandTable& table) {
    auto a = std::make_shared<ReportArgs>();
    const CommandIo& io = table.Io();
    auto* report = table.Add("report", "Write the printed report of a file as a PDF",
                             [&io, a] { return RunReport(io, *a); });
    report->add_option("FILE", a->file, "Password file")->required();
    report->add_option("--pdf", a->pdf, "The PDF file to write (owner-only)")->required();
    report->add_option("--folder", a->folders,
                       "Report only this folder, by its path with '~' between the levels "
                       "(repeatable; its subfolders are not included)");
    report->add_flag("--passwords", a->items.passwords, "Include passwords");
    report->add_flag("--urls", a->items.urls, "Include web addresses or programs");
    report->add_flag("--emails", a->items.emails, "Include email addresses");
    report->add_flag("--comments", a->items.comments, "Include comments (notes)");
    a->headingGiven = report->add_option(
        "--heading", a->heading, "Heading of every page (default: Vaultkeep - FILE's name)");
    a->fontSizeGiven =
        report->add_option("--font-size", a->fontSize, "Font size in points, 6 to 30 (default 8)");
    report->add_flag("--expired-only", a->options.expiredOnly,
                     "Only records whose expiry date has passed");
    report->add_flag("--bars", a->options.bars, "A grey bar behind every other row");
    report->add_flag("--page-break", a->options.pageBreak,
                     "Start each top-level folder on a new page");
    report->add_option("--paper", a->paper, "Paper size: a4 (default) or letter")
        ->check(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
}

}  // namespace vk::cli
