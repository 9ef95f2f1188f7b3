#include <gtest/gtest.h>

#include "platform/graphics/draw_edges.h"
#include "sidebar/check_glyph.h"

// The glyph state of check boxes, radio buttons and push boxes, for every check state and
// while pressed.

namespace {

struct GlyphCase {
  TnbButtonKind kind;
  TCheckBoxState check;
  bool checked;
  bool pressed;
  UINT state;
};

constexpr UINT kCheck = DFCS_BUTTONCHECK, kRadio = DFCS_BUTTONRADIO, kPush = DFCS_BUTTONPUSH;

const GlyphCase kCases[] = {
    {bkCheckBox, cbUnchecked, false, false, kCheck},
    {bkCheckBox, cbChecked, true, false, kCheck | DFCS_CHECKED},
    {bkCheckBox, cbGrayed, false, false, kCheck | DFCS_CHECKED | DFCS_INACTIVE},
    {bkCheckBox, cbChecked, true, true, kCheck | DFCS_CHECKED | DFCS_INACTIVE},
    {bkCheckBox, cbUnchecked, false, true, kCheck | DFCS_INACTIVE},
    {bkRadioButton, cbUnchecked, false, false, kRadio},
    {bkRadioButton, cbChecked, true, false, kRadio | DFCS_CHECKED},
    {bkRadioButton, cbGrayed, false, false, kRadio | DFCS_CHECKED | DFCS_INACTIVE},
    {bkRadioButton, cbChecked, true, true, kRadio | DFCS_CHECKED | DFCS_INACTIVE},
    {bkRadioButton, cbUnchecked, false, true, kRadio | DFCS_INACTIVE},
    {bkPushButton, cbUnchecked, false, false, kPush},
    {bkPushButton, cbChecked, true, false, kPush | DFCS_PUSHED},
    {bkPushButton, cbGrayed, false, false, kPush | DFCS_CHECKED | DFCS_FLAT},
    {bkPushButton, cbChecked, true, true, kPush | DFCS_CHECKED | DFCS_INACTIVE},
    {bkPushButton, cbUnchecked, false, true, kPush | DFCS_FLAT},
};

}  // namespace

TEST(CheckGlyphTest, EveryKindStateAndPressGivesItsGlyph) {
  for (const GlyphCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " check " << int(c.check) << " checked "
                                    << c.checked << " pressed " << c.pressed);
    EXPECT_EQ(nbCheckGlyphState(c.kind, c.check, c.checked, c.pressed), c.state);
  }
}
