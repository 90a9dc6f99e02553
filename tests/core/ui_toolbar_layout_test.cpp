// The toolbar's button table, its saved layout (with damaged ones) and the customisation model.
#include <gtest/gtest.h>

#include <set>

#include "core/app/command_ids.h"
#include "core/settings/memory_settings_storage.h"
#include "core/settings/settings_store.h"
#include "core/ui/toolbar_customization.h"
#include "core/ui/toolbar_layout.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

std::vector<std::uint8_t> Block(std::initializer_list<std::uint32_t> numbers) {
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t n : numbers)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(n >> shift));
    return bytes;
}

TEST(ToolbarLayout, ButtonTableAndMissingCommands) {
    std::set<int> commands;
    for (const ToolbarButton& b : ToolbarButtons()) {
        EXPECT_TRUE(commands.insert(b.command).second) << b.command;
        EXPECT_NE(b.command, kToolbarSeparator);
        EXPECT_NE(std::string(b.tooltip), "");
    }
    EXPECT_EQ(FindToolbarButton(12345), nullptr);
    // The label rule is checked on the real toolbar.

    // Buttons the program does not carry yet are left out, and so are the separators they
    // would leave at an end or doubled.
    const ToolbarLayout def = DefaultToolbarLayout();
    const std::set<int> present{cmd::kNewFile, cmd::kOpenFile, cmd::kSave, cmd::kHelp};
    EXPECT_EQ(ShownToolbarEntries(def, [&](int c) { return present.count(c) != 0; }),
              (std::vector<int>{cmd::kNewFile, cmd::kOpenFile, cmd::kSave, 0, cmd::kHelp}));
}

TEST(ToolbarLayout, SavedFormRoundTripsAndDamageGivesAUsableToolbar) {
    const ToolbarLayout layout{kLargeIcons, kSelectiveTextOnRight, {cmd::kSave, 0, cmd::kHelp}};
    const auto bytes = EncodeToolbarLayout(layout);
    EXPECT_EQ(bytes, Block({1, 1, 32778, 0, 9}));
    EXPECT_EQ(DecodeToolbarLayout(bytes), layout);

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::optional<ToolbarLayout> expected;
    };
    const Case cases[] = {
        {"empty", {}, std::nullopt},
        {"under 8 bytes", {0, 0, 0, 0, 2, 0, 0}, std::nullopt},
        {"not whole numbers", {0, 0, 0, 0, 2, 0, 0, 0, 9, 0}, std::nullopt},
        {"options, no buttons", Block({0, 2}), ToolbarLayout{}},
        {"options out of range", Block({7, 0xFFFFFFFF, 32778}),
         ToolbarLayout{kSmallIcons, kNoTextLabels, {cmd::kSave}}},
        {"unknown, repeated, separators at the ends and doubled",
         Block({1, 0, 0, 0, 32778, 32778, 0, 0, 4242, 0xFFFFFFFF, 9, 9, 0}),
         ToolbarLayout{kLargeIcons, kShowTextLabels, {cmd::kSave, 0, cmd::kHelp}}},
        {"nothing usable", Block({0, 2, 4242, 0, 77}), DefaultToolbarLayout()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecodeToolbarLayout(c.bytes), c.expected);
    }

    // Thousands of entries: each button once, one separator between groups.
    std::vector<std::uint8_t> huge = Block({0, 2});
    for (int i = 0; i < 5000; ++i) {
        const auto more = Block({static_cast<std::uint32_t>(i % 3 == 0 ? 0 : 32779), 9});
        huge.insert(huge.end(), more.begin(), more.end());
    }
    EXPECT_EQ(DecodeToolbarLayout(huge)->entries, (std::vector<int>{9, 32779}));
}

TEST(ToolbarLayout, SettingsKeepTheLayoutAsABinaryValue) {
    CMemorySettingsStorage storage;
    test::ScriptedPrompt prompt;
    CSettingsStore store(storage, prompt, [](const std::string&) { return true; });
    EXPECT_EQ(store.LoadToolbarLayout(), std::nullopt);

    ToolbarLayout layout = DefaultToolbarLayout();
    layout.iconOption = kLargeIcons;
    EXPECT_EQ(store.SaveToolbarLayout(layout), 1);
    EXPECT_EQ(storage.values.count("Toolbar/ToolBar0"), 1u);
    EXPECT_EQ(store.LoadToolbarLayout(), layout);

    storage.values["Toolbar/ToolBar0"] = "short";
    EXPECT_EQ(store.LoadToolbarLayout(), std::nullopt);

    storage.writable = false;
    EXPECT_EQ(store.SaveToolbarLayout(layout), 0);
    EXPECT_EQ(store.SaveToolbarLayout(layout), 0);
    EXPECT_EQ(prompt.messages.size(), 1u);  // told once
}

TEST(ToolbarCustomization, AddsRemovesMovesAndResets) {
    // Search items is not carried by the program: it is neither listed nor lost.
    auto present = [](int c) { return c != cmd::kSearchItems; };
    CToolbarCustomization edit(
        {kSmallIcons, kNoTextLabels, {cmd::kNewFile, cmd::kSearchItems, cmd::kSave}}, present);
    EXPECT_EQ(edit.Current(), (std::vector<int>{cmd::kNewFile, cmd::kSave}));
    const auto available = edit.Available();
    ASSERT_GE(available.size(), 3u);
    EXPECT_EQ(available[0], kToolbarSeparator);
    EXPECT_EQ(available[1], cmd::kOpenFile);  // table order, without what is on the toolbar
    for (int c : available) EXPECT_NE(c, cmd::kSearchItems);

    EXPECT_EQ(edit.Add(1, 1), 1);  // Open before Save
    EXPECT_EQ(edit.Current(), (std::vector<int>{cmd::kNewFile, cmd::kOpenFile, cmd::kSave}));
    EXPECT_EQ(edit.Add(0, 99), 3);  // a separator at the end
    EXPECT_EQ(edit.Add(0, 99), 4);  // separators can repeat
    EXPECT_EQ(edit.Add(999, 0), -1);
    EXPECT_EQ(edit.MoveUp(0), 0);
    EXPECT_EQ(edit.MoveDown(0), 1);
    EXPECT_EQ(edit.MoveDown(4), 4);
    EXPECT_EQ(edit.Current(), (std::vector<int>{cmd::kOpenFile, cmd::kNewFile, cmd::kSave, 0, 0}));
    EXPECT_TRUE(edit.Remove(4));
    EXPECT_FALSE(edit.Remove(4));
    EXPECT_FALSE(edit.Remove(-1));
    // The hidden button kept its place in the layout.
    EXPECT_EQ(edit.Layout().entries,
              (std::vector<int>{cmd::kOpenFile, cmd::kSearchItems, cmd::kNewFile, cmd::kSave, 0}));
    edit.SetTextOption(1);
    edit.SetIconOption(1);
    edit.SetTextOption(5);
    edit.SetIconOption(-1);
    EXPECT_EQ(edit.Layout().textOption, 1);
    EXPECT_EQ(edit.Layout().iconOption, 1);

    edit.Reset();
    EXPECT_EQ(edit.Layout(), DefaultToolbarLayout());
}

}  // namespace
}  // namespace vk
