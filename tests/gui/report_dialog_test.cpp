// The report dialog on the test display: folder ticks, the settings it keeps and the preview's
// pages.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "core/shell/clock.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/tools/report_dlg.h"
#include "gui/tools/report_printout.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/modal_answer.h"
#include "tests/gui/test_app_context.h"

namespace vk {
namespace {

class FixedDate : public IDateClock {
  public:
    SystemTime LocalNow() override { return SystemTime{2024, 6, 0, 15, 12, 0, 0, 0}; }
};

class ReportDialogTest : public ::testing::Test, protected test::TestAppContext {
  protected:
    ReportDialogTest() {
        context.store.filePath = "/home/me/Family.vk";
        context.store.loadComplete = true;
        for (const char* path : {"A", "A~B", "A~B~C", "D"}) context.store.AddFolder(path, 1);
        auto& records = context.store.folders[3].records;
        for (int i = 0; i < 300; ++i) {
            records.emplace_back();
            records.back()[kDescription] = "Record " + std::to_string(i);
        }
        dialog = new CReportDlg(nullptr, context, today);
    }
    ~ReportDialogTest() override {
        dialog->Destroy();
        wxTheApp->ProcessIdle();
    }
    // Whether each of the tree's items is ticked, in display order: A, B, C, D.
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (wxTreeItemId i = dialog->Tree()->GetFirstVisibleItem(); i.IsOk();
             i = dialog->Tree()->GetNextVisible(i))
            ticks.push_back(dialog->IsTicked(i));
        return ticks;
    }
    wxTreeItemId First() { return dialog->Tree()->GetFirstVisibleItem(); }

    FixedDate today;
    CReportDlg* dialog = nullptr;
};

TEST_F(ReportDialogTest, ClearingAFolderClearsItsSubtreeTickingTicksItAlone) {
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, true, true, true}));
    dialog->ToggleFolder(First());
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, false, true}));
    dialog->ToggleFolder(First());
    EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, false, true}));

    // With nothing ticked the report refuses with the program's message.
    test::Click(dialog, 1091);
    test::MessageBoxAnswer answer;
    EXPECT_FALSE(dialog->TakeChoices());
    EXPECT_EQ(answer.messages, std::vector<std::string>{"No folders are selected."});
}

TEST_F(ReportDialogTest, ChoicesBecomeTheSettingsAndThePreviewCountsThePages) {
    EXPECT_EQ(context.report.heading, "Vaultkeep - Family.vk");
    auto* size = static_cast<wxComboBox*>(wxWindow::FindWindowById(10630, dialog));
    EXPECT_EQ(size->GetValue(), "8");
    size->SetValue("40");
    ASSERT_TRUE(dialog->TakeChoices());
    EXPECT_EQ(context.report.fontSize, 30);

    test::Click(dialog, 1105, wxEVT_CHECKBOX, 1);
    EXPECT_TRUE(context.report.bars);

    size->SetValue("6");
    dialog->Show();
    dialog->Preview();
    wxPreviewFrame* frame = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* f = dynamic_cast<wxPreviewFrame*>(w)) frame = f;
    ASSERT_NE(frame, nullptr);
    wxPrintPreviewBase* preview = frame->GetControlBar()->GetPrintPreview();
    const auto* printout = static_cast<CReportPrintout*>(preview->GetPrintout());
    test::Until([&] { return printout->PageCount() > 0; });
    EXPECT_GE(printout->PageCount(), 2);
    EXPECT_EQ(preview->GetMaxPage(), printout->PageCount());
    frame->Close();
}

}  // namespace
}  // namespace vk
