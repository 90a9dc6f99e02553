// Another copy of the program, as far as the single-instance hand-over goes, without windows.
//
//   vk_instance_probe serve FOLDER [hang-on-shutdown]
//     The first copy: takes the lock, serves, prints "ready" and then each command it gets.
//     On "shutdown" it takes a moment, as its user answering the save question would, prints
//     "ended" and ends. With hang-on-shutdown it stops serving instead, prints "stopped
//     serving" and runs on with the lock held. Prints "another running" and ends with 3 when
//     the lock is taken.
//   vk_instance_probe send FOLDER show|shutdown
//     A second copy: prints "another running" or "alone", then "delivered" or "not
//     delivered" for show, "took over" or "gave up" for shutdown.
#include <wx/app.h>
#include <wx/timer.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/wx/single_instance.h"

namespace {

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

class ProbeApp : public wxAppConsole {
  public:
    bool OnInit() override {
        if (argc < 3) return false;
        mode_ = argv[1].ToStdString();
        option_ = argc > 3 ? argv[3].ToStdString() : std::string();
        instance_ = std::make_unique<vk::CSingleInstance>("Vaultkeep", argv[2].ToStdString());
        answer_.SetOwner(this);
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) { ExitMainLoop(); });
        return mode_ == "send" || mode_ == "serve";
    }

    int OnRun() override {
        if (mode_ == "send") {
            Send(option_);
            return 0;
        }
        if (instance_->IsAnotherRunning() || !instance_->HoldsLock()) {
            Say("another running");
            return 3;
        }
        if (!instance_->StartServer([this](vk::InstanceCommand command) { On(command); })) {
            Say("cannot serve");
            return 4;
        }
        Say("ready");
        MainLoop();
        // Said while the lock is still held: whoever waits for the lock has read this.
        Say("ended");
        return 0;
    }

  private:
    void Send(const std::string& word) {
        Say(instance_->IsAnotherRunning() ? "another running" : "alone");
        if (word == "show") Say(instance_->SendShow() ? "delivered" : "not delivered");
        if (word == "shutdown") Say(instance_->SendShutdownAndWait() ? "took over" : "gave up");
    }

    void On(vk::InstanceCommand command) {
        Say(vk::InstanceCommandWord(command));
        if (command != vk::InstanceCommand::kShutdown) return;
        if (option_ == "hang-on-shutdown") {
            instance_->StopServer();
            Say("stopped serving");
            return;
        }
        // The user thinks about the save question for a moment.
        answer_.StartOnce(300);
    }

    std::string mode_;
    std::string option_;
    std::unique_ptr<vk::CSingleInstance> instance_;
    wxTimer answer_;
};

}  // namespace

wxIMPLEMENT_APP_CONSOLE(ProbeApp);
