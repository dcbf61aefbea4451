#include "skin/ClassNameKind.h"

#include <gtest/gtest.h>

namespace quavlet::skin {
namespace {

TEST(ClassNameKind, CaseDoesNotMatter) {
  EXPECT_EQ(ClassifyClassName(L"ThunderRT6CommandButton"), ckButton);
  EXPECT_EQ(ClassifyClassName(L"BUTTON"), ckButton);
  EXPECT_EQ(ClassifyClassName(L"ComboBox"), ckCombo);
  EXPECT_EQ(ClassifyClassName(L"ComboLBox"), ckComboList);
  EXPECT_EQ(ClassifyClassName(L"SysHeader32"), ckHeader);
  EXPECT_EQ(ClassifyClassName(L"ThunderRT6FormDC"), ckForm);
  EXPECT_EQ(ClassifyClassName(L"ApexGridOleDB32"), ckGrid);
}

TEST(ClassNameKind, OnlyTheGridIsMatchedByPrefix) {
  EXPECT_EQ(ClassifyClassName(L"apexgrid"), ckGrid);
  EXPECT_EQ(ClassifyClassName(L"APEXGRIDX"), ckGrid);
  EXPECT_EQ(ClassifyClassName(L"apexgri"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"xapexgrid"), ckOther);
  // Names that only begin like a table entry are not that entry.
  EXPECT_EQ(ClassifyClassName(L"button2"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"buttonx"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"comb"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"combolboxes"), ckOther);
  EXPECT_EQ(ClassifyClassName(L" button"), ckOther);
}

TEST(ClassNameKind, OtherNamesAndTheEmptyNameAreOther) {
  EXPECT_EQ(ClassifyClassName(L"Edit"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"SysListView32"), ckOther);
  EXPECT_EQ(ClassifyClassName(L"msctls_progress32"), ckOther);
  EXPECT_EQ(ClassifyClassName(L""), ckOther);
}

TEST(ClassNameKind, LowerCasingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(LowerCaseClassName(L"ThunderRT6_#32770"), L"thunderrt6_#32770");
  // A letter outside ASCII is kept, so it can never turn a name into a table entry.
  EXPECT_EQ(LowerCaseClassName(L"BUTTON\u00C9"), L"button\u00C9");
  EXPECT_EQ(ClassifyClassName(L"\u0130apexgrid"), ckOther);
}

}  // namespace
}  // namespace quavlet::skin
