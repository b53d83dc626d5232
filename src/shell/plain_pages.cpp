#include "shell/plain_pages.h"

#include "control_ids.h"

namespace talvane {

namespace {

constexpr int kRowTweak = 131;
constexpr int kRowMoveCursor = 7;

}  // namespace

const ui::PlainPageEntry& Tweak9xPageEntry() {
    static const ui::PlainPageEntry entry{IDC_FORM1_PAGE5,
                                          IDC_FORM1_NAV_TWEAK,
                                          kRowTweak,
                                          "::/Tweak9x.htm",
                                          ui::Families::Nine,
                                          {
                                              {IDC_FORM1_PAGE5, kRowMoveCursor, kNoSecondLine},
                                              {IDC_FORM1_CHECKBOX8, 192, kNoSecondLine},
                                              {IDC_FORM1_CHECKBOX12, 193, 194},
                                              {IDC_FORM1_CHECKBOX15, 195, 196},
                                              {IDC_FORM1_CHECKBOX14, 197, 198},
                                              {IDC_FORM1_CHECKBOX97, 199, 200},
                                          }};
    return entry;
}

}  // namespace talvane
