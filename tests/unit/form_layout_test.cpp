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

}  // namespace
}  // namespace talvane
