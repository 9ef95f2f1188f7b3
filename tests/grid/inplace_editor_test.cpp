// The grid's own cell editor: its edit buttons, what pressing them fires, the pick and key
// lists it drops, and the grid messages that concern it; driven by keys and the mouse.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "platform/controls/screen.h"
#include "platform/core/string_list.h"
#include "platform/windows/cursors.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_edit_support.h"
#include "tests/grid/grid_paint_support.h"

namespace grid_test {
namespace {

constexpr int kName = 1;
constexpr int kAmount = 2;
constexpr int kCode = 4;

class InplaceEditor : public GridEditing {
 protected:
  void TearDown() override {
    ResetKeyState();
    GridEditing::TearDown();
  }
  TColumnEx* Column(int dataCol) const { return grid->Columns()->Items(dataCol); }
  TDBGridInplaceEdit* DbEditor() const { return grid->DBInplaceEditor(); }
  void Open(int dataCol) {
    grid->SetSelectedIndex(dataCol);
    Key(grid, VK_F2);
    ASSERT_NE(DbEditor(), nullptr);
    ASSERT_TRUE(grid->InplaceEditorShowing());
  }
  TRect ButtonRect(int index) const { return DbEditor()->EditButtons().Buttons().at(static_cast<size_t>(index)).Rect; }
  // Presses and releases button `index` of the editor (in its top or bottom half).
  void ClickButton(int index, bool top = false) {
    const TRect r = ButtonRect(index);
    const TPoint p{(r.Left + r.Right) / 2, top ? r.Top + 2 : r.Bottom - 3};
    DbEditor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p));
    DbEditor()->Perform(WM_LBUTTONUP, 0, PointToLParam(p));
  }
  // A click on line `line` of the dropped list, as the editor holding the mouse gets it.
  void ClickListLine(int line) {
    TPopupListEx* list = DbEditor()->DroppedList();
    ASSERT_NE(list, nullptr);
    const TRect r = list->ItemRect(line);
    const TPoint at = DbEditor()->ScreenToClient(list->ClientToScreen(TPoint{r.Left + 3, (r.Top + r.Bottom) / 2}));
    for (UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
      DbEditor()->Perform(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, PointToLParam(at));
    }
  }
  static void AltDown(TControl* control) { control->Perform(WM_SYSKEYDOWN, VK_DOWN, 1 | AltMask); }
  void PickList(TColumnEx* column, const char* picks, const char* keys = "") {
    column->PickList()->SetCommaText(picks);
    column->KeyList()->SetCommaText(keys);
  }
};

// A column with its own input method gives it to the grid and the editor; the next column
// without one brings back the grid's own, not the one entered before.
TEST_P(InplaceEditor, EnteringAColumnSetsItsInputMethod) {
  MakeFocused(3);
  grid->SetImeMode(imChinese);
  grid->SetImeName("Pinyin");
  grid->RecreateWnd();
  Column(kAmount)->SetImeMode(imDisable);
  Column(kAmount)->SetImeName("None");
  Open(kName);
  const struct {
    int dataCol;
    TImeMode mode;
    const char* name;
  } steps[] = {{kAmount, imDisable, "None"}, {kName, imChinese, "Pinyin"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.dataCol);
    Key(DbEditor(), VK_TAB, step.dataCol < grid->SelectedIndex() ? TShiftState{ssShift} : TShiftState{});
    ASSERT_EQ(grid->SelectedIndex(), step.dataCol);
    EXPECT_EQ(grid->ImeMode(), step.mode);
    EXPECT_EQ(grid->ImeName(), step.name);
    EXPECT_EQ(DbEditor()->ImeMode(), step.mode);
    EXPECT_EQ(DbEditor()->ImeName(), step.name);
  }
}

TEST_P(InplaceEditor, TheGridMakesItsOwnEditorAndOwnsIt) {
  MakeFocused(3);
  Open(kName);
  EXPECT_EQ(DbEditor()->Owner(), grid);
  EXPECT_EQ(DbEditor()->Parent(), grid);
}

// The default button of the column's edit style comes first, then the visible extra buttons,
// the last at the right edge, as the cell paints them; together they are as wide as the
// column says, and the text keeps the rest.
TEST_P(InplaceEditor, ButtonsSitAtTheEdgeAsWideAsTheColumnSays) {
  struct Case {
    const char* name;
    TColumnButtonStyleEx style;
    const char* picks;
    int extraWidth;  // -1: no visible extra button; 0: one of the default width
    std::vector<TEditButtonStyleEx> expected;
  };
  const Case cases[] = {
      {"ellipsis", cbsEllipsis, "", -1, {ebsEllipsisEx}},
      {"up-down and an extra", cbsUpDown, "", 30, {ebsUpDownEx, ebsDropDownEx}},
      {"pick list", cbsAuto, "A,B", -1, {ebsDropDownEx}},
      {"none", cbsNone, "A,B", -1, {}},
      {"extra of the default width", cbsEllipsis, "", 0, {ebsEllipsisEx, ebsDropDownEx}},
  };
  MakeFocused(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TColumnEx* column = Column(kName);
    column->SetButtonStyle(c.style);
    column->PickList()->SetCommaText(c.picks);
    column->EditButtons()->Clear();
    if (c.extraWidth >= 0) column->EditButtons()->Add()->SetWidth(c.extraWidth);
    column->EditButtons()->Add()->SetVisible(false);
    grid->HideEditor();
    Open(kName);
    const auto& buttons = DbEditor()->EditButtons().Buttons();
    std::vector<TEditButtonStyleEx> styles;
    int total = 0;
    for (const auto& b : buttons) {
      styles.push_back(b.Style);
      total += b.Rect.Width();
    }
    EXPECT_EQ(styles, c.expected);
    EXPECT_EQ(total, column->EditButtonsWidth());
    if (c.extraWidth >= 0) {
      EXPECT_EQ(buttons.back().Rect.Width(), c.extraWidth > 0 ? c.extraWidth : grid->Layout()->EditButtonWidth());
    }
    if (buttons.empty()) continue;
    TRect text;
    DbEditor()->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(buttons.back().Rect.Right, DbEditor()->ClientRect().Right);
    EXPECT_LE(text.Right, buttons.front().Rect.Left);
  }
}

// In either look, and in rows lower than a button is wide, a cell's buttons (its ellipsis,
// then an extra one) are clicked where they are painted, the editor over the cell offers them
// there, and the text stays clear of them.
TEST_P(InplaceEditor, CellButtonsAreClickedWhereTheyArePainted) {
  MakeFocused(5);
  grid->SetBorderStyle(bsNone);
  TColumnEx* column = Column(kName);
  column->SetButtonStyle(cbsEllipsis);
  column->EditButtons()->Add();
  column->SetAlignment(taRightJustify);
  String shown;
  column->OnGetCellParams.Bind(nullptr, "", [&](TObject*, bool, TColCellParamsEx* params) { params->Text = shown; });
  std::vector<TObject*> pressed;
  column->OnEditButtonDown.Bind(nullptr, "", [&](TObject* sender, bool, bool&, bool&) { pressed.push_back(sender); });
  const int col = kName + grid->IndicatorOffset();
  PixelReader picture;
  auto paint = [&](bool buttons, const char* text) {
    column->SetAlwaysShowEditButton(buttons);
    shown = text;
    picture.bmp.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(picture.canvas()->Handle(), 0, 0);
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&picture.bmp);
    return copy;
  };
  auto differing = [](TBitmap* a, TBitmap* b, const TRect& within) {
    PixelReader diff;
    diff.Make(within.Right, within.Bottom);
    for (int y = within.Top; y < within.Bottom; ++y) {
      for (int x = within.Left; x < within.Right; ++x) {
        if (a->Pixel32(x, y) != b->Pixel32(x, y)) diff.canvas()->SetPixels(x, y, clBlack);
      }
    }
    return diff.InkBounds(clWhite, within);
  };
  for (bool flat : {false, true}) {
    SCOPED_TRACE(flat);
    grid->HideEditor();
    items_->GotoId(1);
    grid->SetFlat(flat);
    const TRect cell = grid->CellRect(col, grid->TitleOffset() + 2);
    const auto plain = paint(false, "");
    const auto withButtons = paint(true, "");
    const auto withText = paint(true, "a right-aligned text longer than the cell");
    const TRect painted = differing(plain.get(), withButtons.get(), cell);
    ASSERT_FALSE(painted.IsEmpty()) << "a painted button";
    const TRect text = differing(withButtons.get(), withText.get(), cell);
    EXPECT_LE(text.Right, painted.Left - 3) << "the text ends clear of the button " << PixelReader::Describe(text);

    pressed.clear();
    const TPoint press{painted.Left, (painted.Top + painted.Bottom) / 2};
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(press));
    EXPECT_EQ(pressed, std::vector<TObject*>{column}) << "a press on the ellipsis's painted edge presses it";
    ASSERT_TRUE(grid->InplaceEditorShowing());
    const TPoint origin = grid->ScreenToClient(Editor()->ClientToScreen(TPoint{0, 0}));
    EXPECT_EQ(origin.x + ButtonRect(0).Left, painted.Left - (flat ? 1 : 0)) << "the editor's ellipsis where it is painted";
    EXPECT_EQ(origin.x + ButtonRect(1).Right, cell.Right) << "the extra button at the edge";
    Editor()->Perform(WM_LBUTTONUP, 0, PointToLParam(TPoint{ButtonRect(0).Left + 1, 3}));
  }
}

// A column read from right to left has its buttons at the left of the editor, the text after them.
TEST_P(InplaceEditor, ARightToLeftColumnsEditorHasItsButtonsAtTheLeft) {
  MakeFocused(3);
  Column(kName)->SetButtonStyle(cbsEllipsis);
  Column(kName)->SetBiDiMode(bdRightToLeft);
  Open(kName);
  EXPECT_EQ(ButtonRect(0).Left, 0);
  TRect text;
  DbEditor()->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_GE(text.Left, ButtonRect(0).Right);
}

TEST_P(InplaceEditor, ButtonsArePaintedInsideTheEditor) {
  MakeFocused(3);
  Column(kName)->SetButtonStyle(cbsEllipsis);
  Open(kName);
  PixelReader picture;
  picture.bmp.SetSize(DbEditor()->Width(), DbEditor()->Height());
  picture.Fill(clFuchsia);
  DbEditor()->PaintTo(picture.canvas()->Handle(), 0, 0);
  const TRect button = ButtonRect(0);
  const int face = picture.Count(clBtnFace, button);
  EXPECT_GT(face, button.Width() * button.Height() / 2) << "the button's face";
  EXPECT_LT(face, button.Width() * button.Height()) << "with edges and dots on it";
  const TRect text = Rect(0, 0, button.Left, DbEditor()->Height());
  EXPECT_EQ(picture.Count(clBtnFace, text), 0) << "the text part is the editor's own";
  picture.SaveOnFailure();
}

TEST_P(InplaceEditor, ThePointerIsAnArrowOverTheButtonsAndABeamOverTheText) {
  MakeFocused(3);
  Column(kName)->SetButtonStyle(cbsEllipsis);
  Open(kName);
  const TRect button = ButtonRect(0);
  const struct {
    TPoint at;
    TCursor expected;
  } cases[] = {{{button.Left + 2, button.Top + 2}, crArrow}, {{2, 2}, crIBeam}};
  for (const auto& c : cases) {
    SetCursorPosQuietly(DbEditor()->ClientToScreen(c.at));
    DbEditor()->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(DbEditor()->Handle()), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), Screen->Cursors(c.expected)) << c.at.x;
  }
}

// What a click on each kind of button fires, in order.
TEST_P(InplaceEditor, ButtonClicksFireTheColumnsEventsThenTheGrids) {
  struct Case {
    const char* name;
    TColumnButtonStyleEx style;
    bool extra;
    bool columnHandles;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"ellipsis", cbsEllipsis, false, false, {"down column", "click column", "grid"}},
      {"handled by the column", cbsEllipsis, false, true, {"down column", "click column"}},
      {"extra button", cbsNone, true, false, {"down extra", "click extra", "grid"}},
      {"up-down acts itself", cbsUpDown, false, false, {"down column", "click column"}},
  };
  MakeFocused(3);
  std::vector<std::string> log;
  TColumnEx* column = Column(kAmount);
  auto who = [&](TObject* sender) { return std::string(sender == column ? "column" : "extra"); };
  column->OnEditButtonDown.Bind(nullptr, "", [&](TObject* sender, bool, bool&, bool&) { log.push_back("down " + who(sender)); });
  grid->OnEditButtonClick.Bind(nullptr, "", [&](TObject* sender) { log.push_back(sender == grid ? "grid" : "?"); });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    column->SetButtonStyle(c.style);
    column->EditButtons()->Clear();
    if (c.extra) column->EditButtons()->Add();
    column->OnEditButtonClick.Bind(nullptr, "", [&](TObject* sender, bool& handled) {
      log.push_back("click " + who(sender));
      handled = c.columnHandles;
    });
    grid->HideEditor();
    Open(kAmount);
    log.clear();
    ClickButton(0);
    EXPECT_EQ(log, c.expected);
    EXPECT_EQ(GetCapture(), nullptr) << "the release lets go of the mouse";
  }
}

// The up-down button steps the number by the column's Increment, up in its top half; the
// stepped text is what the field gets.
TEST_P(InplaceEditor, UpDownStepsTheNumberByTheIncrement) {
  MakeFocused(3);
  TColumnEx* column = Column(kAmount);
  column->SetButtonStyle(cbsUpDown);
  column->SetIncrement(2.5);
  Open(kAmount);
  EXPECT_EQ(Editor()->Text(), "1.50");
  ClickButton(0, true);
  EXPECT_EQ(Editor()->Text(), "4");
  ClickButton(0, false);
  ClickButton(0, false);
  EXPECT_EQ(Editor()->Text(), "-1");
  bool handled = true;
  column->OnEditButtonDown.Bind(nullptr, "", [&](TObject*, bool, bool&, bool& h) { h = handled; });
  ClickButton(0, true);
  EXPECT_EQ(Editor()->Text(), "-1") << "a handled press does not step";
  items_->ds()->Post();
  EXPECT_EQ(FieldOf("Amount")->AsFloat(), -1.0);
}

// Held down, the up-down button goes on stepping after a pause, until it is let go.
TEST_P(InplaceEditor, AHeldUpDownButtonRepeats) {
  TestClockScope clock;
  MakeFocused(3);
  Column(kAmount)->SetButtonStyle(cbsUpDown);
  Open(kAmount);
  const TRect r = ButtonRect(0);
  const LPARAM top = PointToLParam(TPoint{(r.Left + r.Right) / 2, r.Top + 2});
  DbEditor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, top);
  EXPECT_EQ(Editor()->Text(), "2.5");
  auto wait = [&](int ms) {
    clock->Advance(ms);
    Application->ProcessMessages();
  };
  wait(300);
  EXPECT_EQ(Editor()->Text(), "2.5") << "not before the pause";
  wait(150);
  EXPECT_EQ(Editor()->Text(), "3.5");
  wait(110);
  EXPECT_EQ(Editor()->Text(), "4.5");
  DbEditor()->Perform(WM_LBUTTONUP, 0, top);
  wait(500);
  EXPECT_EQ(Editor()->Text(), "4.5") << "let go, it stops";
}

// F4, Alt+Down or the button drop the pick list; the arrows mark a line, Enter or a click
// chooses it, Escape or a click elsewhere leaves the text as it was.
TEST_P(InplaceEditor, PickListChoicesByKeysAndMouse) {
  MakeFocused(3);
  PickList(Column(kName), "Alpha,Beta,Gamma");
  Open(kName);
  Key(Editor(), VK_F4);
  ASSERT_NE(DbEditor()->DroppedList(), nullptr);
  EXPECT_EQ(DbEditor()->DroppedList()->Count(), 3);
  EXPECT_EQ(GetCapture(), DbEditor()->Handle()) << "the editor holds the mouse while the list is down";
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_ESCAPE);
  EXPECT_FALSE(DbEditor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), "Name1");
  EXPECT_EQ(items_->ds()->State(), dsBrowse) << "nothing chosen, nothing edited";

  AltDown(Editor());
  ASSERT_TRUE(DbEditor()->ListDroppedDown());
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_RETURN);
  EXPECT_FALSE(DbEditor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), "Beta");

  ClickButton(0);
  ASSERT_TRUE(DbEditor()->ListDroppedDown());
  EXPECT_EQ(DbEditor()->DroppedList()->ItemIndex(), 1) << "the list marks what the cell holds";
  ClickListLine(2);
  EXPECT_FALSE(DbEditor()->ListDroppedDown());
  EXPECT_EQ(Editor()->Text(), "Gamma");

  Key(Editor(), VK_F4);
  DbEditor()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(TPoint{2, 2}));
  EXPECT_FALSE(DbEditor()->ListDroppedDown()) << "a press outside the list closes it";
  EXPECT_EQ(Editor()->Text(), "Gamma");
  Key(Editor(), VK_F4);
  DbEditor()->Perform(WM_RBUTTONDOWN, MK_RBUTTON, PointToLParam(TPoint{2, 2}));
  EXPECT_FALSE(DbEditor()->ListDroppedDown()) << "so does a press of another button";
  Key(Editor(), VK_F4);
  grid->SetFocus();
  EXPECT_FALSE(DbEditor()->ListDroppedDown()) << "the list goes with the editor's focus";
  items_->ds()->Post();
  EXPECT_EQ(FieldOf("Name")->AsString(), "Gamma");
}

TEST_P(InplaceEditor, KeyListShowsThePickTextsAndStoresTheKey) {
  MakeFocused(3);
  PickList(Column(kCode), "Yes,No", "Y,N");
  Open(kCode);
  EXPECT_EQ(Editor()->Text(), "Yes");
  Key(Editor(), VK_F4);
  ASSERT_NE(DbEditor()->DroppedList(), nullptr);
  EXPECT_EQ(DbEditor()->DroppedList()->ItemIndex(), 0);
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_RETURN);
  EXPECT_EQ(Editor()->Text(), "No");
  EXPECT_EQ(grid->CellEditing()->EditValue().AsString(), "N");
  items_->ds()->Post();
  EXPECT_EQ(FieldOf("Code")->AsString(), "N");
}

// A choice changes the record only where the grid's allowed operations let the user edit it.
TEST_P(InplaceEditor, AChoiceHonoursTheAllowedOperations) {
  MakeFocused(3);
  PickList(Column(kName), "Alpha,Beta");
  grid->SetAllowedOperations({alopInsertEx, alopAppendEx});
  Open(kName);
  Key(Editor(), VK_F4);
  Key(Editor(), VK_DOWN);
  Key(Editor(), VK_RETURN);
  EXPECT_EQ(Editor()->Text(), "Name1");
  EXPECT_EQ(items_->ds()->State(), dsBrowse);
}

// A wheel turn while the list is down scrolls the list, not the records.
TEST_P(InplaceEditor, TheWheelScrollsADroppedList) {
  MakeFocused(3);
  TColumnEx* column = Column(kName);
  for (int i = 0; i < 20; ++i) column->PickList()->Add("Pick" + std::to_string(i));
  Open(kName);
  Key(Editor(), VK_F4);
  ASSERT_NE(DbEditor()->DroppedList(), nullptr);
  const TPoint screen = grid->ClientToScreen(TPoint{10, 10});
  grid->Perform(WM_MOUSEWHEEL, MakeWParam(0, -WHEEL_DELTA), PointToLParam(screen));
  EXPECT_EQ(DbEditor()->DroppedList()->TopIndex(), 3);
  EXPECT_EQ(items_->CurrentId(), 1);
  EXPECT_TRUE(DbEditor()->ListDroppedDown());
}

// A press on the edit buttons of a cell that is not current makes it current, opens the
// editor and presses the button in the same click; elsewhere in that cell it does not.
TEST_P(InplaceEditor, APressOnACellsButtonStripPressesTheEditorsButton) {
  MakeFocused(5);
  TColumnEx* column = Column(kName);
  column->SetButtonStyle(cbsEllipsis);
  column->SetAlwaysShowEditButton(true);
  std::vector<std::string> log;
  column->OnEditButtonDown.Bind(nullptr, "", [&](TObject*, bool, bool&, bool&) { log.push_back("down"); });
  grid->OnEditButtonClick.Bind(nullptr, "", [&](TObject*) { log.push_back("grid click"); });
  const int col = kName + grid->IndicatorOffset();
  const TRect third = grid->CellRect(col, grid->TitleOffset() + 2);
  const TPoint inText{third.Left + 3, (third.Top + third.Bottom) / 2};
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(inText));
  grid->Perform(WM_LBUTTONUP, 0, PointToLParam(inText));
  EXPECT_EQ(items_->CurrentId(), 3);
  EXPECT_FALSE(grid->InplaceEditorShowing()) << "a first press on the text only selects the cell";

  const TRect fourth = grid->CellRect(col, grid->TitleOffset() + 3);
  const TPoint onButton{fourth.Right - 3, (fourth.Top + fourth.Bottom) / 2};
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(onButton));
  EXPECT_EQ(items_->CurrentId(), 4);
  ASSERT_TRUE(grid->InplaceEditorShowing());
  EXPECT_EQ(log, std::vector<std::string>{"down"});
  EXPECT_EQ(GetCapture(), Editor()->Handle()) << "the editor's button holds the mouse";
  const TPoint inEditor = Editor()->ScreenToClient(grid->ClientToScreen(onButton));
  Editor()->Perform(WM_LBUTTONUP, 0, PointToLParam(inEditor));
  EXPECT_EQ(log, (std::vector<std::string>{"down", "grid click"}));
}

TEST_P(InplaceEditor, AnInputMethodStartingToComposeOpensTheEditor) {
  MakeFocused(3);
  grid->SetSelectedIndex(kName);
  ASSERT_FALSE(grid->InplaceEditorShowing());
  grid->Perform(WM_IME_STARTCOMPOSITION, 0, 0);
  EXPECT_TRUE(grid->InplaceEditorShowing());
}

// The editor's change notice reaches the grid through its parent's WM_COMMAND.
TEST_P(InplaceEditor, TheEditorsChangeNoticeGivesTheGridItsText) {
  MakeFocused(3);
  Open(kName);
  Editor()->SelectAll();
  Type(Editor(), "x");
  EXPECT_EQ(grid->CellEditing()->PendingText(), "x");
  grid->Perform(WM_COMMAND, MakeWParam(0, EN_CHANGE), reinterpret_cast<LPARAM>(Editor()->Handle()));
  EXPECT_EQ(grid->CellEditing()->PendingText(), "x");
}

// The grid's shortcut keys work from inside the editor too.
TEST_P(InplaceEditor, CopyFromAboveWorksFromTheEditor) {
  MakeFocused(3);
  items_->GotoId(2);
  Open(kName);
  Key(Editor(), 222, {ssCtrl});
  EXPECT_EQ(FieldOf("Name")->AsString(), "Name1");
  items_->ds()->Cancel();
  items_->GotoId(1);
  Open(kName);
  Key(Editor(), 222, {ssCtrl});
  EXPECT_EQ(items_->ds()->State(), dsBrowse) << "the first record shown has nothing above it";
  EXPECT_EQ(FieldOf("Name")->AsString(), "Name1");
}

INSTANTIATE_TEST_SUITE_P(Stores, InplaceEditor, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
