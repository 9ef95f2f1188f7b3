// The grid's footer sums: published settings, the hooks kept off at design time, and the
// reports passed on to the grid.
#include "gridlib/grid/grid_sum_list.h"

#include "gridlib/grid/db_grid.h"
#include "platform/core/scope_guard.h"
#include "platform/classes/properties.h"
#include "platform/windows/painting.h"

TDBGridExSumList::TDBGridExSumList(TDBGridExHost* grid)
    : TDBSumListProducer(grid != nullptr ? grid->GridComponent() : nullptr), grid_(grid) {}

void TDBGridExSumList::Publish() {
  using T = TDBGridExSumList;
  TPublisher<T> p;
  p.Property("Active", &T::Active, &T::SetActive).Default(false);
  p.Property("ExternalRecalc", &T::ExternalRecalc, &T::SetExternalRecalc).Default(false);
  p.Event("OnRecalcAll", &T::OnRecalcAll);
  p.Event("OnAfterRecalcAll", &T::OnAfterRecalcAll);
  p.Event("SumListChanged", &T::SumListChanged);
  p.Property("VirtualRecords", &T::VirtualRecords, &T::SetVirtualRecords).Default(false);
}

// The settings come first, so that switching Active on counts as the source would.
void TDBGridExSumList::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TDBGridExSumList*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  SetExternalRecalc(other->ExternalRecalc());
  SetVirtualRecords(other->VirtualRecords());
  OnRecalcAll.Assign(other->OnRecalcAll);
  OnAfterRecalcAll.Assign(other->OnAfterRecalcAll);
  SumListChanged.Assign(other->SumListChanged);
  SetActive(other->Active());
}

TPersistent* TDBGridExSumList::GetOwner() {
  return grid_ != nullptr ? grid_->GridComponent() : nullptr;
}

bool TDBGridExSumList::GridDesigning() const { return grid_ != nullptr && grid_->IsDesigning(); }

void TDBGridExSumList::InstallHooks() {
  if (GridDesigning()) return SetHookedState(true);
  TDBSumListProducer::InstallHooks();
}

void TDBGridExSumList::RestoreHooks() {
  if (GridDesigning()) return SetHookedState(false);
  TDBSumListProducer::RestoreHooks();
}

void TDBGridExSumList::Report(TSumListReport report) {
  TDBSumListProducer::Report(report);
  if (grid_ != nullptr) grid_->SumListReported(this, report);
}

// ---- The grid's side: the sum list's reports become the grid's events and its new layout.

void TCustomDBGridEx::SumListReported(TDBGridExSumList* sumList, TSumListReport report) {
  switch (report) {
    case TSumListReport::RecalcAll: OnSumListRecalcAll.Call(sumList); break;
    case TSumListReport::AfterRecalcAll: OnSumListAfterRecalcAll.Call(sumList); break;
    case TSumListReport::Changed: SumListRecalcAll(); break;
  }
}

// At design time nothing is hooked, so an active list is counted here. Any erase already
// asked for is dropped: the grid paints every pixel of its cells itself.
void TCustomDBGridEx::SumListRecalcAll() {
  if (!HandleAllocated() || inSumListChange_ || IsDestroying()) return;
  auto inside = ScopedValue(inSumListChange_, true);
  if (IsDesigning() && SumList()->Active()) SumList()->RecalcAll();
  SetRowHeights();
  const bool barShown = VertScrollBar()->IsScrollBarVisible();
  UpdateVertScrollBar();
  if (barShown != VertScrollBar()->IsScrollBarVisible() && AutoFitColWidths() && !IsDesigning()) DeferLayout();
  UpdateActive();
  RefreshInplaceEditor();
  ValidateRect(Handle(), nullptr);
  ::InvalidateRect(Handle(), nullptr, false);
}
