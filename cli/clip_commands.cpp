// clip: puts one field of a record on the X clipboard for a while, then takes it away again.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <memory>

#include "cli/command_table.h"
#include "cli/session.h"
#include "core/shell/clipboard_clearer.h"
#include "core/store/field_names.h"
#include "platform/steady_clock.h"
#include "platform/x11_clipboard.h"

namespace vk::cli {
namespace {

constexpr int kMaxSeconds = 3600;
// After clearing, the empty text is served a moment longer, so that a clipboard manager
// takes it over instead of bringing the secret back once the tool has gone.
constexpr auto kGraceAfterClearing = std::chrono::milliseconds(300);

std::atomic<bool> stopRequested{false};

extern "C" void RequestStop(int) {
    stopRequested = true;
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

int RunClip(const CommandIo& io, const std::string& file, const std::string& folder, long index,
            int field, int seconds) {
    Session s(io);
    CX11Clipboard clipboard;
    if (!clipboard.Available())
        return s.Failed("No X display could be opened: the clipboard cannot be reached.");
    if (!s.Load(file)) return 1;
    const CRecord* record = FindRecord(s, file, folder, index);
    if (!record) return 1;
    const char* name = DefaultFieldName(field);
    if ((*record)[field].empty())
        return s.Failed(std::string("The field ") + name + " of record " + std::to_string(index) +
                        " in \"" + folder + "\" is empty.");

    CatchStopSignals();
    CSteadyClock clock;
    CClipboardClearer clearer(clipboard, clock);
    if (!clearer.CopyText((*record)[field], s.Prompt())) {
        s.Fail();
        return 1;
    }
    *io.out << name << " copied to the clipboard; it will be cleared in " << seconds
            << (seconds == 1 ? " second." : " seconds.") << std::endl;

    clipboard.Serve(std::chrono::steady_clock::now() + std::chrono::seconds(seconds),
                    stopRequested);
    clearer.ClearNow();
    const std::atomic<bool> never{false};
    clipboard.Serve(std::chrono::steady_clock::now() + kGraceAfterClearing, never);
    return 0;
}

}  // namespace

void AddClipCommands(CommandTable& table) {
    struct Args {
        std::string file, folder, field = "Password";
        long index = 0;
        int seconds = 30;
    };
    auto a = std::make_shared<Args>();
    const CommandIo& io = table.Io();
    auto* clip = table.Add(
        "clip", "Put a field on the clipboard and clear it again after a while", [&io, a] {
            return RunClip(io, a->file, a->folder, a->index, *FieldFromName(a->field), a->seconds);
        });
    clip->add_option("FILE", a->file, "Password file")->required();
    clip->add_option("FOLDER", a->folder, "Folder path, with '~' between the levels")->required();
    AddRecordIndex(clip, a->index);
    clip->add_option("--field", a->field, "The field to copy (default Password)")
        ->check([](const std::string& name) {
            return FieldFromName(name) ? std::string() : "\"" + name + "\" names no field.";
        });
    clip->add_option("--seconds", a->seconds, "Seconds until the clipboard is cleared (1-3600)")
        ->check(CLI::Range(1, kMaxSeconds));
}

}  // namespace vk::cli
