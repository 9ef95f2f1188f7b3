// Cursors: the current one and cursors made from pictures.
#include "platform/windows/cursors.h"

#include <map>
#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/resources.h"
#include "platform/windows/backend.h"

namespace {

HCURSOR& Current() {
  static HCURSOR cursor = IDC_ARROW;
  return cursor;
}

// Cursors made from pictures are numbered above every standard identifier.
constexpr HCURSOR kFirstImageCursor = 0x10000;

struct TImageCursors {
  std::map<HCURSOR, TCursorImage> Pictures;
  HCURSOR Next = kFirstImageCursor;
};

// Never destroyed: a library that made cursors may free them from its own static objects while
// the process ends, after a registry of function-local lifetime would already be gone.
TImageCursors& ImageCursors() {
  static auto* cursors = new TImageCursors;
  return *cursors;
}

std::unique_ptr<TBitmap> CopyOf(TBitmap* bitmap) {
  if (bitmap == nullptr) return nullptr;
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(bitmap);
  return copy;
}

}  // namespace

HCURSOR CreateImageCursor(const TCursorImage& picture) {
  if (picture.Image == nullptr || picture.Image->Empty()) return 0;
  TCursorImage copy;
  copy.Image = CopyOf(picture.Image.get());
  copy.Mask = CopyOf(picture.Mask.get());
  copy.HotSpot = picture.HotSpot;
  TImageCursors& cursors = ImageCursors();
  const HCURSOR cursor = cursors.Next++;
  cursors.Pictures.emplace(cursor, std::move(copy));
  return cursor;
}

bool DestroyCursor(HCURSOR cursor) {
  auto& pictures = ImageCursors().Pictures;
  const auto found = pictures.find(cursor);
  if (found == pictures.end()) return false;
  // The toolkit must not be left showing a picture that is gone.
  if (Current() == cursor) SetCursor(IDC_ARROW);
  pictures.erase(found);
  return true;
}

const TCursorImage* CursorPicture(HCURSOR cursor) {
  const auto& pictures = ImageCursors().Pictures;
  const auto found = pictures.find(cursor);
  return found != pictures.end() ? &found->second : nullptr;
}

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
