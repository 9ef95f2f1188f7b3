// Drawing object handles: pens, brushes, fonts and bitmaps, with stock objects.
#include <algorithm>

#include "platform/core/exceptions.h"
#include "platform/graphics/dc_state.h"
#include "platform/graphics/live_handles.h"

namespace {

// Never destroyed: objects held by statics elsewhere may be freed after this file's statics.
TLiveHandles<HGDIOBJ__>& LiveSet() {
  static auto* live = new TLiveHandles<HGDIOBJ__>;
  return *live;
}

void Free(HGDIOBJ__* object) {
  LiveSet().Erase(object);
  delete object;
}

template <typename T>
HGDIOBJ MakeStock(T* object) {
  object->Stock = true;
  return AddObject(object);
}

HGDIOBJ StockSolidBrush(COLORREF color) {
  auto* b = new BrushObject;
  b->Color = color;
  return MakeStock(b);
}

HGDIOBJ StockPen(int style, COLORREF color) {
  auto* p = new PenObject;
  p->Style = style;
  p->Color = color;
  return MakeStock(p);
}

HGDIOBJ StockFont(const char* face, int height) {
  auto* f = new FontObject;
  f->Font.lfFaceName = face;
  f->Font.lfHeight = height;
  return MakeStock(f);
}

HGDIOBJ MakeStockObject(int index) {
  switch (index) {
    case WHITE_BRUSH: return StockSolidBrush(0xFFFFFF);
    case LTGRAY_BRUSH: return StockSolidBrush(0xC0C0C0);
    case GRAY_BRUSH: return StockSolidBrush(0x808080);
    case DKGRAY_BRUSH: return StockSolidBrush(0x404040);
    case BLACK_BRUSH: return StockSolidBrush(0);
    case NULL_BRUSH: {
      auto* b = new BrushObject;
      b->Style = BS_NULL;
      return MakeStock(b);
    }
    case WHITE_PEN: return StockPen(PS_SOLID, 0xFFFFFF);
    case BLACK_PEN: return StockPen(PS_SOLID, 0);
    case NULL_PEN: return StockPen(PS_NULL, 0);
    case SYSTEM_FONT: return StockFont("System", 16);
    case DEFAULT_GUI_FONT: return StockFont("MS Sans Serif", -11);
    default: return nullptr;
  }
}

}  // namespace

HGDIOBJ AddObject(HGDIOBJ__* object) {
  LiveSet().Insert(object);
  return object;
}

HGDIOBJ__* LiveObject(HGDIOBJ handle, int kind) {
  if (!LiveSet().Contains(handle)) return nullptr;
  if (kind != 0 && handle->Kind != kind) return nullptr;
  return handle;
}

void RetainObject(HGDIOBJ handle) {
  if (HGDIOBJ__* o = LiveObject(handle, 0)) ++o->Uses;
}

void ReleaseObject(HGDIOBJ handle) {
  HGDIOBJ__* o = LiveObject(handle, 0);
  if (o == nullptr) return;
  if (--o->Uses <= 0 && o->Deleted) Free(o);
}

bool DeleteObject(HGDIOBJ object) {
  HGDIOBJ__* o = LiveObject(object, 0);
  if (o == nullptr) return false;
  if (o->Stock) return true;
  if (o->Uses > 0) {
    o->Deleted = true;
    return true;
  }
  Free(o);
  return true;
}

int GetObjectType(HGDIOBJ object) {
  HGDIOBJ__* o = LiveObject(object, 0);
  return o != nullptr ? o->Kind : 0;
}

HGDIOBJ GetStockObject(int index) {
  static HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
  if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
  if (stock[index] == nullptr) stock[index] = MakeStockObject(index);
  return stock[index];
}

HBRUSH GetSysColorBrush(int index) {
  static HGDIOBJ brushes[SystemColorCount] = {};
  if (index < 0 || index >= SystemColorCount) return nullptr;
  if (brushes[index] == nullptr) brushes[index] = StockSolidBrush(GetSysColor(index));
  return brushes[index];
}

HPEN CreatePen(int style, int width, COLORREF color) {
  auto* p = new PenObject;
  p->Style = style & PS_STYLE_MASK;
  p->EndCap = style & PS_ENDCAP_MASK;
  p->Geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
  p->Width = std::clamp(width, 1, kMaxPenWidth);
  p->Color = GetNearestColor(nullptr, color);
  return AddObject(p);
}

HPEN ExtCreatePen(int style, int width, const LOGBRUSH& brush) {
  return CreatePen(style, width, brush.lbColor);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto* b = new BrushObject;
  b->Color = GetNearestColor(nullptr, color);
  return AddObject(b);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  auto* b = new BrushObject;
  b->Style = BS_HATCHED;
  b->Hatch = hatch;
  b->Color = GetNearestColor(nullptr, color);
  return AddObject(b);
}

HBRUSH CreatePatternBrush(HBITMAP pattern) {
  auto* bitmap = ObjectAs<BitmapObject>(pattern, OBJ_BITMAP);
  if (bitmap == nullptr || bitmap->Surface.Width() == 0 || bitmap->Surface.Height() == 0) return nullptr;
  auto* b = new BrushObject;
  b->Style = BS_PATTERN;
  b->PatternWidth = bitmap->Surface.Width();
  b->PatternHeight = bitmap->Surface.Height();
  const uint32_t* bits = bitmap->Surface.Bits();
  b->Pattern.assign(bits, bits + static_cast<size_t>(b->PatternWidth) * b->PatternHeight);
  return AddObject(b);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& brush) {
  switch (brush.lbStyle) {
    case BS_NULL: return GetStockObject(NULL_BRUSH);
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush.lbHatch), brush.lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush.lbHatch));
    default: return CreateSolidBrush(brush.lbColor);
  }
}

HFONT CreateFontIndirect(const LOGFONT& font) {
  auto* f = new FontObject;
  f->Font = font;
  return AddObject(f);
}

HBITMAP CreateBitmap32(int width, int height) {
  CheckBitmapSize(width, height);
  auto* b = new BitmapObject;
  try {
    b->Surface.Resize(width, height, 0xFF000000);
  } catch (...) {
    delete b;
    throw;
  }
  return AddObject(b);
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) { return CreateBitmap32(width, height); }

bool GetLogFont(HFONT font, LOGFONT& out) {
  auto* f = ObjectAs<FontObject>(font, OBJ_FONT);
  if (f == nullptr) return false;
  out = f->Font;
  return true;
}

bool GetBitmapSize(HBITMAP bitmap, TSize& size) {
  auto* b = ObjectAs<BitmapObject>(bitmap, OBJ_BITMAP);
  if (b == nullptr) return false;
  size = {b->Surface.Width(), b->Surface.Height()};
  return true;
}

uint32_t* GetBitmapBits32(HBITMAP bitmap, TSize& size) {
  auto* b = ObjectAs<BitmapObject>(bitmap, OBJ_BITMAP);
  if (b == nullptr) return nullptr;
  size = {b->Surface.Width(), b->Surface.Height()};
  return b->Surface.Bits();
}
