// The published properties of the grid's column classes, in stream order. This file sees no
// data-access header: their field-type names would clash with the property registry's.
#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/mru_list.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

namespace {

using T = TColumnEx;

void PublishAppearance(TPublisher<TDBGridColumnEx>& p) {
  p.Property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  p.Property("AlwaysShowEditButton", &T::AlwaysShowEditButton, &T::SetAlwaysShowEditButton)
      .Stored(&T::IsAlwaysShowEditButtonStored);
  p.Property("AutoDropDown", &T::AutoDropDown, &T::SetAutoDropDown)
      .Stored(&T::IsAutoDropDownStored);
  p.Property("AutoFitColWidth", &T::AutoFitColWidth, &T::SetAutoFitColWidth).Default(true);
  p.Property("BiDiMode", &T::BiDiMode, &T::SetBiDiMode).Stored(&T::IsBiDiModeStored);
  p.Property("ButtonStyle", &T::ButtonStyle, &T::SetButtonStyle).Default(cbsAuto);
  p.Property("Checkboxes", &T::Checkboxes, &T::SetCheckboxes).Stored(&T::IsCheckboxesStored);
  p.Property("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored).Idents(ColorIdents());
  p.Property("DblClickNextVal", &T::DblClickNextVal, &T::SetDblClickNextVal)
      .Stored(&T::IsDblClickNextValStored);
  p.Property("DisplayFormat", &T::DisplayFormat, &T::SetDisplayFormat);
  p.Property("DropDownBox", &T::DropDownBox, &T::SetDropDownBox);
  p.Property("DropDownRows", &T::DropDownRows, &T::SetDropDownRows).Default(7u);
  p.Property("DropDownShowTitles", &T::DropDownShowTitles, &T::SetDropDownShowTitles)
      .Stored(&T::IsDropDownShowTitlesStored);
  p.Property("DropDownSizing", &T::DropDownSizing, &T::SetDropDownSizing)
      .Stored(&T::IsDropDownSizingStored);
  p.Property("DropDownSpecRow", &T::DropDownSpecRow, &T::SetDropDownSpecRow);
  p.Property("DropDownWidth", &T::DropDownWidth, &T::SetDropDownWidth).Default(0);
  p.Property("EditButtons", &T::EditButtons, &T::SetEditButtons);
  p.Property("EditMask", &T::EditMask, &T::SetEditMask);
  p.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Stored(&T::IsEndEllipsisStored);
  p.Property("FieldName", &T::FieldName, &T::SetFieldName);
  p.Property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  p.Property("Footer", &T::Footer, &T::SetFooter);
  p.Property("Footers", &T::Footers, &T::SetFooters);
  p.Property("HideDuplicates", &T::HideDuplicates, &T::SetHideDuplicates).Default(false);
  p.Property("CanPrint", &T::CanPrint, &T::SetCanPrint).Default(false);
  p.Property("HighlightRequired", &T::HighlightRequired, &T::SetHighlightRequired)
      .Stored(&T::IsHighlightRequiredStored);
}

void PublishBehaviour(TPublisher<TDBGridColumnEx>& p) {
  p.Property("ImageList", &T::ImageList, &T::SetImageList);
  p.Property("ImeMode", &T::ImeMode, &T::SetImeMode).Stored(&T::IsImeModeStored);
  p.Property("ImeName", &T::ImeName, &T::SetImeName).Stored(&T::IsImeNameStored);
  p.Property("Increment", &T::Increment, &T::SetIncrement).Default(1.0);
  p.Property("KeyList", &T::KeyList, &T::SetKeyList);
  p.Property("Layout", &T::Layout, &T::SetLayout).Stored(&T::IsLayoutStored);
  p.Property("LookupDisplayFields", &T::LookupDisplayFields, &T::SetLookupDisplayFields)
      .Stored(&T::IsLookupDisplayFieldsStored);
  p.Property("MaxWidth", &T::MaxWidth, &T::SetMaxWidth).Default(0);
  p.Property("MinWidth", &T::MinWidth, &T::SetMinWidth).Default(0);
  p.Property("MRUList", &T::MRUList, &T::SetMRUList);
  p.Property("NotInKeyListIndex", &T::NotInKeyListIndex, &T::SetNotInKeyListIndex).Default(-1);
  p.Property("PickList", &T::PickList, &T::SetPickList);
  p.Property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
  p.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Stored(&T::IsReadOnlyStored);
  p.Property("ShowImageAndText", &T::ShowImageAndText, &T::SetShowImageAndText).Default(false);
  p.Property("STFilter", &T::STFilter, &T::SetSTFilter);
  p.Property("Tag", &T::Tag, &T::SetTag).Default(intptr_t{0});
  p.Property("Title", &T::Title, &T::SetTitle);
  p.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Stored(&T::IsToolTipsStored);
  p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
  p.Property("Width", &T::Width, &T::SetWidth).Stored(&T::IsWidthStored);
  p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Stored(&T::IsWordWrapStored);
}

void PublishEvents(TPublisher<TDBGridColumnEx>& p) {
  p.Event("OnCheckDrawRequiredState", &T::OnCheckDrawRequiredState);
  p.Event("OnDropDownBoxCheckButton", &T::OnDropDownBoxCheckButton);
  p.Event("OnDropDownBoxDrawColumnCell", &T::OnDropDownBoxDrawColumnCell);
  p.Event("OnDropDownBoxGetCellParams", &T::OnDropDownBoxGetCellParams);
  p.Event("OnDropDownBoxSortMarkingChanged", &T::OnDropDownBoxSortMarkingChanged);
  p.Event("OnDropDownBoxTitleBtnClick", &T::OnDropDownBoxTitleBtnClick);
  p.Event("OnEditButtonClick", &T::OnEditButtonClick);
  p.Event("OnEditButtonDown", &T::OnEditButtonDown);
  p.Event("OnGetCellParams", &T::OnGetCellParams);
  p.Event("OnNotInList", &T::OnNotInList);
  p.Event("OnUpdateData", &T::OnUpdateData);
}

}  // namespace

void TDBGridColumnEx::Publish() {
  TPublisher<TDBGridColumnEx> p;
  PublishAppearance(p);
  PublishBehaviour(p);
  PublishEvents(p);
}

void TColumnTitleEx::Publish() {
  using T = TColumnTitleEx;
  TPublisher<T> p;
  p.Property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  p.Property("Caption", &T::Caption, &T::SetCaption).Stored(&T::IsCaptionStored);
  p.Property("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored).Idents(ColorIdents());
  p.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Stored(&T::IsEndEllipsisStored);
  p.Property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  p.Property("Hint", &T::Hint, &T::SetHint);
  p.Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
  p.Property("Orientation", &T::Orientation, &T::SetOrientation).Stored(&T::IsOrientationStored);
  p.Property("SortIndex", &T::SortIndex, &T::SetSortIndex).Default(0);
  p.Property("SortMarker", &T::SortMarker, &T::SetSortMarker).Default(smNoneEx);
  p.Property("TitleButton", &T::TitleButton, &T::SetTitleButton).Stored(&T::IsTitleButtonStored);
  p.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Stored(&T::IsToolTipsStored);
}

void TColumnFooterEx::Publish() {
  using T = TColumnFooterEx;
  TPublisher<T> p;
  p.Property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  p.Property("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored).Idents(ColorIdents());
  p.Property("DisplayFormat", &T::DisplayFormat, &T::SetDisplayFormat);
  p.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Default(false);
  p.Property("FieldName", &T::FieldName, &T::SetFieldName);
  p.Property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  p.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Stored(&T::IsToolTipsStored);
  p.Property("Value", &T::Value, &T::SetValue);
  p.Property("ValueType", &T::ValueType, &T::SetValueType).Default(fvtNon);
  p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(false);
}

void TColumnDropDownBoxEx::Publish() {
  using T = TColumnDropDownBoxEx;
  TPublisher<T> p;
  p.Property("AutoFitColWidths", &T::AutoFitColWidths, &T::SetAutoFitColWidths).Default(true);
  p.Property("ColumnDefValues", &T::ColumnDefValues, &T::SetColumnDefValues)
      .Stored(&T::IsColumnDefValuesStored);
  p.Property("Columns", &T::Columns, &T::SetColumns).Stored(&T::IsColumnsStored);
  p.Property("ListSource", &T::ListSourceComponent, &T::SetListSourceComponent);
  p.Property("Options", &T::Options, &T::SetOptions).Default(TDBLookupGridExOptions{dlgColLinesEx});
  p.Property("UseMultiTitle", &T::UseMultiTitle, &T::SetUseMultiTitle).Default(false);
}

void TSTColumnFilterEx::Publish() {
  using T = TSTColumnFilterEx;
  TPublisher<T> p;
  p.Property("DataField", &T::DataField, &T::SetDataField);
  p.Property("KeyField", &T::KeyField, &T::SetKeyField);
  p.Property("ListField", &T::ListField, &T::SetListField);
  p.Property("ListSource", &T::ListSourceComponent, &T::SetListSourceComponent);
  p.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

void TColumnTitleDefValuesEx::Publish() {
  using T = TColumnTitleDefValuesEx;
  TPublisher<T> p;
  p.Property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  p.Property("Color", &T::Color, &T::SetColor).Stored(&T::IsColorStored).Idents(ColorIdents());
  p.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Default(false);
  p.Property("Orientation", &T::Orientation, &T::SetOrientation).Default(tohHorizontal);
  p.Property("TitleButton", &T::TitleButton, &T::SetTitleButton).Default(false);
  p.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Default(false);
}

void TColumnFooterDefValuesEx::Publish() {
  TPublisher<TColumnFooterDefValuesEx> p;
  p.Property("ToolTips", &TColumnFooterDefValuesEx::ToolTips,
             &TColumnFooterDefValuesEx::SetToolTips)
      .Default(false);
}

void TDBGridExColumnDefValuesEx::Publish() {
  using T = TDBGridExColumnDefValuesEx;
  TPublisher<T> p;
  p.Property("AlwaysShowEditButton", &T::AlwaysShowEditButton, &T::SetAlwaysShowEditButton)
      .Default(false);
  p.Property("AutoDropDown", &T::AutoDropDown, &T::SetAutoDropDown).Default(false);
  p.Property("DblClickNextVal", &T::DblClickNextVal, &T::SetDblClickNextVal).Default(false);
  p.Property("DropDownShowTitles", &T::DropDownShowTitles, &T::SetDropDownShowTitles)
      .Default(false);
  p.Property("DropDownSizing", &T::DropDownSizing, &T::SetDropDownSizing).Default(false);
  p.Property("EndEllipsis", &T::EndEllipsis, &T::SetEndEllipsis).Default(false);
  p.Property("Footer", &T::Footer, &T::SetFooter);
  p.Property("HighlightRequired", &T::HighlightRequired, &T::SetHighlightRequired)
      .Default(false);
  p.Property("Layout", &T::Layout, &T::SetLayout).Default(tlTop);
  p.Property("Title", &T::Title, &T::SetTitle);
  p.Property("ToolTips", &T::ToolTips, &T::SetToolTips).Default(false);
}

void TDBGridColumnsEx::Publish() {
  TPublisher<TDBGridColumnsEx> p;
  p.Property("ColumnsIndex", &TDBGridColumnsEx::ColumnsIndex, &TDBGridColumnsEx::SetColumnsIndex)
      .Stored(false);
}
