// A font that follows its parent's until it is set, copied without reporting a change.
#include "gridlib/grid/inherited_font.h"

#include "platform/core/scope_guard.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

TInheritedFont::TInheritedFont(std::function<void()> userChanged)
    : font_(std::make_unique<TFont>()) {
  font_->OnChange.Bind(nullptr, "", [this, userChanged = std::move(userChanged)](TObject*) {
    if (!copying_) userChanged();
  });
}

TInheritedFont::~TInheritedFont() = default;

void TInheritedFont::CopyQuietly(TFont* source) const {
  if (source == font_.get()) return;
  auto quiet = ScopedValue(copying_, true);
  font_->Assign(source);
}
