// The report dialog on the test display: folder ticks, the settings it keeps, the preview's
// pages and a PDF saved through the dialog.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <cstdlib>

#include "core/settings/memory_settings_storage.h"
#include "core/shell/clock.h"
#include "gui/app/app_context.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/tools/report_dlg.h"
#include "gui/tools/report_printout.h"
#include "gui/ui/wx_date_format.h"
#include "tests/gui/modal_answer.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/null_services.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class FixedClock : public IClock, public IDateClock {
  public:
    std::uint64_t TickMs() override { return 0; }
    SystemTime LocalNow() override { return SystemTime{2024, 6, 0, 15, 12, 0, 0, 0}; }
};

class ReportDialogTest : public ::testing::Test {
  protected:
    ReportDialogTest() : context(storage, fs, prompt, dates, clipboard, clock, "/prog/") {
        context.store.filePath = "/home/me/Family.vk";
        context.store.loadComplete = true;
        for (const char* path : {"A", "A~B", "A~B~C", "D"}) context.store.AddFolder(path, 1);
        auto& records = context.store.folders[3].records;
        for (int i = 0; i < 300; ++i) {
            records.emplace_back();
            records.back()[kDescription] = "Record " + std::to_string(i);
        }
        dialog = new CReportDlg(nullptr, context, clock);
    }
    ~ReportDialogTest() override {
        dialog->Destroy();
        wxTheApp->ProcessIdle();
    }
    // The tree's items in display order: A, B, C, D.
    std::vector<wxTreeItemId> Items() {
        std::vector<wxTreeItemId> items;
        for (wxTreeItemId i = dialog->Tree()->GetFirstVisibleItem(); i.IsOk();
             i = dialog->Tree()->GetNextVisible(i))
            items.push_back(i);
        return items;
    }
    // For looking at, when VK_SCREENSHOTS names a folder.
    static void Screenshot(const std::string& name) {
        const char* folder = std::getenv("VK_SCREENSHOTS");
        if (!folder) return;
        for (int i = 0; i < 10; ++i) {
            wxYield();
            wxMilliSleep(30);
        }
        const std::string command = "import -window root " + std::string(folder) + "/" + name;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (const auto& item : Items()) ticks.push_back(dialog->IsTicked(item));
        return ticks;
    }

    CMemorySettingsStorage storage;
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CWxDateFormat dates;
    test::NullClipboard clipboard;
    FixedClock clock;
    CAppContext context;
    CReportDlg* dialog = nullptr;
};

TEST_F(ReportDialogTest, ClearingAFolderClearsItsSubtreeTickingTicksItAlone) {
    ASSERT_EQ(Items().size(), 4u);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true, true}));
    dialog->ToggleFolder(Items()[0]);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, false, true}));
    dialog->ToggleFolder(Items()[0]);
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, false, true}));

    // With nothing ticked the report refuses with the program's message.
    wxCommandEvent none(wxEVT_BUTTON, 1091);
    wxWindow::FindWindowById(1091, dialog)->GetEventHandler()->ProcessEvent(none);
    std::string shown;
    test::ModalAnswer answer([&](wxDialog* d) {
        if (auto* box = dynamic_cast<wxMessageDialog*>(d)) shown = box->GetMessage().utf8_string();
        return wxID_OK;
    });
    EXPECT_FALSE(dialog->TakeChoices());
    EXPECT_EQ(shown, "No folders are selected.");
}

TEST_F(ReportDialogTest, ChoicesBecomeTheSettingsAndThePreviewCountsThePages) {
    EXPECT_EQ(context.report.heading, "Vaultkeep - Family.vk");
    auto* size = static_cast<wxComboBox*>(wxWindow::FindWindowById(10630, dialog));
    EXPECT_EQ(size->GetValue(), "8");
    size->SetValue("40");
    ASSERT_TRUE(dialog->TakeChoices());
    EXPECT_EQ(context.report.fontSize, 30);

    auto* bars = wxWindow::FindWindowById(1105, dialog);
    wxCommandEvent click(wxEVT_CHECKBOX, 1105);
    click.SetInt(1);
    click.SetEventObject(bars);
    bars->GetEventHandler()->ProcessEvent(click);
    EXPECT_TRUE(context.report.bars);

    size->SetValue("6");
    dialog->Show();
    Screenshot("dialog.png");
    dialog->Preview();
    wxPreviewFrame* frame = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* f = dynamic_cast<wxPreviewFrame*>(w)) frame = f;
    ASSERT_NE(frame, nullptr);
    wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
    const auto* printout = static_cast<CReportPrintout*>(preview->GetPrintout());
    for (int i = 0; i < 100 && printout->PageCount() == 0; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
    EXPECT_GE(printout->PageCount(), 2);
    EXPECT_EQ(preview->GetMaxPage(), printout->PageCount());
    Screenshot("preview.png");
    frame->Close();
}

}  // namespace
}  // namespace vk
