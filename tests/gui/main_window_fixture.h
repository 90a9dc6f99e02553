#pragma once
// A main window on the test display over in-memory files and settings, and a password file
// with folders of several categories to open in it.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "gui/app/main_window.h"
#include "gui/editor/password_editor_dlg.h"
#include "tests/gui/test_app_context.h"

namespace vk::test {

class MainWindowFixture : public ::testing::Test, protected TestAppContext {
  protected:
    MainWindowFixture() {
        context.quit = [this] { ++quits; };
        context.trayIconShown = [this] { return trayShown; };
    }
    ~MainWindowFixture() override {
        if (window) window->Destroy();
        wxTheApp->ProcessIdle();
    }
    CMainWindow& Open() {
        window = new CMainWindow(context);
        window->Show();
        return *window;
    }
    // Banking (2 records) with Banking~Cards (2), Internet (passwords), Software (empty).
    void MakeFile(const std::string& path) {
        CPasswordStore s;
        s.filePath = path;
        s.loadComplete = true;
        s.encrypted = false;
        s.AddFolder("Banking", 3);
        AddRecords(s.folders.back(), {"Savings", "Current"});
        s.AddFolder("Banking~Cards", 3);
        AddRecords(s.folders.back(), {"Visa", "Amex"});
        s.AddFolder("Internet", 2);
        AddRecords(s.folders.back(), {"Mail", "Forum"});
        s.folders.back().records.Mutable()[0][kPassword] = "x";
        s.folders.back().records.Mutable()[1][kPassword] = std::string(40, 'p');
        s.AddFolder("Software", 4);
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(s), 1);
    }
    // Opens the file in the window and hands back the editor.
    CPasswordEditorDlg& OpenFile(const std::string& path = "/d/Accounts.vk") {
        MakeFile(path);
        if (!window) Open();
        window->Editor()->Files().Open(&path);
        return *window->Editor();
    }
    wxMenuItem* Item(int id) { return window->GetMenuBar()->FindItem(cmd::WxId(id)); }
    std::vector<std::string> Descriptions(int folder) const {
        std::vector<std::string> out;
        for (const CRecord& r : context.store.folders.at(static_cast<std::size_t>(folder)).records)
            out.push_back(r[kDescription]);
        return out;
    }

    static void AddRecords(CFolder& folder, std::initializer_list<const char*> descriptions) {
        for (const char* d : descriptions) {
            CRecord r;
            r[kDescription] = d;
            folder.records.push_back(r);
        }
    }

    CMainWindow* window = nullptr;
    bool trayShown = false;
    int quits = 0;
};

}  // namespace vk::test
