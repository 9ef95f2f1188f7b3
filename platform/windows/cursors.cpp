#include "platform/windows/cursors.h"

#include "platform/windows/backend.h"

namespace {

HCURSOR& Current() {
  static HCURSOR cursor = IDC_ARROW;
  return cursor;
}

}  // namespace

HCURSOR LoadCursor(uintptr_t, HCURSOR id) { return id; }

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = Current();
  if (cursor != old) {
    Current() = cursor;
    Backend().SetCursorShape(cursor);
  }
  return old;
}

HCURSOR GetCursor() { return Current(); }

HCURSOR CursorForHitTest(intptr_t hitCode) {
  switch (hitCode) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: case HTGROWBOX: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
  }
}
