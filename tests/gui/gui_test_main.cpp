// Entry point of the GUI tests: one wxApp for the whole run, and a failed toolkit assertion
// fails the test instead of opening a dialog that would hang a headless run.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Windows of finished tests are torn down after the processes they were embedded in (the
// tray host) have gone; the display then reports windows it no longer knows. That says
// nothing about the program, and must not turn a passing run into a failing one.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion failed in " << func.utf8_str() << ": "
                                          << cond.utf8_str() << " " << msg.utf8_str();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery only lists names: no display is needed for that.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    wxApp::SetInstance(new wxApp());
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::fprintf(stderr, "Cannot start the toolkit: is there an X display?\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxSetAssertHandler(FailOnAssert);
    const int result = RUN_ALL_TESTS();
    XSetErrorHandler(IgnoreXError);
    wxEntryCleanup();
    return result;
}
