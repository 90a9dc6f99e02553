#pragma once
#include <vector>

namespace vk {

// Help topic numbers. Every window that has a topic makes it current while it is active; the
// Help command and F1 show the current topic, the main window's when none is set.
namespace help {
inline constexpr int kNone = 0;
inline constexpr int kMainWindow = 1005;  // also the topic of anything without its own
inline constexpr int kPreferences = 1010;
inline constexpr int kColumnSettings = 1011;
inline constexpr int kImport = 1012;
inline constexpr int kExport = 1018;  // the import/export sheet and its Export page
inline constexpr int kSystemTray = 1022;
inline constexpr int kColumnNames = 1023;
// The program's own numbers for the other windows.
inline constexpr int kAbout = 1100;
inline constexpr int kTipOfTheDay = 1107;
inline constexpr int kGenerator = 1158;
inline constexpr int kSelectPassword = 1179;
inline constexpr int kQuickAccess = 1180;
inline constexpr int kReport = 1206;
inline constexpr int kEnterPassword = 1216;
inline constexpr int kWelcome = 1219;
inline constexpr int kSearch = 1262;
inline constexpr int kExportWarning = 1278;
inline constexpr int kCategoryWarning = 1339;
inline constexpr int kCustomizeToolbar = 1400;
inline constexpr int kCommandLineTool = 1500;
inline constexpr int kMasterPasswordProtection = 1501;
}  // namespace help

// The topic of the dialog made from resource `dialogId` (the numbers the dialogs are created
// with); kNone for a dialog without one, which then shows the topic of the window under it.
int HelpTopicOfDialog(int dialogId);

// The page of the help book that shows `topic`; the main window's page for an unknown one.
const char* HelpPageOfTopic(int topic);

// Every topic with a page of its own.
const std::vector<int>& HelpTopics();

// The topic that is current, the way windows nest: a dialog makes its topic current when it
// opens and gives back the one it found when it closes, so a closed dialog's topic never
// outlives it. Pages of a dialog change the current topic while the dialog is open.
class CHelpContext {
  public:
    int Current() const { return current_; }
    // What Help shows: the current topic, or the main window's.
    int TopicToShow() const { return current_ == help::kNone ? help::kMainWindow : current_; }
    void Set(int topic) { current_ = topic; }

    // Active while it lives: a window's topic over whatever was current before.
    class Scope {
      public:
        Scope(CHelpContext& context, int topic);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        CHelpContext& context_;
        int previous_;
    };

  private:
    int current_ = help::kNone;
};

}  // namespace vk
