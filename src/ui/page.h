// One page of the main window. The shell keeps its pages in one list and loops over them for everything it
// does to a page, so a new page is a new feature folder and one line in that list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/quick_info.h"
#include "base/text_table.h"
#include "base/windows_family.h"
#include "platform/types.h"
#include "settings/save_report.h"
#include "ui/form_table.h"

namespace talvane::ui {

// What the main window offers its pages.
class PageHost {
public:
    virtual ~PageHost() = default;
    // The user changed something that Apply saves.
    virtual void MarkChanged() = 0;
    // A change that takes effect once Windows restarts; the restart is offered on closing.
    virtual void NeedRestart() = 0;
    // Writes outside Apply report here, and ReportSaves names their failures to the user.
    virtual SaveReport& Report() = 0;
    virtual void ReportSaves() = 0;
    [[nodiscard]] virtual platform::WindowId Owner() const = 0;
};

class Page {
public:
    virtual ~Page() = default;

    // Which panel it fills and which navigation entry shows it.
    [[nodiscard]] virtual int PanelId() const = 0;
    [[nodiscard]] virtual int NavId() const = 0;
    // A page that does not exist on a family is never built, read, written or shown there.
    [[nodiscard]] virtual bool ExistsOn(WindowsFamily /*family*/) const { return true; }
    [[nodiscard]] virtual std::string Title() const = 0;
    // The topic inside the help file, "::/Name.htm".
    [[nodiscard]] virtual std::string HelpTopic() const = 0;
    // For one of its controls, or for its panel's empty area (the panel's ID); none without a description.
    [[nodiscard]] virtual std::optional<QuickInfoLines> QuickInfo(int controlId) const = 0;
    // Its controls, children of its panel; the shell creates them and sets their text-table rows.
    [[nodiscard]] virtual const std::vector<ControlRow>& Controls() const = 0;
    // It needs the shell's folders among the start-up facts: they are read before the first such page is built,
    // since loading the shell would cost every start dearly.
    [[nodiscard]] virtual bool UsesShellFolders() const { return false; }

    // Its controls exist and the start-up facts are known: at start for the start page, else when first shown.
    // A page not built yet is not read, written, ticked or started.
    virtual void Build() {}
    // Loads what it shows from the machine: at start, and again after every Apply that saved.
    virtual void Read() {}
    // Its part of Apply.
    virtual void Write(SaveReport& /*report*/) {}
    // The start page has read: duties of the first start.
    virtual void Started(SaveReport& /*report*/) {}
    // About to be shown; it may set the quick-info lines.
    virtual void Shown(QuickInfoLines& /*quickInfo*/) {}
    // Apply has written, read back and told the engine.
    virtual void Applied() {}
    // Every second, shown or not, after the memory sample was taken.
    virtual void Tick() {}
    // The main window is on screen (the start page only): what may wait until then.
    virtual void WindowShown() {}
    // One of its controls was clicked or moved; true when it was the page's.
    virtual bool Command(int /*controlId*/, int /*code*/) { return false; }
    virtual bool Scrolled(int /*controlId*/) { return false; }
    // One of its controls sent a notification (an NMHDR and what follows it); true when it was the page's.
    virtual bool Notified(int /*controlId*/, const void* /*header*/) { return false; }
};

// What names a page: the shell finds, titles and helps a page by these alone.
struct PageIdentity {
    int panelId;
    int navId;
    int titleRow;
    const char* helpTopic;
    bool (*existsOn)(WindowsFamily) = nullptr;  // none: on every family
};

// A page whose names are its identity.
class IdentifiedPage : public Page {
public:
    explicit IdentifiedPage(const PageIdentity& identity) : identity_(identity) {}

    [[nodiscard]] int PanelId() const final { return identity_.panelId; }
    [[nodiscard]] int NavId() const final { return identity_.navId; }
    [[nodiscard]] bool ExistsOn(WindowsFamily family) const final {
        return identity_.existsOn == nullptr || identity_.existsOn(family);
    }
    [[nodiscard]] std::string Title() const final { return TextTable::Text(identity_.titleRow); }
    [[nodiscard]] std::string HelpTopic() const override { return identity_.helpTopic; }

private:
    PageIdentity identity_;
};

}  // namespace talvane::ui
