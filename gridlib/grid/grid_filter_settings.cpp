// The grid's filter-row settings: shown or not, streamed only when changed, and the lock that
// keeps the filter editor in place while columns move.
#include "gridlib/grid/grid_filter_settings.h"

#include "gridlib/grid/db_grid.h"
#include "platform/classes/properties.h"

void TSTDBGridExFilter::Publish() {
  using T = TSTDBGridExFilter;
  TPublisher<T> p;
  p.Property("Local", &T::Local, &T::SetLocal).Default(false);
  p.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
}

void TSTDBGridExFilter::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSTDBGridExFilter*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  SetVisible(other->visible_);
  local_ = other->local_;
}

TPersistent* TSTDBGridExFilter::GetOwner() { return grid_; }

// The filter row is a grid row of its own: showing or hiding it moves every data row.
void TSTDBGridExFilter::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  if (grid_ == nullptr) return;
  if (!value) grid_->CloseFilterEditor();
  grid_->LayoutChanged();
  grid_->UpdateVertScrollBar();
  if (grid_->InplaceEditorShowing()) grid_->RefreshInplaceEditor();
}

void TSTDBGridExFilter::UnlockPlacement() {
  if (placementLocks_ > 0) --placementLocks_;
}
