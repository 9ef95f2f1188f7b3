// Skinned pop-up and main menus: their settings per style, and every kind of item drawn in
// the theme's colours.

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/shortcuts.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/messages.h"
#include "skin/file_theme.h"
#include "skin/menu_item_painter.h"
#include "skin/menu_settings.h"
#include "skin/menus.h"
#include "tests/skin/pixel_test_support.h"
#include "tests/skin/skin_fixture.h"
#include "tests/skin/theme_file_test_support.h"

namespace {

constexpr TColor C(uint32_t bgr) { return static_cast<TColor>(bgr); }

// What a menu of one look holds and shows. Graphite draws its backgrounds from pictures.
struct TMenuLook {
  const char* Name;
  TskUIStyle Style;
  int ItemHeight, SeparatorHeight;
  TColor Bar, Back, SelectedBorder, Selected, SelectedFont, Font, Separator, FormBack;
};

// The five built-in styles; then a theme file with menu colours of its own, and one that has
// none of them (which looks like Marine).
const TMenuLook kLooks[] = {
    {"Graphite", Graphite, 20, 12, C(0x000000), C(0x000000), C(0xC47339), C(0xC47339), C(0xFFFFFF), C(0x000000), C(0x000000), C(0xE7E7E7)},
    {"Pearl", Pearl, 21, 5, C(0xCED3D6), C(0xFFFFFF), C(0xC66931), C(0xEFD3C6), C(0x000000), C(0x000000), C(0x848284), C(0xDEEBEF)},
    {"Marine", Marine, 21, 5, C(0xCED3D6), C(0xFFFFFF), C(0xA04A44), C(0xA04A44), C(0xFFFFFF), C(0x000000), C(0x848284), C(0xE8E8E8)},
    {"Jade", Jade, 21, 5, C(0xCED3D6), C(0xFFFFFF), C(0xC4302D), C(0xC4302D), C(0xFFFFFF), C(0x000000), C(0x848284), C(0xFBFBFB)},
    {"Glacier", Glacier, 21, 5, C(0xCED3D6), C(0xE7E7E7), C(0xEC5E5E), C(0xEC5E5E), C(0xFFFFFF), C(0x000000), C(0x848284), C(0xE7E7E7)},
    {"ThemeFile", FromThemeFile, 21, 5, C(0x30C0F0), C(0xF0FFF0), C(0x800080), C(0xFFC0FF), C(0x400040), C(0x004000), C(0x848284), C(0x8080FF)},
    {"SparseThemeFile", FromThemeFile, 21, 5, C(0xCED3D6), C(0xFFFFFF), C(0xA04A44), C(0xA04A44), C(0xFFFFFF), C(0x000000), C(0x848284), C(0xE8E8E8)},
};

const TColor kImageColor = C(0x00FF00);
constexpr int kBarWidth = 26;

class SkinMenus : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    form_ = MakeForm(Bounds(10, 10, 400, 300));
    images_ = new TImageList(16, 16, form_);
    TBitmap square(16, 16);
    Fill(square, kImageColor);
    images_->Add(&square, nullptr);
    WriteThemes();
  }
  void TearDown() override {
    if (HasFailure() && !picture_.Empty()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      picture_.SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." + info->name() + ".png");
    }
    SkinFormTest::TearDown();
  }

  void WriteThemes() {
    TskThemeFileWriter colours;
    colours.AddColor("MenuBarColor", C(0x30C0F0));
    colours.AddColor("MenuBackgroundColor", C(0xF0FFF0));
    colours.AddColor("MenuSelectedBorderColor", C(0x800080));
    colours.AddColor("MenuSelectedBackgroundColor", C(0xFFC0FF));
    colours.AddColor("MenuSelectedFontColor", C(0x400040));
    colours.AddColor("MenuFontColor", C(0x004000));
    colours.AddColor("FormBackgroundColor", C(0x8080FF));
    colours.SaveToFile(folder_.File("menu.skn"));
    TskThemeFileWriter sparse;
    sparse.AddInteger("FormBorderWidthInt", 2);
    sparse.SaveToFile(folder_.File("sparse.skn"));
  }

  // A menu of the look's style; file looks get a loaded theme of their own.
  template <class TMenuClass>
  TMenuClass* MakeMenu(const TMenuLook& look) {
    auto* menu = new TMenuClass(form_);
    if (look.Style == FromThemeFile) {
      auto* theme = new TskFileTheme(form_);
      theme->SetThemeFile(folder_.File(String(look.Name) == "ThemeFile" ? "menu.skn" : "sparse.skn"));
      EXPECT_TRUE(theme->CanUse());
      menu->SetFileTheme(theme);
    }
    menu->SetUIStyle(look.Style);
    return menu;
  }

  TMenuItem* Add(TMenuItem* parent, const String& caption) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  // One item of every kind, in this order.
  enum : int { kOpen, kLine, kChecked, kCheckedPicture, kPicture, kDisabled, kDefault, kPlain, kSub };
  void AddEveryKind(TMenuItem* root) {
    Add(root, "&Open")->SetShortCut(ShortCut('O', {ssCtrl}));
    Add(root, "-");
    Add(root, "&Checked")->SetChecked(true);
    TMenuItem* checkedPicture = Add(root, "&Picture");
    checkedPicture->SetChecked(true);
    checkedPicture->SetImageIndex(0);
    Add(root, "&Image")->SetImageIndex(0);
    Add(root, "&Disabled")->SetEnabled(false);
    Add(root, "Bold")->SetDefault(true);
    Add(root, "Bold");
    Add(Add(root, "&More"), "&Inner");
  }

  TMenuWindow* Paint(TPopupMenu* popup) {
    TMenuWindow* window = popup->LevelWindow(0);
    if (window == nullptr) return nullptr;
    picture_.SetPixelFormat(pf32bit);
    picture_.SetSize(window->Width(), window->Height());
    window->PaintTo(picture_.Canvas()->Handle(), 0, 0);
    return window;
  }
  TColor At(int x, int y) { return picture_.Canvas()->Pixels(x, y); }
  int Count(TColor color, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == color;
    return n;
  }
  // Where an item's caption is written.
  static TRect CaptionArea(const TRect& r) { return Rect(r.Left + kBarWidth + 4, r.Top, r.Left + 90, r.Bottom); }

  TForm* form_ = nullptr;
  TImageList* images_ = nullptr;
  TTempFolder folder_;
  TBitmap picture_;
};

// Row `row` of a built-in Graphite picture, one pixel wide: what is stretched over an item.
TColor GraphiteRow(const char* name, int row) {
  TBitmap b;
  b.LoadFromResourceName(0, name);
  return b.Canvas()->Pixels(0, row);
}

TEST_F(SkinMenus, ANewPopupMenuTakesMarineOnAFormWithoutSkin) {
  auto* menu = new TskPopupMenu(form_);
  EXPECT_EQ(menu->UIStyle(), Marine);
  EXPECT_EQ(menu->MenuItemHeight(), 21);
  EXPECT_EQ(menu->SeparatorHeight(), 5);
  EXPECT_EQ(menu->BarWidth(), 26);
  EXPECT_EQ(menu->BarColor(), C(0xCED3D6));
  EXPECT_EQ(menu->Color(), C(0xFFFFFF));
  EXPECT_EQ(menu->SelectedColor(), C(0xA04A44));
  EXPECT_EQ(menu->SelectedBorderColor(), C(0xA04A44));
  EXPECT_EQ(menu->SelectedFontColor(), C(0xFFFFFF));
  EXPECT_TRUE(menu->OwnerDraw());
  menu->SetOwnerDraw(false);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(static_cast<TMenu*>(menu)->OwnerDraw());
  EXPECT_FALSE(menu->FlatMenu());
  EXPECT_TRUE(menu->UseSystemFont());
  EXPECT_EQ(menu->FontName(), "MS Sans Serif");
  EXPECT_EQ(menu->FontSize(), 8);
}

TEST_F(SkinMenus, EachLookSetsSizesAndColours) {
  for (const TMenuLook& look : kLooks) {
    SCOPED_TRACE(look.Name);
    auto* menu = MakeMenu<TskPopupMenu>(look);
    EXPECT_EQ(menu->MenuItemHeight(), look.ItemHeight);
    EXPECT_EQ(menu->SeparatorHeight(), look.SeparatorHeight);
    EXPECT_EQ(menu->BarWidth(), kBarWidth);
    EXPECT_EQ(menu->BarColor(), look.Bar);
    EXPECT_EQ(menu->Color(), look.Back);
    EXPECT_EQ(menu->SeparatorColor(), look.Separator);
    EXPECT_EQ(menu->SelectedBorderColor(), look.SelectedBorder);
    EXPECT_EQ(menu->SelectedColor(), look.Selected);
    EXPECT_EQ(menu->SelectedFontColor(), look.SelectedFont);
    EXPECT_EQ(menu->FontColor(), look.Font);
    delete menu;
  }
}

TEST_F(SkinMenus, GraphiteKeepsItsItemSizes) {
  auto* menu = new TskPopupMenu(form_);
  menu->SetMenuItemHeight(30);
  menu->SetSeparatorHeight(9);
  EXPECT_EQ(menu->MenuItemHeight(), 30);
  EXPECT_EQ(menu->SeparatorHeight(), 9);
  menu->SetUIStyle(Graphite);
  menu->SetMenuItemHeight(30);
  menu->SetSeparatorHeight(9);
  EXPECT_EQ(menu->MenuItemHeight(), 20);
  EXPECT_EQ(menu->SeparatorHeight(), 12);
}

TEST_F(SkinMenus, AnItemMeasuresItsTextsPlusTheBarAndRoom) {
  auto* menu = new TskPopupMenu(form_);
  Add(menu->Items(), "&Open")->SetShortCut(ShortCut('O', {ssCtrl}));
  menu->Popup(100, 100);
  TMenuWindow* window = menu->LevelWindow(0);
  ASSERT_NE(window, nullptr);
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(window->Font());
  const int texts = measure.Canvas()->TextWidth("&Open") + measure.Canvas()->TextWidth(ShortCutToText(ShortCut('O', {ssCtrl})));
  EXPECT_EQ(window->ItemRect(0).Width(), texts + 66);
  EXPECT_EQ(window->ItemRect(0).Height(), 21);
}

TEST_F(SkinMenus, EveryKindOfItemIsDrawnInEachLook) {
  const char* graphiteBar = "GRAPHITE_MENU_BAR";
  auto graphite = [](const char* picture, int row) { return GraphiteRow(picture, row); };
  for (const TMenuLook& look : kLooks) {
    SCOPED_TRACE(look.Name);
    const bool pictures = look.Style == Graphite;
    auto* menu = MakeMenu<TskPopupMenu>(look);
    menu->SetImages(images_);
    AddEveryKind(menu->Items());
    menu->Popup(100, 50);
    menu->LevelWindow(0)->Select(kOpen);
    TMenuWindow* w = Paint(menu);
    ASSERT_NE(w, nullptr);
    auto item = [w](int i) { return w->ItemRect(i); };
    EXPECT_EQ(item(kPlain).Height(), look.ItemHeight);
    EXPECT_EQ(item(kLine).Height(), look.SeparatorHeight);

    // The selected item: framed in its colour, the caption and short cut in its font colour.
    const TRect open = item(kOpen);
    if (pictures) {
      EXPECT_EQ(At(open.Left + 2, open.Top + 5), graphite("GRAPHITE_MENU_SELECT", 5));
    } else {
      EXPECT_EQ(At(open.Left, open.Top), look.SelectedBorder);
      EXPECT_EQ(At(open.Right - 1, open.Bottom - 1), look.SelectedBorder);
      EXPECT_EQ(At(open.Left + 2, open.Top + 2), look.Selected);
    }
    EXPECT_GT(Count(look.SelectedFont, CaptionArea(open)), 10);
    EXPECT_GT(Count(look.SelectedFont, Rect(open.Right - 60, open.Top, open.Right - 16, open.Bottom)), 10);
    EXPECT_EQ(Count(look.SelectedFont, Rect(open.Right - 15, open.Top + 1, open.Right - 1, open.Bottom - 1)), 0);

    // A plain item: the bar, the background and the caption in the font colour.
    const TRect plain = item(kPlain);
    const int mid = plain.Top + plain.Height() / 2;
    EXPECT_EQ(At(plain.Left + 2, mid), pictures ? graphite(graphiteBar, mid - plain.Top) : look.Bar);
    EXPECT_EQ(At(plain.Right - 5, mid), pictures ? graphite(graphiteBar, mid - plain.Top) : look.Back);
    const int plainInk = Count(look.Font, CaptionArea(plain));
    EXPECT_GT(plainInk, 10);
    EXPECT_GT(Count(look.Font, CaptionArea(item(kDefault))), plainInk) << "the default item is bold";

    // The separator: a line from past the bar to two pixels short of the right edge.
    const TRect line = item(kLine);
    if (pictures) {
      EXPECT_EQ(At(line.Left + 2, line.Top + 5), graphite(graphiteBar, 5));
    } else {
      EXPECT_EQ(At(line.Left + 2, line.Top + 2), look.Bar);
      EXPECT_EQ(At(line.Left + kBarWidth + 3, line.Top + 2), look.Back);
      EXPECT_EQ(At(line.Left + kBarWidth + 4, line.Top + 2), look.Separator);
      EXPECT_EQ(At(line.Right - 3, line.Top + 2), look.Separator);
      EXPECT_EQ(At(line.Right - 2, line.Top + 2), look.Back);
      EXPECT_EQ(At(line.Left + kBarWidth + 10, line.Top + 3), look.Back);
    }

    // A checked item without an image: the check-mark picture, its white see-through.
    const TRect checked = item(kChecked);
    EXPECT_GT(Count(clBlack, Rect(checked.Left + 4, checked.Top + 3, checked.Left + 20, checked.Top + 19)), 8);
    EXPECT_EQ(Count(clBlack, Rect(checked.Left, checked.Top, checked.Left + 4, checked.Bottom)), pictures ? Count(clBlack, Rect(plain.Left, plain.Top, plain.Left + 4, plain.Bottom)) : 0);
    if (!pictures) {
      EXPECT_EQ(At(checked.Left + 4, checked.Top + 3), look.Bar);
    }

    // A checked item with an image: a black frame filled in the selection colour, the image on it.
    const TRect framed = item(kCheckedPicture);
    EXPECT_EQ(At(framed.Left + 2, framed.Top + 10), clBlack);
    EXPECT_EQ(At(framed.Left + 20, framed.Top + 19), clBlack);
    EXPECT_EQ(At(framed.Left + 3, framed.Top + 2), look.Selected);
    EXPECT_EQ(At(framed.Left + 12, framed.Top + 11), kImageColor);

    // An item image alone, on the bar.
    const TRect picture = item(kPicture);
    EXPECT_EQ(At(picture.Left + 4, picture.Top + 3), kImageColor);
    EXPECT_EQ(At(picture.Left + 19, picture.Top + 18), kImageColor);
    if (!pictures) {
      EXPECT_EQ(At(picture.Left + 3, picture.Top + 2), look.Bar);
    }

    // A disabled item's caption is grey.
    EXPECT_GT(Count(C(0x808080), CaptionArea(item(kDisabled))), 10);
    EXPECT_EQ(Count(look.Font, CaptionArea(item(kDisabled))), 0);

    // An item with sub-items still shows the arrow.
    const TRect sub = item(kSub);
    EXPECT_EQ(At(sub.Right - 9, sub.Top + sub.Height() / 2), look.Font);
    menu->CloseMenu();
    delete menu;
  }
}

// Every item of a menu window is drawn on the window's one canvas: an item gives the pen and
// brush back, and leaves its text colour, in which the menu marks a submenu.
TEST_F(SkinMenus, DrawingAnItemGivesThePenAndBrushBack) {
  TskMenuSettings settings;
  ApplyMenuUIStyle(settings, Marine);
  TMenuItem* item = Add(new TMenuItem(form_), "Plain");
  TBitmap bitmap(120, 60);
  TCanvas* canvas = bitmap.Canvas();
  for (bool selected : {false, true}) {
    canvas->Pen()->SetColor(C(0x00C000));
    canvas->Brush()->SetColor(C(0xC00000));
    TskMenuItemPainter painter(settings, nullptr, nullptr);
    painter.Draw(canvas, item, Rect(0, 0, 120, 21), selected);
    painter.DrawFlatFrame(canvas, Rect(0, 0, 120, 60));
    EXPECT_EQ(canvas->Pen()->Color(), C(0x00C000));
    EXPECT_EQ(canvas->Brush()->Color(), C(0xC00000));
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
    EXPECT_EQ(canvas->Font()->Color(), selected ? settings.SelectedFontColor : settings.FontColor);
  }
}

TEST_F(SkinMenus, AFlatMenuFramesItsOwnWindow) {
  for (const TMenuLook& look : kLooks) {
    SCOPED_TRACE(look.Name);
    auto* menu = MakeMenu<TskPopupMenu>(look);
    AddEveryKind(menu->Items());
    menu->Popup(100, 50);
    TMenuWindow* w = Paint(menu);
    ASSERT_NE(w, nullptr);
    EXPECT_NE(At(0, 8), clBlack) << "the raised frame without FlatMenu";
    menu->SetFlatMenu(true);
    Paint(menu);
    const int right = w->Width() - 1, bottom = w->Height() - 1;
    EXPECT_EQ(At(0, 8), clBlack);
    EXPECT_EQ(At(1, 8), clWhite);
    EXPECT_EQ(At(8, 0), look.FormBack);
    EXPECT_EQ(At(8, bottom), look.FormBack);
    EXPECT_EQ(At(right, 8), look.FormBack);
    EXPECT_EQ(At(right - 1, 8), clBlack);
    EXPECT_EQ(At(8, bottom - 1), clBlack);
    menu->CloseMenu();
    delete menu;
  }
}

TEST_F(SkinMenus, ItemsAddedLaterAreSkinnedAndOwnHandlersStay) {
  auto* menu = new TskPopupMenu(form_);
  Add(menu->Items(), "&First");
  menu->SetupItems();
  TMenuItem* later = Add(menu->Items(), "&Later");
  TMenuItem* nested = Add(later, "&Nested");
  EXPECT_EQ(later->OnDrawItem.Target(), menu);
  EXPECT_EQ(nested->OnMeasureItem.Target(), menu);
  auto* own = new TMenuItem(form_);
  own->SetCaption("&Own");
  own->OnDrawItem.Bind(nullptr, "OwnDraw", [](TObject*, TCanvas* canvas, TRect r, bool) {
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(r);
  });
  menu->Items()->Add(own);
  EXPECT_EQ(own->OnDrawItem.MethodName(), "OwnDraw");
  EXPECT_EQ(own->OnMeasureItem.Target(), menu);

  menu->Popup(100, 50);
  TMenuWindow* w = Paint(menu);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(At(w->ItemRect(1).Left + 2, w->ItemRect(1).Top + 2), C(0xCED3D6));
  EXPECT_EQ(At(w->ItemRect(2).Left + 2, w->ItemRect(2).Top + 2), clLime);
}

// OnPopup may free its own menu (a menu rebuilt on each opening): nothing is shown, nothing
// freed is read (AddressSanitizer watches).
TEST_F(SkinMenus, OnPopupMayFreeItsOwnMenu) {
  auto* menu = new TskPopupMenu(form_);
  AddEveryKind(menu->Items());
  menu->SetupItems();
  int freed = 0;
  const String note = "freed";
  menu->OnPopup.Bind(nullptr, "Rebuild", [menu, note, &freed](TObject*) {
    delete menu;
    freed += note == "freed" ? 1 : 100;
  });
  menu->Popup(100, 50);
  EXPECT_EQ(freed, 1);
}

TEST_F(SkinMenus, AnItemMovedToAnotherMenuTakesItsLookAndForgetsTheFirst) {
  auto* first = new TskPopupMenu(form_);
  auto* second = MakeMenu<TskPopupMenu>(kLooks[5]);
  auto* plain = new TPopupMenu(form_);
  plain->SetOwnerDraw(true);
  TMenuItem* moved = Add(first->Items(), "&Moved");
  TMenuItem* left = Add(first->Items(), "&Left");
  first->Items()->Remove(moved);
  second->Items()->Add(moved);
  first->Items()->Remove(left);
  plain->Items()->Add(left);
  delete first;

  second->Popup(100, 50);
  TMenuWindow* w = Paint(second);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(At(w->ItemRect(0).Left + 2, w->ItemRect(0).Top + 2), kLooks[5].Bar);
  second->CloseMenu();
  // The item that went to a plain menu no longer reaches the freed one.
  plain->Popup(100, 50);
  ASSERT_NE(Paint(plain), nullptr);
}

TEST_F(SkinMenus, FreeingTheThemeFallsBackToMarine) {
  auto* menu = MakeMenu<TskPopupMenu>(kLooks[5]);
  EXPECT_EQ(menu->BarColor(), kLooks[5].Bar);
  delete menu->FileTheme();
  EXPECT_EQ(menu->FileTheme(), nullptr);
  EXPECT_EQ(menu->UIStyle(), Marine);
  EXPECT_EQ(menu->BarColor(), C(0xCED3D6));
}

TEST_F(SkinMenus, ANewlyLoadedThemeFileRecoloursTheMenusOfItsForm) {
  auto* menu = MakeMenu<TskPopupMenu>(kLooks[6]);  // the file without menu colours: Marine's
  EXPECT_EQ(menu->BarColor(), C(0xCED3D6));
  menu->FileTheme()->SetThemeFile(folder_.File("menu.skn"));
  EXPECT_EQ(menu->BarColor(), kLooks[5].Bar);
  EXPECT_EQ(menu->SelectedColor(), kLooks[5].Selected);
}

TEST_F(SkinMenus, SettingsArePublishedInTheirOrder) {
  auto* popup = new TskPopupMenu(form_);
  auto* main = new TskMainMenu(form_);
  const char* order[] = {"OwnerDraw", "FileTheme", "UIStyle", "MenuItemHeight", "SeparatorHeight",
                         "BarWidth", "BarColor", "Color", "SeparatorColor", "SelectedBorderColor",
                         "SelectedColor", "SelectedFontColor", "FontColor", "BorderColor", "FlatMenu",
                         "FontName", "FontSize", "FontCharset", "UseSystemFont"};
  for (TObject* menu : {static_cast<TObject*>(popup), static_cast<TObject*>(main)}) {
    std::vector<String> names;
    for (const TPropInfo* info : GetPropList(menu)) names.push_back(info->Name);
    auto at = [&](const String& name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    for (size_t i = 1; i < std::size(order); ++i) EXPECT_LT(at(order[i - 1]), at(order[i])) << order[i];
    EXPECT_LT(at("Images"), at("FileTheme"));
  }
  SetPropValue(main, "UIStyle", "Pearl");
  EXPECT_EQ(main->UIStyle(), Pearl);
  EXPECT_EQ(main->SelectedColor(), C(0xEFD3C6));
}

TEST_F(SkinMenus, MainMenuHidesItsCheckMarksAndLeavesTheFormBar) {
  auto* native = new TMainMenu(form_);
  form_->SetMenu(native);
  auto* menu = new TskMainMenu(form_);
  EXPECT_EQ(form_->Menu(), nullptr) << "the skinned menu never shows as the form's own bar";
  EXPECT_EQ(menu->Images(), nullptr);
  menu->SetImages(images_);
  EXPECT_EQ(menu->Images(), images_);
  menu->SetImages(nullptr);
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_NE(static_cast<TMenu*>(menu)->Images(), nullptr);
}

TEST_F(SkinMenus, MainMenuDropDownsAreSkinned) {
  for (const TMenuLook& look : kLooks) {
    SCOPED_TRACE(look.Name);
    auto* menu = MakeMenu<TskMainMenu>(look);
    TMenuItem* file = Add(menu->Items(), "&File");
    AddEveryKind(file);
    menu->PopupSubmenu(0, 100, 50);
    TMenuWindow* w = Paint(menu->SubmenuPopup());
    ASSERT_NE(w, nullptr);
    const TRect checked = w->ItemRect(kChecked);
    const TRect plain = w->ItemRect(kPlain);
    EXPECT_EQ(plain.Height(), look.ItemHeight);
    EXPECT_GT(Count(look.Font, CaptionArea(plain)), 10);
    EXPECT_GT(Count(clBlack, Rect(checked.Left + 4, checked.Top + 3, checked.Left + 20, checked.Top + 19)), 8);
    if (look.Style != Graphite) {
      EXPECT_EQ(At(plain.Left + 2, plain.Top + 2), look.Bar);
      EXPECT_EQ(At(plain.Right - 5, plain.Top + 2), look.Back);
    }
    menu->SubmenuPopup()->CloseMenu();
    delete menu;
  }
}

}  // namespace
