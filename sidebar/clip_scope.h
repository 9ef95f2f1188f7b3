#pragma once

#include "platform/core/types.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"

// Limits drawing on a device context to a rectangle (or a region) for the life of a scope,
// then removes the clip and frees the region on every way out.
class TnbClipScope {
 public:
  TnbClipScope(HDC dc, const TRect& r) : TnbClipScope(dc, CreateRectRgnIndirect(r)) {}
  // Takes over `region`.
  TnbClipScope(HDC dc, HRGN region) : dc_(dc), region_(region) { SelectClipRgn(dc_, region_); }
  ~TnbClipScope() {
    SelectClipRgn(dc_, nullptr);
    DeleteObject(region_);
  }
  TnbClipScope(const TnbClipScope&) = delete;
  TnbClipScope& operator=(const TnbClipScope&) = delete;

 private:
  HDC dc_;
  HRGN region_;
};

// Sets a flag for the life of a scope, so a paint routine cannot re-enter itself and an
// exception never leaves the flag set.
class TnbFlagScope {
 public:
  explicit TnbFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TnbFlagScope() { flag_ = false; }
  TnbFlagScope(const TnbFlagScope&) = delete;
  TnbFlagScope& operator=(const TnbFlagScope&) = delete;

 private:
  bool& flag_;
};

// Puts a value back as it was when the scope began, on every way out.
template <typename T>
class TnbRestore {
 public:
  explicit TnbRestore(T& ref) : ref_(ref), saved_(ref) {}
  ~TnbRestore() { ref_ = saved_; }
  TnbRestore(const TnbRestore&) = delete;
  TnbRestore& operator=(const TnbRestore&) = delete;

 private:
  T& ref_;
  T saved_;
};
