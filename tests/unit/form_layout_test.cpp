#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "control_ids.h"
#include "optimizer/more_options.h"
#include "optimizer/optimizer_page.h"
#include "shell/about_box.h"
#include "shell/main_window_model.h"
#include "ui/form_table.h"

namespace talvane {
namespace {

void ExpectWellFormed(const FormTable& form, const std::vector<ControlRow>& more = {}) {
    std::vector<ControlRow> rows = form.controls;
    rows.insert(rows.end(), more.begin(), more.end());
    std::map<int, const ControlRow*> seen;
    for (const ControlRow& control : rows) {
        EXPECT_TRUE(seen.emplace(control.id, &control).second) << "duplicate id " << control.id;
        int parentWidth = form.clientWidth;
        int parentHeight = form.clientHeight;
        if (control.parent != 0) {
            const auto parent = seen.find(control.parent);
            ASSERT_NE(parent, seen.end()) << control.id << " comes before its parent";
            EXPECT_EQ(parent->second->kind, ControlKind::Panel) << control.id;
            parentWidth = parent->second->width;
            parentHeight = parent->second->height;
        }
        EXPECT_GE(control.x, 0) << control.id;
        EXPECT_GE(control.y, 0) << control.id;
        EXPECT_LE(control.x + control.width, parentWidth) << control.id;
        EXPECT_LE(control.y + control.height, parentHeight) << control.id;
    }
}

TEST(FormLayoutTest, MainWindowControlsLieInsideTheirParents) {
    ExpectWellFormed(MainWindowForm(), OptimizerPageControls());
}

TEST(FormLayoutTest, MainWindowHasTheFixedRegions) {
    const FormTable& form = MainWindowForm();
    EXPECT_EQ(form.clientWidth, 630);
    EXPECT_EQ(form.clientHeight, 490);
    std::map<int, const ControlRow*> byId;
    for (const ControlRow& c : form.controls) {
        byId[c.id] = &c;
    }
    const ControlRow& content = *byId.at(IDC_FORM1_CONTENT);
    EXPECT_EQ(content.width, 474);
    EXPECT_EQ(content.height, 425);
    for (int page = IDC_FORM1_PAGE0; page <= IDC_FORM1_PAGE5; ++page) {
        EXPECT_EQ(byId.at(page)->width, 457);
        EXPECT_EQ(byId.at(page)->height, 305);
        EXPECT_NE(byId.at(page)->flags & kHidden, 0u) << "pages start hidden";
    }
    const std::set<int> navButtons = {IDC_FORM1_NAV_OPTIMIZER, IDC_FORM1_NAV_SYSINFO, IDC_FORM1_NAV_STARTUP,
                                      IDC_FORM1_NAV_SHORTCUT, IDC_FORM1_NAV_TWEAK};
    for (int id : navButtons) {
        EXPECT_EQ(byId.at(id)->parent, IDC_FORM1_NAV_INNER);
        EXPECT_EQ(byId.at(id)->width, 32);
        EXPECT_NE(byId.at(id)->flags & kHandCursor, 0u);
    }
}

// A panel paints over whatever it draws: so it draws only labels, images and flat buttons that nothing of their
// panel covers, touching being no cover.
TEST(FormLayoutTest, APanelDrawsOnlyTheLabelsImagesAndFlatButtonsNothingCovers) {
    const auto row = [](int id, int parent, ControlKind kind, int x, int y, int width, int height) {
        return ControlRow{id, parent, kind, x, y, width, height, kNoRow, "", Surface::None, Art::None, 0};
    };
    const std::vector<ControlRow> rows = {
        row(1, 0, ControlKind::Panel, 0, 0, 200, 100),    row(2, 1, ControlKind::Label, 10, 10, 50, 13),
        row(3, 1, ControlKind::TrackBar, 60, 10, 50, 20), row(4, 1, ControlKind::Label, 10, 40, 100, 13),
        row(5, 1, ControlKind::SpinEdit, 80, 36, 40, 22), row(6, 1, ControlKind::FlatButton, 10, 70, 60, 22),
        row(7, 1, ControlKind::Check, 100, 70, 60, 17),   row(8, 0, ControlKind::Label, 10, 10, 50, 13),
    };
    const std::map<int, bool> drawn = {{1, false}, {2, true}, {3, false}, {4, false},
                                       {5, false}, {6, true}, {7, false}, {8, false}};
    for (const ControlRow& control : rows) {
        EXPECT_EQ(DrawnByItsPanel(control, rows), drawn.at(control.id)) << control.id;
    }
    // The real tables: a spin field sits in Label22's gap; Label19 only touches its bar.
    const std::map<int, bool> real = {{IDC_FORM4_LABEL22, false}, {IDC_FORM4_LABEL19, true}};
    size_t checked = 0;
    for (const ControlRow& control : MoreOptionsForm().controls) {
        if (const auto it = real.find(control.id); it != real.end()) {
            EXPECT_EQ(DrawnByItsPanel(control, MoreOptionsForm().controls), it->second) << control.id;
            ++checked;
        }
    }
    EXPECT_EQ(checked, real.size());
}

}  // namespace
}  // namespace talvane
