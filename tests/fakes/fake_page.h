// A page and the window's start steps, logging what the shell asks of them, for the tests of the page loop.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "shell/main_window_model.h"
#include "ui/page.h"

namespace talvane::fakes {

class FakePage : public ui::Page {
public:
    FakePage(CallLog& log, std::string name, int panelId, int navId)
        : log_(log), name_(std::move(name)), panel_(panelId), nav_(navId) {}

    std::function<bool(WindowsFamily)> existsOn = [](WindowsFamily) { return true; };
    long writeStatus = 0;           // ERROR_SUCCESS
    bool writeMachineWide = false;  // the page's value is stored for the whole machine
    std::string stopWith;           // a write that ends the save
    std::function<void()> onRead;   // reading moves controls
    std::function<void()> onShown;  // showing refills
    std::optional<QuickInfoLines> areaInfo;
    bool usesFolders = false;

    [[nodiscard]] int PanelId() const override { return panel_; }
    [[nodiscard]] int NavId() const override { return nav_; }
    [[nodiscard]] bool ExistsOn(WindowsFamily family) const override { return existsOn(family); }
    [[nodiscard]] std::string Title() const override { return name_ + " title"; }
    [[nodiscard]] std::string HelpTopic() const override { return "::/" + name_ + ".htm"; }
    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override {
        return controlId == panel_ ? areaInfo : std::nullopt;
    }
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override { return controls_; }
    [[nodiscard]] bool UsesShellFolders() const override { return usesFolders; }

    void Build() override { log_.Add(name_ + " build"); }
    void Read() override {
        log_.Add(name_ + " read");
        if (onRead) {
            onRead();
        }
    }
    void Write(SaveReport& report) override {
        log_.Add(name_ + " write");
        report.Check(writeStatus, name_.c_str(), writeMachineWide);
        if (!stopWith.empty()) {
            report.Stop(stopWith);
        }
    }
    void Started(SaveReport& /*report*/) override { log_.Add(name_ + " started"); }
    void Shown(QuickInfoLines& /*quickInfo*/) override {
        log_.Add(name_ + " shown");
        if (onShown) {
            onShown();
        }
    }
    void Applied() override { log_.Add(name_ + " applied"); }
    void Tick() override { log_.Add(name_ + " tick"); }

private:
    CallLog& log_;
    std::string name_;
    int panel_;
    int nav_;
    std::vector<ControlRow> controls_;
};

// Logs each step; DetermineFamily sets `family`.
class FakeStartSteps : public StartSteps {
public:
    FakeStartSteps(CallLog& log, StartupFacts& facts, WindowsFamily family)
        : log_(log), facts_(facts), family_(family) {}
    void DetermineFamily() override {
        log_.Add("family");
        facts_.family = family_;
    }
    void TakeFirstSample() override { log_.Add("sample"); }
    void ReadDirectories() override { log_.Add("directories"); }
    void ReadShellFolders() override { log_.Add("folders"); }
    void ReadInstallDir() override { log_.Add("install dir"); }
    void CreateControls(ui::Page& page) override { log_.Add(page.Title() + " controls"); }

private:
    CallLog& log_;
    StartupFacts& facts_;
    WindowsFamily family_;
};

}  // namespace talvane::fakes
