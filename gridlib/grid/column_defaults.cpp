// Grid-wide defaults for columns, titles and footers, inherited until a column sets its own.
#include "gridlib/grid/column_defaults.h"

#include "gridlib/grid/grid_host.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"


void TColumnTitleDefValuesEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnTitleDefValuesEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  if (other->IsAlignmentStored()) SetAlignment(other->Alignment());
  if (other->IsColorStored()) SetColor(other->Color());
  SetEndEllipsis(other->EndEllipsis());
  SetTitleButton(other->TitleButton());
  SetToolTips(other->ToolTips());
  SetOrientation(other->Orientation());
}

TAlignment TColumnTitleDefValuesEx::Alignment() const {
  if (IsAlignmentStored()) return alignment_;
  return grid_ != nullptr && grid_->UseMultiTitle() ? taCenter : taLeftJustify;
}

void TColumnTitleDefValuesEx::SetAlignment(TAlignment value) {
  if (IsAlignmentStored() && alignment_ == value) return;
  alignment_ = value;
  assigned_ |= kAlignmentBit;
  if (grid_ != nullptr) grid_->LayoutChanged();
}

TColor TColumnTitleDefValuesEx::Color() const {
  if (IsColorStored()) return color_;
  return grid_ != nullptr ? grid_->FixedColor() : clBtnFace;
}

void TColumnTitleDefValuesEx::SetColor(TColor value) {
  if (IsColorStored() && color_ == value) return;
  color_ = value;
  assigned_ |= kColorBit;
  if (grid_ != nullptr) grid_->InvalidateGrid();
}

void TColumnTitleDefValuesEx::SetEndEllipsis(bool value) {
  if (endEllipsis_ == value) return;
  endEllipsis_ = value;
  if (grid_ != nullptr) grid_->InvalidateGrid();
}

void TColumnTitleDefValuesEx::SetOrientation(TTextOrientationEx value) {
  if (orientation_ == value) return;
  orientation_ = value;
  if (grid_ != nullptr) grid_->LayoutChanged();
}


void TColumnFooterDefValuesEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnFooterDefValuesEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  toolTips_ = other->toolTips_;
}

TColumnDefValuesEx::TColumnDefValuesEx(TDBGridExHost* grid)
    : grid_(grid),
      title_(std::make_unique<TColumnTitleDefValuesEx>(grid)),
      footer_(std::make_unique<TColumnFooterDefValuesEx>()) {}

TColumnDefValuesEx::~TColumnDefValuesEx() = default;

void TColumnDefValuesEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnDefValuesEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  title_->Assign(other->title_.get());
  SetAlwaysShowEditButton(other->AlwaysShowEditButton());
  SetEndEllipsis(other->EndEllipsis());
  SetAutoDropDown(other->AutoDropDown());
  SetDblClickNextVal(other->DblClickNextVal());
  SetToolTips(other->ToolTips());
  SetDropDownSizing(other->DropDownSizing());
  SetDropDownShowTitles(other->DropDownShowTitles());
}

void TColumnDefValuesEx::SetLayout(TTextLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  if (grid_ != nullptr) grid_->InvalidateGrid();
}

void TColumnDefValuesEx::SetAndRepaint(bool& field, bool value) {
  if (field == value) return;
  field = value;
  if (grid_ != nullptr) grid_->InvalidateGrid();
}

