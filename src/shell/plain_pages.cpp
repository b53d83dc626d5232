#include "shell/plain_pages.h"

#include "control_ids.h"

namespace talvane {

namespace {

constexpr int kRowTweak = 131;
constexpr int kRowMoveCursor = 7;

}  // namespace

const ui::PlainPageEntry& TweakNtPageEntry() {
    static const ui::PlainPageEntry entry{IDC_FORM1_PAGE4,
                                          IDC_FORM1_NAV_TWEAK,
                                          kRowTweak,
                                          "::/TweakNT.htm",
                                          ui::Families::Nt,
                                          {
                                              {IDC_FORM1_PAGE4, kRowMoveCursor, kNoSecondLine},
                                              {IDC_FORM1_CHECKBOX9, 169, 170},
                                              {IDC_FORM1_CHECKBOX6, 171, 172},
                                              {IDC_FORM1_CHECKBOX10, 173, 174, true},
                                              {IDC_FORM1_CHECKBOX87, 175, 176},
                                              {IDC_FORM1_CHECKBOX7, 177, 178},
                                              {IDC_FORM1_CHECKBOX88, 179, 180},
                                              {IDC_FORM1_CHECKBOX89, 181, 182},
                                          }};
    return entry;
}

}  // namespace talvane
