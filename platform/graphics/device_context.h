#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

// Device contexts: an HDC is a drawing state over a bitmap (origin, clip region, selected
// pen, brush, font and bitmap, text colour, background mode and colour, mix mode). Drawing
// follows the window system's pixel rules: right and bottom edges of rectangles are
// excluded, lines leave out their last pixel, nothing is antialiased but text.
//
// Coordinates: a logical point is moved by (viewport origin - window origin), mirrored
// inside the device area when the layout is right-to-left, then moved by the device area's
// origin. Clip regions given to SelectClipRgn are relative to the device area.

// ---- Objects -------------------------------------------------------------------------------

enum : int {  // pen styles
  PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
  PS_INSIDEFRAME = 6, PS_ALTERNATE = 8, PS_STYLE_MASK = 0x0F,
  PS_ENDCAP_ROUND = 0x000, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00,
  PS_JOIN_ROUND = 0x0000, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000,
  PS_COSMETIC = 0x00000, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000,
};
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3 };
enum : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };
enum : int {  // stock objects
  WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
  NULL_BRUSH = 5, HOLLOW_BRUSH = NULL_BRUSH, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
  SYSTEM_FONT = 13, DEFAULT_GUI_FONT = 17,
};
enum : int { OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_DC = 3, OBJ_FONT = 6, OBJ_BITMAP = 7, OBJ_REGION = 8 };
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };
enum : uint8_t { DEFAULT_CHARSET = 1, ANSI_CHARSET = 0, GB2312_CHARSET = 134, SYMBOL_CHARSET = 2 };
enum : uint8_t { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
enum : uint8_t { DEFAULT_QUALITY = 0, NONANTIALIASED_QUALITY = 3, ANTIALIASED_QUALITY = 4 };

struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  uintptr_t lbHatch = 0;  // hatch style, or the HBITMAP of a pattern brush
};

// A font request. Height < 0: character (em) height in pixels; > 0: cell height; 0: default.
// Escapement/orientation in tenths of a degree, counter-clockwise.
struct LOGFONT {
  int lfHeight = 0;
  int lfWidth = 0;
  int lfEscapement = 0;
  int lfOrientation = 0;
  int lfWeight = FW_NORMAL;
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = DEFAULT_CHARSET;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = DEFAULT_QUALITY;
  uint8_t lfPitchAndFamily = DEFAULT_PITCH;
  String lfFaceName;
};

struct TEXTMETRIC {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 0;
  int tmOverhang = 0;
  int tmDigitizedAspectX = 96;
  int tmDigitizedAspectY = 96;
  uint8_t tmItalic = 0;
  uint8_t tmUnderlined = 0;
  uint8_t tmStruckOut = 0;
  uint8_t tmPitchAndFamily = 0;
  uint8_t tmCharSet = DEFAULT_CHARSET;
};

// Widths past kMaxPenWidth draw as kMaxPenWidth.
constexpr int kMaxPenWidth = 1024;
HPEN CreatePen(int style, int width, COLORREF color);
HPEN ExtCreatePen(int style, int width, const LOGBRUSH& brush);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
// The brush keeps its own copy of the pattern's pixels.
HBRUSH CreatePatternBrush(HBITMAP pattern);
HBRUSH CreateBrushIndirect(const LOGBRUSH& brush);
HFONT CreateFontIndirect(const LOGFONT& font);
// A 32-bit bitmap of the given size (0 x 0 allowed); EOutOfResources when too large.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap32(int width, int height);
HGDIOBJ GetStockObject(int index);
// A brush of a system colour from the fixed table; never deleted.
HBRUSH GetSysColorBrush(int index);
// Objects selected into a device context stay alive until deselected; stock objects are
// never freed. Returns false for handles that are not objects.
bool DeleteObject(HGDIOBJ object);
int GetObjectType(HGDIOBJ object);
bool GetLogFont(HFONT font, LOGFONT& out);
bool GetBitmapSize(HBITMAP bitmap, TSize& size);
// The pixels of a bitmap object, as the bits of a device-independent section: 32-bit
// 0xAARRGGBB, rows top-down, `size.cx` pixels a row; for code that puts down runs of pixels
// itself. nullptr for anything that is not a bitmap.
uint32_t* GetBitmapBits32(HBITMAP bitmap, TSize& size);

// ---- Device contexts ---------------------------------------------------------------------

// A memory device context with a 1 x 1 stock bitmap selected; `dc` is ignored.
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
// Selects a pen, brush, font or bitmap and returns the previous object of that kind; for a
// region, sets the clip (as SelectClipRgn) and returns the region kind as a handle value.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, int objectType);

// Saves the whole drawing state; returns the save level (>= 1), 0 on failure.
int SaveDC(HDC dc);
// Restores level `saved` (> 0) or the level `-saved` steps back (< 0).
bool RestoreDC(HDC dc, int saved);

// Saves a device context's drawing state and puts it back however the drawing in between ends.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(dc_, level_); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int level_;
};

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

// Mix modes for pens and brush interiors, the bitwise truth tables of the window system.
enum : int {
  R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5,
  R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11,
  R2_MERGENOTPEN = 12, R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16,
};
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);

enum : UINT {
  TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24,
  TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_RTLREADING = 256,
};
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);

enum : DWORD { LAYOUT_LTR = 0, LAYOUT_RTL = 1, LAYOUT_BITMAPORIENTATIONPRESERVED = 8 };
DWORD SetLayout(HDC dc, DWORD layout);
DWORD GetLayout(HDC dc);

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old);
bool GetViewportOrgEx(HDC dc, TPoint* origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old);
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old);
bool GetWindowOrgEx(HDC dc, TPoint* origin);
bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old);
bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* old);
bool GetBrushOrgEx(HDC dc, TPoint* origin);
bool LPtoDP(HDC dc, TPoint* points, int count);
bool DPtoLP(HDC dc, TPoint* points, int count);

// The part of the selected bitmap a device context draws on (a window's place in the
// composed picture): its origin is the device origin, nothing outside it is touched, and
// right-to-left layout mirrors inside its width. Default: the whole bitmap.
void SetDeviceArea(HDC dc, const TRect& area);
TRect GetDeviceArea(HDC dc);
// A clip the owner of the device context imposes (a window's visible region), relative to
// the device area; the program's own clip (SelectClipRgn) only narrows it. nullptr: none.
void SetSystemClipRegion(HDC dc, HRGN region);

// ---- Clipping -----------------------------------------------------------------------------

// Copies the region (relative to the device area); nullptr removes the program's clip.
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);  // logical
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);    // logical
int OffsetClipRgn(HDC dc, int dx, int dy);
// The bounds of what can be drawn, in logical coordinates.
int GetClipBox(HDC dc, TRect& box);
// 1 and the clip copied into `region` when the program set one, 0 when none.
int GetClipRgn(HDC dc, HRGN region);
bool PtVisible(HDC dc, int x, int y);
bool RectVisible(HDC dc, const TRect& r);

// ---- Device facts -------------------------------------------------------------------------

enum : int { HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14, NUMCOLORS = 24, LOGPIXELSX = 88, LOGPIXELSY = 90 };
// 96 dots per inch, 32 bits per pixel.
int GetDeviceCaps(HDC dc, int index);
constexpr int ScreenPixelsPerInch = 96;

// ---- The drawing thread's caches ------------------------------------------------------------

// Frees the cached text engine state (fonts, painters) and, if this layer created the
// toolkit's application object, that too. Called at exit automatically; safe to call twice.
void ShutdownGraphics();
