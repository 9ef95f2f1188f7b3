// Painting windows: update regions, paint device contexts and the surfaces behind them.
#include "platform/windows/painting.h"

#include <map>
#include <memory>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/region.h"
#include "platform/windows/backend.h"
#include "platform/windows/window_data.h"

namespace {

struct TSurface {
  std::unique_ptr<TBitmap> bitmap;
  TRect dirty;  // window coordinates, not yet presented
};

struct TOpenDC {
  HWND window = nullptr;
  HRGN systemClip = nullptr;
  TRect area;  // device area in surface coordinates
};

// A window whose frame is being printed into a caller's context, and the saved settings of
// that context for each GetWindowDC not yet given back.
struct TPrintTarget {
  HDC target = nullptr;
  std::vector<int> savedLevels;
};

struct TPaintState {
  std::map<HWND, TSurface> surfaces;
  std::map<HDC, TOpenDC> openDCs;
  std::map<HWND, TPrintTarget> printTargets;
  int paintPassDepth = 0;
  bool hooked = false;
};

TPaintState& State() {
  static TPaintState state;
  if (!state.hooked) {
    state.hooked = true;
    AddWindowDestroyHook([](HWND h) {
      if (State().surfaces.erase(h)) Backend().WindowDestroyed(h);
    });
  }
  return state;
}

TSurface& SurfaceOf(HWND top) {
  TSurface& s = State().surfaces[top];
  TRect b = WindowBounds(top);
  if (!s.bitmap) s.bitmap = std::make_unique<TBitmap>();
  if (s.bitmap->Width() != b.Width() || s.bitmap->Height() != b.Height()) {
    s.bitmap->SetSize(b.Width(), b.Height());
    s.dirty = Rect(0, 0, b.Width(), b.Height());
  }
  return s;
}

TRegion ShapeIn(const TWindowData& w, int dx, int dy) {
  TRegion shape = w.shape;
  shape.Offset(dx, dy);
  return shape;
}

// Unites many regions pairwise, so that a window with hundreds of children costs n log n.
TRegion UnionAll(std::vector<TRegion> parts) {
  if (parts.empty()) return {};
  while (parts.size() > 1) {
    std::vector<TRegion> next;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) next.push_back(parts[i].Union(parts[i + 1]));
    if (parts.size() % 2) next.push_back(std::move(parts.back()));
    parts.swap(next);
  }
  return std::move(parts.front());
}

TRegion SubtractChildren(const TRegion& vis, const TWindowData& w) {
  std::vector<TRegion> children;
  for (HWND c : w.children) {
    TWindowData* cw = FindWindowData(c);
    if (!(cw->style & WS_VISIBLE)) continue;
    TRect r = cw->bounds;
    OffsetRect(r, w.client.Left, w.client.Top);
    children.push_back(cw->hasShape ? ShapeIn(*cw, r.Left, r.Top) : TRegion(r));
  }
  return children.empty() ? vis : vis.Subtract(UnionAll(std::move(children)));
}

// What can be seen of a window, in its window coordinates: inside its ancestors' client
// areas and shapes, not under a sibling above it (at every level).
TRegion VisibleRegion(HWND h, bool clientOnly) {
  TWindowData* w = FindWindowData(h);
  if (!w || !IsWindowVisible(h) || (w->style & WS_MINIMIZE && !w->IsChildWindow())) return {};
  TRegion vis(clientOnly ? w->client : w->WindowRect0());
  if (w->hasShape) vis = vis.Intersect(w->shape);
  if (clientOnly && (w->style & WS_CLIPCHILDREN)) vis = SubtractChildren(vis, *w);
  TPoint off{0, 0};
  for (TWindowData* cur = w; cur->IsChildWindow();) {
    TWindowData* parent = FindWindowData(cur->parent);
    off.x += cur->bounds.Left;
    off.y += cur->bounds.Top;
    vis = vis.Intersect(Bounds(-off.x, -off.y, parent->client.Width(), parent->client.Height()));
    TRect visBounds = vis.Bounds();
    for (HWND sib : parent->children) {
      if (sib == cur->handle) break;
      TWindowData* sw = FindWindowData(sib);
      TRect r = sw->bounds;
      OffsetRect(r, -off.x, -off.y);
      TRect overlap;
      if (!(sw->style & WS_VISIBLE) || !IntersectRect(overlap, r, visBounds)) continue;
      vis = vis.Subtract(sw->hasShape ? ShapeIn(*sw, r.Left, r.Top) : TRegion(r));
    }
    off.x += parent->client.Left;
    off.y += parent->client.Top;
    if (parent->hasShape) vis = vis.Intersect(ShapeIn(*parent, -off.x, -off.y));
    cur = parent;
  }
  return vis;
}

// A device context over the window's place in its top-level picture.
HDC MakeDC(HWND h, bool client, const TRegion* limit) {
  TWindowData* w = FindWindowData(h);
  if (!w) return nullptr;
  HWND top = GetAncestorTop(h);
  TSurface& surface = SurfaceOf(top);
  TPoint origin = OffsetInTopLevel(h);
  TRect area = client ? w->client : w->WindowRect0();
  OffsetRect(area, origin.x, origin.y);
  TRegion vis = VisibleRegion(h, client);
  if (limit) vis = vis.Intersect(*limit);
  TRect local = client ? w->client : TRect{};
  vis.Offset(-local.Left, -local.Top);
  TGdiOwner<HDC> dc(CreateCompatibleDC(nullptr));
  SelectObject(dc.get(), surface.bitmap->Handle());
  SetDeviceArea(dc.get(), area);
  TGdiOwner<HRGN> clip(CreateRegion(vis));
  SetSystemClipRegion(dc.get(), clip.get());
  State().openDCs[dc.get()] = {h, clip.get(), area};
  clip.release();  // ReleaseDC frees both
  return dc.release();
}

// A client device context clipped to the window's update region.
HDC UpdateDC(const TWindowData& w) {
  TRegion limit = w.update;
  limit.Offset(w.client.Left, w.client.Top);
  return MakeDC(w.handle, true, &limit);
}

// Gives a device context back however the scope ends.
class TDCScope {
 public:
  TDCScope(HWND h, HDC dc) : h_(h), dc_(dc) {}
  ~TDCScope() { ReleaseDC(h_, dc_); }
  TDCScope(const TDCScope&) = delete;
  TDCScope& operator=(const TDCScope&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND h_;
  HDC dc_;
};

void PresentDirty() {
  for (auto& [top, surface] : State().surfaces) {
    if (surface.dirty.IsEmpty()) continue;
    TRect dirty = surface.dirty;
    surface.dirty = {};
    Backend().PresentWindow(top, dirty);
  }
}

void MarkDirty(HWND window, const TRect& area) {
  HWND top = GetAncestorTop(window);
  auto it = State().surfaces.find(top);
  if (it != State().surfaces.end()) UnionRect(it->second.dirty, it->second.dirty, area);
}

// Adds `region` (window coordinates of w) to w's frame or client update.
void AddToUpdate(TWindowData& w, const TRegion& region, uint32_t flags) {
  TRegion inClient = region.Intersect(w.client);
  if ((flags & RDW_FRAME) && !(region.Subtract(TRegion(w.client)).IsEmpty())) w.framePending = true;
  if (inClient.IsEmpty()) return;
  inClient.Offset(-w.client.Left, -w.client.Top);
  w.update = w.update.Union(inClient);
  if (flags & RDW_ERASE) w.erasePending = true;
}

void RemoveFromUpdate(TWindowData& w, const TRegion& region) {
  TRegion inClient = region;
  inClient.Offset(-w.client.Left, -w.client.Top);
  w.update = w.update.Subtract(inClient);
  if (w.update.IsEmpty()) w.erasePending = false;
}

bool IncludesChildren(const TWindowData& w, uint32_t flags) {
  if (flags & RDW_ALLCHILDREN) return true;
  return !(flags & RDW_NOCHILDREN) && !(w.style & WS_CLIPCHILDREN);
}

// `region` is in window coordinates of h.
void RedrawRegion(HWND h, const TRegion& region, uint32_t flags) {
  TWindowData* w = FindWindowData(h);
  if (!w || region.IsEmpty()) return;
  if (flags & RDW_INVALIDATE) AddToUpdate(*w, region, flags);
  if (flags & RDW_VALIDATE) RemoveFromUpdate(*w, region);
  if (!IncludesChildren(*w, flags)) return;
  for (HWND c : w->children) {
    TWindowData* cw = FindWindowData(c);
    if (!(cw->style & WS_VISIBLE)) continue;
    TRegion inChild = region.Intersect(w->client);
    inChild.Offset(-w->client.Left - cw->bounds.Left, -w->client.Top - cw->bounds.Top);
    inChild = inChild.Intersect(cw->WindowRect0());
    RedrawRegion(c, inChild, flags | RDW_FRAME);
  }
}

void PaintTree(HWND h) {
  TWindowData* w = FindWindowData(h);
  if (!w || !(w->style & WS_VISIBLE)) return;
  if (w->framePending) {
    w->framePending = false;
    SendMessage(h, WM_NCPAINT, 1, 0);
  }
  if ((w = FindWindowData(h)) && !w->update.IsEmpty()) {
    SendMessage(h, WM_PAINT);
    // A window procedure that never calls BeginPaint would be asked again and again.
    if ((w = FindWindowData(h)) != nullptr) ValidateRect(h, nullptr);
  }
  std::vector<HWND> children = ChildWindows(h);
  for (auto it = children.rbegin(); it != children.rend(); ++it) PaintTree(*it);
}

bool HasInvalid(HWND h) {
  TWindowData* w = FindWindowData(h);
  if (!w || !(w->style & WS_VISIBLE)) return false;
  if (w->framePending || !w->update.IsEmpty()) return true;
  for (HWND c : w->children)
    if (HasInvalid(c)) return true;
  return false;
}

class TPaintPass {
 public:
  TPaintPass() { ++State().paintPassDepth; }
  ~TPaintPass() {
    if (--State().paintPassDepth == 0) PresentDirty();
  }
  TPaintPass(const TPaintPass&) = delete;
  TPaintPass& operator=(const TPaintPass&) = delete;
};

TRegion ClientRegionOrRect(HWND h, const TRect* r) {
  TWindowData* w = FindWindowData(h);
  TRect area = r ? *r : Rect(0, 0, w->client.Width(), w->client.Height());
  OffsetRect(area, w->client.Left, w->client.Top);
  return TRegion(area);
}

}  // namespace

bool RedrawWindow(HWND h, const TRect* r, uint32_t flags) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  TRegion region = (flags & RDW_FRAME) && !r ? TRegion(w->WindowRect0()) : ClientRegionOrRect(h, r);
  RedrawRegion(h, region, flags);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(h);
  return true;
}

bool InvalidateRect(HWND h, const TRect* r, bool erase) {
  return RedrawWindow(h, r, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND h, HRGN region, bool erase) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  if (!region) return InvalidateRect(h, nullptr, erase);
  const TRegion* rgn = RegionOf(region);
  if (!rgn) return false;
  TRegion inWindow = *rgn;
  inWindow.Offset(w->client.Left, w->client.Top);
  RedrawRegion(h, inWindow, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return true;
}

bool ValidateRect(HWND h, const TRect* r) {
  TWindowData* w = FindWindowData(h);
  if (!w) return false;
  RemoveFromUpdate(*w, ClientRegionOrRect(h, r));
  return true;
}

bool GetUpdateRect(HWND h, TRect& r, bool erase) {
  TWindowData* w = FindWindowData(h);
  r = {};
  if (!w) return false;
  r = w->update.Bounds();
  if (erase && w->erasePending && !w->update.IsEmpty()) {
    TDCScope dc(h, UpdateDC(*w));
    w->erasePending = false;
    SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
  }
  return !r.IsEmpty();
}

int GetUpdateRgn(HWND h, HRGN region, bool erase) {
  TRect bounds;
  GetUpdateRect(h, bounds, erase);
  TWindowData* w = FindWindowData(h);
  if (!w || !region) return RGN_ERROR;
  TGdiOwner<HRGN> copy(CreateRegion(w->update));
  return CombineRgn(region, copy.get(), nullptr, RGN_COPY);
}

bool UpdateWindow(HWND h) {
  if (!IsWindow(h)) return false;
  TPaintPass pass;
  PaintTree(h);
  return true;
}

bool HasInvalidWindows() {
  for (HWND top : TopLevelWindows())
    if (HasInvalid(top)) return true;
  return false;
}

bool PaintInvalidWindows() {
  bool painted = false;
  TPaintPass pass;
  std::vector<HWND> tops = TopLevelWindows();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    if (!HasInvalid(*it)) continue;
    painted = true;
    PaintTree(*it);
  }
  return painted;
}

HDC BeginPaint(HWND h, PAINTSTRUCT& ps) {
  TWindowData* w = FindWindowData(h);
  ps = PAINTSTRUCT{};
  if (!w) return nullptr;
  ps.hdc = UpdateDC(*w);
  ps.rcPaint = w->update.Bounds();
  bool erase = w->erasePending;
  w->update = TRegion();
  w->erasePending = false;
  ps.fErase = erase && SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.hdc)) == 0;
  return ps.hdc;
}

bool EndPaint(HWND h, const PAINTSTRUCT& ps) { return ReleaseDC(h, ps.hdc) != 0; }

HDC GetDC(HWND h) { return MakeDC(h, true, nullptr); }
HDC GetWindowDC(HWND h) {
  auto printing = State().printTargets.find(h);
  if (printing == State().printTargets.end()) return MakeDC(h, false, nullptr);
  TPrintTarget& print = printing->second;
  print.savedLevels.push_back(SaveDC(print.target));
  return print.target;
}

TPrintWindowDC::TPrintWindowDC(HWND h, HDC target) : h_(h) {
  State().printTargets[h] = TPrintTarget{target, {}};
}

TPrintWindowDC::~TPrintWindowDC() {
  auto printing = State().printTargets.find(h_);
  if (printing == State().printTargets.end()) return;
  // Contexts a handler never gave back still get their settings back.
  TPrintTarget& print = printing->second;
  if (!print.savedLevels.empty()) RestoreDC(print.target, print.savedLevels.front());
  State().printTargets.erase(printing);
}

int ReleaseDC(HWND h, HDC dc) {
  auto printing = State().printTargets.find(h);
  if (printing != State().printTargets.end() && printing->second.target == dc &&
      !printing->second.savedLevels.empty()) {
    RestoreDC(dc, printing->second.savedLevels.back());
    printing->second.savedLevels.pop_back();
    return 1;
  }
  auto it = State().openDCs.find(dc);
  if (it == State().openDCs.end()) return 0;
  TOpenDC open = it->second;
  State().openDCs.erase(it);
  DeleteDC(dc);
  DeleteObject(open.systemClip);
  MarkDirty(open.window, open.area);
  if (State().paintPassDepth == 0) PresentDirty();
  return 1;
}

void ShowPaintedNow(HWND h) {
  if (!IsWindow(h)) return;
  PresentDirty();
  Backend().ShowPresented(GetAncestorTop(h));
}

HWND WindowFromDC(HDC dc) {
  auto it = State().openDCs.find(dc);
  return it == State().openDCs.end() ? nullptr : it->second.window;
}

namespace {

// Pixels of the scrolled area that came from a place that was visible: the rest must be
// painted again.
TRegion ScrolledValidArea(const TRegion& visible, const TRect& area, int dx, int dy) {
  TRegion source = visible.Intersect(area);
  source.Offset(dx, dy);
  return source.Intersect(area);
}

void MoveChildren(HWND h, int dx, int dy) {
  for (HWND c : ChildWindows(h)) {
    TRect b = WindowBounds(c);
    SetWindowPos(c, nullptr, b.Left + dx, b.Top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
  }
}

}  // namespace

int ScrollWindowEx(HWND h, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update,
                   TRect* updateRect, uint32_t flags) {
  TWindowData* w = FindWindowData(h);
  if (!w) return RGN_ERROR;
  TRect client = Rect(0, 0, w->client.Width(), w->client.Height());
  TRect area = client;
  if (scroll) IntersectRect(area, area, *scroll);
  if (clip) IntersectRect(area, area, *clip);
  TRegion visible = VisibleRegion(h, true);
  visible.Offset(-w->client.Left, -w->client.Top);
  TRegion invalid = visible.Intersect(area).Subtract(ScrolledValidArea(visible, area, dx, dy));
  {
    TPaintPass pass;
    TDCScope dc(h, GetDC(h));
    TRect scrollArea = scroll ? *scroll : client;
    ScrollDC(dc.Get(), dx, dy, &scrollArea, &area, nullptr, nullptr);
  }
  // The part of the update region that moved with the pixels moves too.
  TRegion moved = w->update.Intersect(area);
  moved.Offset(dx, dy);
  w->update = w->update.Subtract(TRegion(area)).Union(moved.Intersect(area));
  if (flags & SW_SCROLLCHILDREN) {
    MoveChildren(h, dx, dy);
    // A child told of its move may have closed the window.
    if ((w = FindWindowData(h)) == nullptr) return RGN_ERROR;
  }
  if (updateRect) *updateRect = invalid.Bounds();
  if (update) {
    TGdiOwner<HRGN> result(CreateRegion(invalid));
    CombineRgn(update, result.get(), nullptr, RGN_COPY);
  }
  if (flags & SW_INVALIDATE) {
    TRegion inWindow = invalid;
    inWindow.Offset(w->client.Left, w->client.Top);
    RedrawRegion(h, inWindow, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) | RDW_ALLCHILDREN);
  }
  if (invalid.IsEmpty()) return NULLREGION;
  return invalid.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

bool ScrollWindow(HWND h, int dx, int dy, const TRect* scroll, const TRect* clip) {
  return ScrollWindowEx(h, dx, dy, scroll, clip, nullptr, nullptr, SW_INVALIDATE | SW_ERASE) != RGN_ERROR;
}

int SetWindowRgn(HWND h, HRGN region, bool redraw) {
  // The window takes over the region: it is freed whatever happens.
  TGdiOwner<HRGN> owned(region);
  TWindowData* w = FindWindowData(h);
  if (!w) return 0;
  const TRegion* shape = region ? RegionOf(region) : nullptr;
  if (redraw && w->IsChildWindow()) RedrawWindow(w->parent, &w->bounds, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  w->hasShape = shape != nullptr;
  w->shape = shape ? *shape : TRegion();
  owned.reset();
  if (!w->IsChildWindow()) Backend().WindowShapeChanged(h);
  if (redraw) RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return 1;
}

int GetWindowRgn(HWND h, HRGN region) {
  TWindowData* w = FindWindowData(h);
  if (!w || !w->hasShape || !region) return RGN_ERROR;
  TGdiOwner<HRGN> copy(CreateRegion(w->shape));
  return CombineRgn(region, copy.get(), nullptr, RGN_COPY);
}

TBitmap* WindowSurface(HWND top) {
  auto it = State().surfaces.find(top);
  return it == State().surfaces.end() ? nullptr : it->second.bitmap.get();
}
