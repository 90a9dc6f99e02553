#include "core/ui/help_topics.h"

namespace vk {
namespace {

struct DialogTopic {
    int dialogId;
    int topic;
};

constexpr DialogTopic kDialogTopics[] = {
    {100, help::kAbout},          {107, help::kTipOfTheDay},     {158, help::kGenerator},
    {179, help::kSelectPassword}, {180, help::kQuickAccess},     {206, help::kReport},
    {216, help::kEnterPassword},  {219, help::kWelcome},         {222, help::kPreferences},
    {225, help::kSystemTray},     {227, help::kColumnSettings},  {249, help::kExport},
    {250, help::kImport},         {262, help::kSearch},          {278, help::kExportWarning},
    {295, help::kColumnNames},    {339, help::kCategoryWarning}, {360, help::kCustomizeToolbar},
};

struct TopicPage {
    int topic;
    const char* page;
};

constexpr TopicPage kTopicPages[] = {
    {help::kMainWindow, "main_window.html"},
    {help::kPreferences, "options_preferences.html"},
    {help::kColumnSettings, "options_column_settings.html"},
    {help::kImport, "import.html"},
    {help::kExport, "export.html"},
    {help::kSystemTray, "options_system_tray.html"},
    {help::kColumnNames, "options_column_names.html"},
    {help::kAbout, "about.html"},
    {help::kTipOfTheDay, "tip_of_the_day.html"},
    {help::kGenerator, "generator.html"},
    {help::kSelectPassword, "select_password.html"},
    {help::kQuickAccess, "quick_access.html"},
    {help::kReport, "report.html"},
    {help::kEnterPassword, "enter_password.html"},
    {help::kWelcome, "welcome.html"},
    {help::kSearch, "search.html"},
    {help::kExportWarning, "export.html"},
    {help::kCategoryWarning, "moving_records.html"},
    {help::kCustomizeToolbar, "customize_toolbar.html"},
    {help::kCommandLineTool, "command_line.html"},
    {help::kMasterPasswordProtection, "master_password.html"},
};

}  // namespace

int HelpTopicOfDialog(int dialogId) {
    for (const DialogTopic& entry : kDialogTopics)
        if (entry.dialogId == dialogId) return entry.topic;
    return help::kNone;
}

const char* HelpPageOfTopic(int topic) {
    for (const TopicPage& entry : kTopicPages)
        if (entry.topic == topic) return entry.page;
    return HelpPageOfTopic(help::kMainWindow);
}

const std::vector<int>& HelpTopics() {
    static const std::vector<int> kTopics = [] {
        std::vector<int> topics;
        for (const TopicPage& entry : kTopicPages) topics.push_back(entry.topic);
        return topics;
    }();
    return kTopics;
}

CHelpContext::Scope::Scope(CHelpContext& context, int topic)
    : context_(context), previous_(context.Current()) {
    if (topic != help::kNone) context_.Set(topic);
}

CHelpContext::Scope::~Scope() {
    context_.Set(previous_);
}

}  // namespace vk
