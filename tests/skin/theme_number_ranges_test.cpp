// Whatever number a theme file gives an integer key, a skinned form, its title bar and its
// controls lay out and paint: sizes and offsets stay within what a screen can show.

#include <climits>

#include "skin/buttons.h"
#include "skin/form.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kBorder = static_cast<TColor>(0x204080);

struct TExtreme {
  const char* key;
  int32_t value;
};

class SkinThemeNumbers : public SkinControlTest, public ::testing::WithParamInterface<TExtreme> {};

TEST_P(SkinThemeNumbers, AnyValueLeavesAPaintableForm) {
  TskThemeFileWriter w;
  w.AddColor("FormBorderColor", kBorder);
  w.AddInteger(GetParam().key, GetParam().value);
  const bool borderUnderTest = String(GetParam().key) == "FormBorderWidthInt";
  if (!borderUnderTest) w.AddInteger("FormBorderWidthInt", 2);
  w.SaveToFile(folder_.File("extreme.skn"));
  TskFileTheme* theme = nullptr;
  TForm* form = FormOnThemeFile(Bounds(40, 40, 320, 200), folder_.File("extreme.skn"), theme);
  TskForm* skin = SkinOf(form);
  auto* button = new TskButton(form);
  button->SetParent(skin);
  button->SetBounds(20, 60, 80, 25);
  ShowThemeFile(skin, theme);
  ASSERT_NO_THROW(Pump());
  EXPECT_LE(form->Width(), 4096);
  EXPECT_LE(form->Height(), 4096);
  EXPECT_EQ(button->FileTheme(), theme);
  if (!borderUnderTest || GetParam().value > 0) {
    EXPECT_EQ(Pixel(form, 0, form->Height() - 1), kBorder) << "the border is painted";
  }
  ASSERT_NO_THROW(skin->TitleBar()->Layout());
  form->SetBounds(40, 40, 200, 150);
  ASSERT_NO_THROW(Pump());
  SavePictureOnFailure(form);
}

std::vector<TExtreme> EveryIntegerKeyAtBothEnds() {
  std::vector<TExtreme> cases;
  for (TskThemeKey key : kThemeKeys) {
    if (ThemeKeyKind(key) != tvkInteger) continue;
    for (int32_t value : {INT32_MAX, INT32_MIN}) cases.push_back({ThemeKeyName(key), value});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Keys, SkinThemeNumbers, ::testing::ValuesIn(EveryIntegerKeyAtBothEnds()),
                         [](const auto& test) {
                           return String(test.param.key) + (test.param.value > 0 ? "Most" : "Least");
                         });

}  // namespace
