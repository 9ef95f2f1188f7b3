#include "platform/graphics/canvas.h"

#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/device_context.h"
#include "tests/graphics/pixel_test_support.h"

class Canvases : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(30, 20); }
};

TEST_F(Canvases, ChangedObjectsTakeEffectOnTheNextCall) {
  TCanvas* c = bmp.Canvas();
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 5, 5));
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(5, 0, 10, 5));
  c->Pen()->SetColor(clLime);
  c->MoveTo(0, 10);
  c->LineTo(10, 10);
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(6, 1), clBlue);
  EXPECT_EQ(At(3, 10), clLime);
  c->Font()->SetColor(clRed);
  EXPECT_EQ(GetTextColor(c->Handle()), static_cast<COLORREF>(clRed));
  c->Pen()->SetMode(pmXor);
  EXPECT_EQ(GetROP2(c->Handle()), R2_XORPEN);
}

// A pen, brush or font that goes back to a look it had draws that look again, with the
// handle made for it then; a look not seen lately, or changed meanwhile, gets its own.
TEST_F(Canvases, ObjectsGoingBackToAnEarlierLookDrawItWithItsHandle) {
  TCanvas* c = bmp.Canvas();
  TBrush* brush = c->Brush();
  brush->SetColor(clRed);
  HBRUSH red = brush->Handle();
  brush->SetColor(clBlue);
  HBRUSH blue = brush->Handle();
  EXPECT_NE(blue, red);
  brush->SetColor(clRed);
  EXPECT_EQ(brush->Handle(), red);
  c->FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(At(2, 2), clRed);
  brush->SetStyle(bsCross);
  EXPECT_NE(brush->Handle(), red);
  brush->SetStyle(bsSolid);
  EXPECT_EQ(brush->Handle(), red);
  // Looks pushed out by four others are made anew, in their own colour.
  for (TColor other : {clLime, clAqua, clYellow, clFuchsia, clGray}) {
    brush->SetColor(other);
    brush->Handle();
  }
  brush->SetColor(clBlue);
  c->FillRect(Rect(5, 0, 10, 5));
  EXPECT_EQ(At(7, 2), clBlue);
  EXPECT_EQ(GetObjectType(brush->Handle()), OBJ_BRUSH);

  TPen* pen = c->Pen();
  HPEN thin = pen->Handle();
  pen->SetWidth(3);
  pen->SetColor(clLime);
  c->MoveTo(0, 10);
  c->LineTo(20, 10);
  EXPECT_EQ(At(10, 11), clLime);
  pen->SetWidth(1);
  pen->SetColor(clBlack);
  EXPECT_EQ(pen->Handle(), thin);
  c->MoveTo(0, 15);
  c->LineTo(20, 15);
  EXPECT_EQ(At(10, 15), clBlack);
  EXPECT_EQ(At(10, 16), clWhite);

  TFont bold;
  bold.SetStyle({fsBold});
  TFont* font = c->Font();
  HFONT plain = font->Handle();
  font->Assign(&bold);
  HFONT heavy = font->Handle();
  EXPECT_NE(heavy, plain);
  font->SetStyle({});
  EXPECT_EQ(font->Handle(), plain);
  font->SetName("Courier New");
  EXPECT_NE(font->Handle(), plain);
}

TEST_F(Canvases, ObjectsAssignAndTellTheirChanges) {
  TFont a, b;
  int changes = 0;
  b.OnChange.Bind(nullptr, "Count", [&](TObject*) { ++changes; });
  a.SetName("Arial");
  a.SetStyle({fsBold, fsItalic});
  a.SetColor(clRed);
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Name(), "Arial");
  EXPECT_EQ(b.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(b.Color(), clRed);
  b.SetName("Arial");
  EXPECT_EQ(changes, 1) << "setting the same value is no change";
  TPen pen;
  EXPECT_THROW(pen.Assign(&a), EConvertError);
  TBrush brush;
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);  // a colour makes a clear brush solid again
  EXPECT_EQ(brush.Style(), bsSolid);
}

TEST_F(Canvases, CanvasEventsBracketDrawing) {
  std::vector<std::string> log;
  bmp.Canvas()->OnChanging.Bind(nullptr, "Changing", [&](TObject*) { log.push_back("changing"); });
  bmp.Canvas()->OnChange.Bind(nullptr, "Change", [&](TObject*) { log.push_back("change"); });
  bmp.Canvas()->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
}

TEST_F(Canvases, AForeignDcIsUsedAndNeverDeleted) {
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bmp.Handle());
  {
    TCanvas c;
    c.SetHandle(dc);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(0, 0, 3, 3));
    c.SetHandle(nullptr);
  }
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_TRUE(DeleteDC(dc));
  TCanvas bare;
  EXPECT_THROW(bare.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST_F(Canvases, TextRectWithFormatsCalculatesAndDraws) {
  TCanvas* c = bmp.Canvas();
  TRect r = Rect(0, 0, 30, 0);
  c->TextRect(r, "Two words", {tfCalcRect, tfWordBreak});
  EXPECT_EQ(r.Height(), 2 * c->TextHeight("x"));
  c->Brush()->SetColor(clYellow);
  TRect box = Rect(0, 0, 30, 20);
  c->TextRect(box, "Hi", {tfSingleLine, tfCenter, tfVerticalCenter});
  EXPECT_EQ(At(0, 0), clWhite) << "only the text's cell gets the background";
  TSize hi = c->TextExtent("Hi");
  EXPECT_EQ(At((30 - hi.cx) / 2, (20 - hi.cy) / 2), clYellow);
  EXPECT_EQ(CountColor(clYellow) + CountColor(clBlack), hi.cx * hi.cy);
  EXPECT_GT(CountColor(clBlack), 3);
  EXPECT_EQ(TextFormatToFlags({tfCenter, tfNoPrefix}), static_cast<UINT>(0x801));
}

TEST(GraphicsObjectProperties, FontPenAndBrushArePublishedForStreaming) {
  TFont font;
  SetPropValue(&font, "Color", Variant(String("clBtnText")));
  EXPECT_EQ(font.Color(), clBtnText);
  SetPropValue(&font, "Style", Variant(String("[fsBold,fsUnderline]")));
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
  SetPropValue(&font, "Height", Variant(-16));
  EXPECT_EQ(VarToStr(GetPropValue(&font, "Size")), "12");
  EXPECT_EQ(VarToStr(GetPropValue(&font, "Name")), "MS Sans Serif");
  const TPropInfo* size = GetPropInfo(&font, "Size");
  ASSERT_NE(size, nullptr);
  EXPECT_FALSE(size->StoredRule(&font)) << "the height is stored, not the size";
  TPen pen;
  SetPropValue(&pen, "Mode", Variant(String("pmXor")));
  EXPECT_EQ(pen.Mode(), pmXor);
  TBrush brush;
  EXPECT_EQ(VarToStr(GetPropValue(&brush, "Style")), "bsSolid");
  EXPECT_TRUE(HasProperty(&brush, "Color"));
}
