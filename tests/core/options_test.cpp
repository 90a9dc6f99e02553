// The rules of the options pages and the sheet's OK and Cancel, over in-memory settings.
#include <gtest/gtest.h>

#include <map>

#include "core/settings/memory_settings_storage.h"
#include "core/tools/options.h"
#include "tests/support/counted_effects.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

ColumnChoice Ticked(std::initializer_list<int> fields) {
    ColumnChoice ticked{};
    for (int f : fields) ticked[static_cast<std::size_t>(f)] = true;
    return ticked;
}

TEST(Columns, SetsFollowFieldOrderRefuseNothingAndRestore) {
    test::ScriptedPrompt prompt;
    CSettings s;
    s.columnSets[1] = ColumnSetOf({});
    // Ticked "Date expires" first, then "Description": slots follow field order.
    EXPECT_TRUE(SetColumnsFromChoice(s, 2, Ticked({kDateExpires, kDescription}), prompt));
    EXPECT_EQ(s.columnSets[1], ColumnSetOf({0, 10}));
    EXPECT_TRUE(SetColumnsFromChoice(s, 2, Ticked({kPassword}), prompt));
    EXPECT_EQ(s.columnSets[1], ColumnSetOf({2}));
    EXPECT_FALSE(SetColumnsFromChoice(s, 2, Ticked({}), prompt));
    EXPECT_EQ(s.columnSets[1], ColumnSetOf({2}));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"You must select at least one column"});
    // A stored order shows as boxes without being reordered.
    s.columnSets[0] = ColumnSetOf({10, 3, 3});
    EXPECT_EQ(ShownColumns(s.columnSets[0]), Ticked({3, 10}));

    s.categoryNames[2] = "Money";
    s.columnSets[2] = ColumnSetOf({1});
    RestoreCategoryDefaults(s, 3);
    EXPECT_EQ(s.columnSets[2], ColumnSetOf({0, 5, 6, 7, 8, 10}));
    EXPECT_EQ(s.categoryNames[2], "Banking");
    EXPECT_EQ(s.columnSets[0], ColumnSetOf({10, 3, 3}));
}

TEST(Columns, NamesLabelsAndIcons) {
    CSettings s;
    EXPECT_FALSE(RenameCategory(s, 1, ""));
    EXPECT_EQ(s.categoryNames[0], "Default");
    EXPECT_TRUE(RenameCategory(s, 9, std::string(40, 'x')));  // 9 counts as the first
    EXPECT_EQ(s.categoryNames[0], std::string(32, 'x'));
    // 31 bytes and a two-byte character: the character does not fit and is not split.
    EXPECT_EQ(CutName(std::string(31, 'a') + "\xC3\xA9", 32), std::string(31, 'a'));

    EXPECT_EQ(LabelText("R&D\tx"), "R&&D x");
    EXPECT_EQ(ColumnsFrameText("R&D"), "R&&D columns");
    EXPECT_EQ(ShortName("Caf\xE9\x01", 10), "Caf\xC3\xA9 ");
    EXPECT_EQ(ShortName("abcdef", 3), "abc\xE2\x80\xA6");
    EXPECT_EQ(ShortName("\xC2\x85z", 3), " z");

    EXPECT_EQ(IconIndex(214), 9);
    for (std::int32_t missing : {0, -1, 999, 2147483647}) EXPECT_EQ(IconIndex(missing), 0);
    s.columnIcons[4] = 77;
    EXPECT_EQ(IconIndexOfField(s, 4), 0);
    EXPECT_EQ(IconIndexOfField(s, 40), 0);

    // The refusals' texts are checked on the sheet.
    EXPECT_EQ(IconChangeRefusal(kDateExpires), IconRefusal::kDate);
    EXPECT_EQ(IconChangeRefusal(kBank), IconRefusal::kNone);
    EXPECT_FALSE(SetColumnIcon(s, kPassword, 0));
    EXPECT_FALSE(SetColumnIcon(s, kBank, 11));
    EXPECT_TRUE(SetColumnIcon(s, kBank, 1));
    EXPECT_EQ(s.columnIcons[kBank], 183);

    s.columnNames[0] = "Site";
    ResetColumnNamesAndIcons(s);
    EXPECT_EQ(s.columnNames, CSettings().columnNames);
    EXPECT_EQ(s.columnIcons, CSettings().columnIcons);
}

TEST(OptionsPages, DigitsSpinAndTransparency) {
    const struct {
        const char* typed;
        const char* text;
        bool cleaned;
        std::uint32_t value;
    } days[] = {{"12a4", "124", true, 124},
                {"365", "365", false, 365},
                {"123456", "1234", true, 1234},
                {"", "", false, 0},
                {"x", "", true, 0}};
    for (const auto& d : days) {
        const DigitsInput input = FilterDigits(d.typed, 4, kMaxExpirationDays);
        EXPECT_EQ(input.text, d.text) << d.typed;
        EXPECT_EQ(input.cleaned, d.cleaned) << d.typed;
        EXPECT_EQ(input.value, d.value) << d.typed;
    }
    EXPECT_EQ(FilterDigits("9999999", 7, kMaxClearSeconds).value, kMaxClearSeconds);

    EXPECT_EQ(SpinSeconds(30, true, 1), 31u);
    EXPECT_EQ(SpinSeconds(30, true, 5), 35u);
    EXPECT_EQ(SpinSeconds(2000, true, 1), 300u);
    EXPECT_EQ(SpinSeconds(0, false, 5), 5u);
    EXPECT_EQ(SpinSeconds(7, false, 5), 5u);
    CSpinAcceleration spin;
    EXPECT_EQ(spin.Step(10000), 1u);
    EXPECT_EQ(spin.Step(10500), 1u);
    EXPECT_EQ(spin.Step(11000), 5u);  // held for a second
    EXPECT_EQ(spin.Step(13000), 1u);  // a new click

    const struct {
        std::uint32_t transparency;
        int position;
        const char* percent;
    } slider[] = {{255, 0, "0%"}, {128, 127, "50%"}, {200, 55, "21%"}, {0, 127, "100%"}};
    for (const auto& t : slider) {
        EXPECT_EQ(TransparencySliderPosition(t.transparency), t.position) << t.transparency;
        EXPECT_EQ(TransparencyPercentText(t.transparency), t.percent) << t.transparency;
    }
    EXPECT_EQ(TransparencyOfSliderPosition(127), 128u);
    EXPECT_EQ(TransparencyOfSliderPosition(500), 128u);
}

class OptionsSessionTest : public ::testing::Test {
  protected:
    OptionsSessionTest() {
        storage.values = {{"Columns4", "4,3,"}, {"CategoryName1", "Web"}, {"ClearClipboard", "1"}};
        store.LoadSettings(settings);
        storage.commits = 0;
    }
    OptionsEffects Effects() {
        OptionsEffects effects;
        test::CountEffects(effects, applied);
        return effects;
    }
    std::map<std::string, int> applied;
    CMemorySettingsStorage storage;
    test::ScriptedPrompt prompt;
    CSettingsStore store{storage, prompt, [](const std::string&) { return true; }};
    CSettings settings;
    CPasswordStore file;
    COptionsSession session{settings, store, file, prompt, Effects()};
};

TEST_F(OptionsSessionTest, ChangesApplyAtOnceAndOkSavesThemAll) {
    session.SetFlag(&CSettings::clearClipboard, false);
    session.SetFlag(&CSettings::sysTrayIcon, false);
    session.SetFlag(&CSettings::startWithWindows, true);
    session.SetFlag(&CSettings::mask, false);
    session.MoveTransparencySlider(127);
    EXPECT_EQ((std::map<std::string, int>{
                  {"timer", 1}, {"tray", 1}, {"startup", 1}, {"transparency", 1}}),
              applied);
    EXPECT_EQ(session.TypeClearSeconds("4x5").text, "45");
    EXPECT_EQ(settings.clearSeconds, 45u);
    session.ChooseExpirationDays(5);
    EXPECT_EQ(settings.expirationDays, 365u);
    session.SelectCategory(2);
    EXPECT_TRUE(session.ClickColumnBox(Ticked({kUsername})));
    EXPECT_TRUE(session.RenameCurrentCategory("Mail & Web"));
    session.ChooseDefaultCategory(3);
    session.SetColumnName(kBank, "Institution");
    EXPECT_TRUE(session.NamesChanged());
    EXPECT_FALSE(session.IconsChanged());
    EXPECT_EQ(storage.commits, 0);

    file.filePath = "/d/open.vk";
    applied.clear();
    const OptionsOutcome outcome = session.Confirm();
    EXPECT_TRUE(outcome.saved);
    EXPECT_TRUE(outcome.namesChanged);
    EXPECT_EQ((std::map<std::string, int>{{"startup", 1}, {"editor", 1}, {"quick", 1}}), applied);
    const std::map<std::string, std::string> expected = {
        {"ClearClipboard", "0"},
        {"SysTrayIcon", "0"},
        {"StartWithWindows", "1"},
        {"Mask", "0"},
        {"Transparency", "128"},
        {"ClearSeconds", "45"},
        {"ExpirationDays", "365"},
        {"DefaultCategory", "4"},
        {"LastFile", "/d/open.vk"},
        {"Columns1", "0,1,2,9,10,-1,-1,-1,-1,-1,-1,"},
        {"Columns2", "1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,"},
        {"CategoryName1", "Mail & Web"},
        {"ColumnName6", "Institution"},
        {"ColumnIcon6", "259"}};
    for (const auto& [name, value] : expected) EXPECT_EQ(storage.values[name], value) << name;
}

TEST_F(OptionsSessionTest, CancelWritesNothingAndBringsEverythingBack) {
    session.SetFlag(&CSettings::clearClipboard, false);
    session.SetFlag(&CSettings::sysTrayIcon, false);
    session.SelectCategory(4);
    EXPECT_FALSE(session.ClickColumnBox(Ticked({})));  // refused: the stored order is kept
    EXPECT_EQ(settings.columnSets[3], ColumnSetOf({4, 3}));
    EXPECT_TRUE(session.SetColumnIcon(kTitle, 3));
    session.RestoreNamesAndIcons();
    applied.clear();

    session.Cancel();
    EXPECT_EQ(storage.commits, 0);
    EXPECT_TRUE(settings.clearClipboard);
    EXPECT_TRUE(settings.sysTrayIcon);
    EXPECT_EQ(settings.categoryNames[1], "Web");
    // A name edit losing the focus while the sheet closes changes nothing any more.
    EXPECT_FALSE(session.RenameCurrentCategory("late"));
    EXPECT_EQ(settings.categoryNames[3], "Software");
    for (const char* hook : test::kEffectNames) EXPECT_EQ(applied[hook], 1) << hook;
}

}  // namespace
}  // namespace vk
