#pragma once

#include <functional>
#include <memory>

class TFont;

// A font of its own that mirrors a default font until the user changes it: copies from the
// default are made quietly, a change by the user is reported.
class TInheritedFont {
 public:
  explicit TInheritedFont(std::function<void()> userChanged);
  ~TInheritedFont();
  TInheritedFont(const TInheritedFont&) = delete;
  TInheritedFont& operator=(const TInheritedFont&) = delete;

  TFont* Get() const { return font_.get(); }
  // Takes the look of `source` without reporting it (nothing to do when it is this font).
  void CopyQuietly(TFont* source) const;

 private:
  std::unique_ptr<TFont> font_;
  mutable bool copying_ = false;
};
