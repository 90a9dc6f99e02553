#include "platform/x11_key_typer.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <map>
#include <vector>

#include "core/shell/text_encoding.h"
#include "platform/x11_support.h"

namespace vk {
namespace {

// Pauses that let the receiving program keep up: between keys, and around a change of the
// keyboard map (every client must read the new map before the key that needs it arrives).
constexpr int kKeyPauseMs = 8;
constexpr int kBeforeRemapKeyMs = 20;
constexpr int kAfterRemapKeyMs = 50;
constexpr std::size_t kSpareKeysUsed = 4;

// The key symbol that produces a character: Latin-1 symbols are the code points themselves,
// every other character has its Unicode symbol.
KeySym KeySymOf(char32_t cp) {
    if (cp == '\n' || cp == '\r') return XK_Return;
    if (cp == '\t') return XK_Tab;
    if ((cp >= 0x20 && cp <= 0x7E) || (cp >= 0xA0 && cp <= 0xFF)) return cp;
    if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp > 0x10FFFF) return NoSymbol;
    return 0x01000000 | cp;
}

}  // namespace

struct CX11KeyTyper::Impl {
    x11::Connection connection;
    bool xtest = false;

    // The keyboard map as it was when typing began.
    int minCode = 0, maxCode = 0, perCode = 0;
    std::vector<KeySym> map;
    std::vector<KeyCode> spare;
    std::map<KeySym, KeyCode> remapped;  // spare keys given a symbol during this text
    std::size_t nextSpare = 0;

    Display* d() const { return connection.get(); }

    void ReadKeyboardMap() {
        XDisplayKeycodes(d(), &minCode, &maxCode);
        int per = 0;
        KeySym* syms =
            XGetKeyboardMapping(d(), static_cast<KeyCode>(minCode), maxCode - minCode + 1, &per);
        perCode = per;
        map.assign(syms, syms + (maxCode - minCode + 1) * per);
        XFree(syms);
        spare.clear();
        for (int code = maxCode; code >= minCode && spare.size() < kSpareKeysUsed; --code) {
            bool empty = true;
            for (int level = 0; level < perCode; ++level)
                empty = empty && Sym(code, level) == NoSymbol;
            if (empty) spare.push_back(static_cast<KeyCode>(code));
        }
        remapped.clear();
        nextSpare = 0;
    }

    KeySym Sym(int code, int level) const {
        return map[static_cast<std::size_t>((code - minCode) * perCode + level)];
    }

    void Press(KeyCode code, bool shift) {
        const KeyCode shiftCode = XKeysymToKeycode(d(), XK_Shift_L);
        if (shift && shiftCode) XTestFakeKeyEvent(d(), shiftCode, True, CurrentTime);
        XTestFakeKeyEvent(d(), code, True, CurrentTime);
        XTestFakeKeyEvent(d(), code, False, CurrentTime);
        if (shift && shiftCode) XTestFakeKeyEvent(d(), shiftCode, False, CurrentTime);
        XSync(d(), False);
        x11::Pause(kKeyPauseMs);
    }

    bool CapsLockOn() const {
        XkbStateRec state{};
        return XkbGetState(d(), XkbUseCoreKbd, &state) == Success && (state.locked_mods & LockMask);
    }

    // Types `sym` with the key that has it on its first or second level.
    bool TypeFromMap(KeySym sym, bool capsLock) {
        for (int code = minCode; code <= maxCode; ++code) {
            for (int level = 0; level < 2 && level < perCode; ++level) {
                if (Sym(code, level) != sym) continue;
                bool shift = level == 1;
                // Caps Lock turns the level of letters round; Shift turns it back.
                KeySym lower = NoSymbol, upper = NoSymbol;
                XConvertCase(Sym(code, 0), &lower, &upper);
                if (capsLock && lower != upper) shift = !shift;
                Press(static_cast<KeyCode>(code), shift);
                return true;
            }
        }
        return false;
    }

    bool TypeThroughSpareKey(KeySym sym) {
        auto known = remapped.find(sym);
        if (known == remapped.end()) {
            if (spare.empty()) return false;
            const KeyCode code = spare[nextSpare++ % spare.size()];
            for (auto it = remapped.begin(); it != remapped.end(); ++it) {
                if (it->second == code) {
                    remapped.erase(it);
                    break;
                }
            }
            KeySym both[2] = {sym, sym};  // the same on both levels: Shift and Caps Lock do nothing
            XChangeKeyboardMapping(d(), code, 2, both, 1);
            XSync(d(), False);
            x11::Pause(kBeforeRemapKeyMs);
            known = remapped.emplace(sym, code).first;
        }
        Press(known->second, false);
        x11::Pause(kAfterRemapKeyMs);
        return true;
    }

    void RestoreSpareKeys() {
        if (remapped.empty()) return;
        x11::Pause(kAfterRemapKeyMs);
        for (const auto& [sym, code] : remapped) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(d(), code, 2, none, 1);
        }
        XSync(d(), False);
        remapped.clear();
    }
};

CX11KeyTyper::CX11KeyTyper() : impl_(std::make_unique<Impl>()) {
    if (!impl_->connection) return;
    int event = 0, error = 0, major = 0, minor = 0;
    impl_->xtest = XTestQueryExtension(impl_->d(), &event, &error, &major, &minor);
}

CX11KeyTyper::~CX11KeyTyper() = default;

bool CX11KeyTyper::Available() const {
    return impl_->connection && impl_->xtest;
}

bool CX11KeyTyper::TypeText(const std::string& utf8) {
    if (!Available()) return false;
    std::u32string points = CodePointsOf(utf8);
    Impl& m = *impl_;
    m.ReadKeyboardMap();
    const bool capsLock = m.CapsLockOn();
    bool all = true;
    for (char32_t cp : points) {
        const KeySym sym = KeySymOf(cp);
        if (sym == NoSymbol || (!m.TypeFromMap(sym, capsLock) && !m.TypeThroughSpareKey(sym)))
            all = false;
    }
    m.RestoreSpareKeys();
    std::fill(points.begin(), points.end(), U'\0');
    return all;
}

bool CX11KeyTyper::PressTab() {
    if (!Available()) return false;
    const KeyCode tab = XKeysymToKeycode(impl_->d(), XK_Tab);
    if (!tab) return false;
    impl_->Press(tab, false);
    return true;
}

}  // namespace vk
