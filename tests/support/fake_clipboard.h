#pragma once
#include <cstdint>
#include <string>

#include "core/shell/clipboard.h"
#include "core/shell/clock.h"

namespace vk::test {

class FakeClock : public IClock {
  public:
    std::uint64_t now = 5000;
    std::uint64_t TickMs() override { return now; }
};

// The clipboard and the primary selection in memory.
class FakeClipboard : public IClipboard {
  public:
    struct Selection {
        std::string text;
        bool holdsText = false;
    };
    Selection board, primary;
    bool usable = true;
    int clears = 0;
    std::string& text = board.text;
    bool& holdsText = board.holdsText;

    bool SetText(const std::string& t) override { return usable && Put(board, t); }
    bool GetText(std::string* t) override { return Get(board, t); }
    bool Clear() override { return Empty(board); }
    bool GetPrimaryText(std::string* t) override { return Get(primary, t); }
    bool ClearPrimary() override { return Empty(primary); }

    // The user copies something in another program.
    void UserCopies(const std::string& t) { Put(board, t); }

  private:
    static bool Put(Selection& s, const std::string& t) {
        s.text = t;
        s.holdsText = true;
        return true;
    }
    bool Get(const Selection& s, std::string* t) const {
        if (!usable || !s.holdsText) return false;
        *t = s.text;
        return true;
    }
    bool Empty(Selection& s) {
        if (!usable) return false;
        ++clears;
        s = Selection{};
        return true;
    }
};

}  // namespace vk::test
