// The published properties and events of the data grid, in stream order. No data-access header
// here: their field-type names would clash with the property registry's.
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

void TDBGridEx::Publish() {
  using T = TDBGridEx;
  TPublisher<T> p;
  // Control settings the base classes keep without publishing them.
  p.Property("BiDiMode", &T::BiDiMode, &T::SetBiDiMode).Default(bdLeftToRight);
  p.Property("Constraints", &T::Constraints, &T::SetConstraints);
  p.Property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
  p.Event("OnContextPopup", &T::OnContextPopup);
  p.Property("AllowedOperations", &T::AllowedOperations, &T::SetAllowedOperations)
      .Default(TDBGridExAllowedOperations::FromMask(0xF));
  p.Property("AllowedSelections", &T::AllowedSelections, &T::SetAllowedSelections)
      .Default(TDBGridExAllowedSelections::FromMask(kDefaultAllowedSelections));
  p.Property("AutoFitColWidths", &T::AutoFitColWidths, &T::SetAutoFitColWidths).Default(false);
  p.Property("ColumnDefValues", &T::ColumnDefValues, &T::SetColumnDefValues);
  p.Property("Columns", &T::Columns, &T::SetColumns).Stored(&T::IsColumnsStored);
  p.Property("DataSource", &T::DataSourceComponent, &T::SetDataSourceComponent);
  p.Property("DefaultDrawing", &T::DefaultDrawing, &T::SetDefaultDrawing).Default(true);
  p.Property("DrawMemoText", &T::DrawMemoText, &T::SetDrawMemoText).Default(false);
  p.Property("EditActions", &T::EditActions, &T::SetEditActions).Default(TDBGridExEditActions());
  p.Property("EvenRowColor", &T::EvenRowColor, &T::SetEvenRowColor)
      .Stored(&T::IsEvenRowColorStored)
      .Idents(ColorIdents());
  p.Property("Flat", &T::Flat, &T::SetFlat).Default(false);
  p.Property("FooterColor", &T::FooterColor, &T::SetFooterColor).Default(clWindow).Idents(ColorIdents());
  p.Property("FooterFont", &T::FooterFont, &T::SetFooterFont);
  p.Property("FooterRowCount", &T::FooterRowCount, &T::SetFooterRowCount).Default(0);
  p.Property("FrozenCols", &T::FrozenCols, &T::SetFrozenCols).Default(0);
  p.Property("HorzScrollBar", &T::HorzScrollBar, &T::SetHorzScrollBar);
  p.Property("MinAutoFitWidth", &T::MinAutoFitWidth, &T::SetMinAutoFitWidth).Default(0);
  p.Property("OddRowColor", &T::OddRowColor, &T::SetOddRowColor)
      .Stored(&T::IsOddRowColorStored)
      .Idents(ColorIdents());
  p.Property("Options", &T::Options, &T::SetOptions).Default(TDBGridOptions::FromMask(kDefaultGridOptions));
  p.Property("OptionsEx", &T::OptionsEx, &T::SetOptionsEx)
      .Default(TDBGridExOptions::FromMask(kDefaultGridExOptions));
  p.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  p.Property("RowHeight", &T::RowHeight, &T::SetRowHeight).Default(0);
  p.Property("RowLines", &T::RowLines, &T::SetRowLines).Default(0);
  p.Property("RowSizingAllowed", &T::RowSizingAllowed, &T::SetRowSizingAllowed).Default(false);
  p.Property("SortLocal", &T::SortLocal, &T::SetSortLocal).Default(false);
  p.Property("STFilter", &T::STFilter, &T::SetSTFilter);
  p.Property("SumList", &T::SumList, &T::SetSumList);
  p.Property("TitleFont", &T::TitleFont, &T::SetTitleFont);
  p.Property("TitleHeight", &T::TitleHeight, &T::SetTitleHeight).Default(0);
  p.Property("TitleImages", &T::TitleImages, &T::SetTitleImages);
  p.Property("TitleLines", &T::TitleLines, &T::SetTitleLines).Default(0);
  p.Property("UseMultiTitle", &T::UseMultiTitle, &T::SetUseMultiTitle).Default(false);
  p.Property("VertScrollBar", &T::VertScrollBar, &T::SetVertScrollBar);
  p.Property("VTitleMargin", &T::VTitleMargin, &T::SetVTitleMargin).Default(10);
  p.Event("OnSelectionChanged", &T::OnSelectionChanged);
  p.Event("OnColWidthsChanged", &T::OnColWidthsChanged);
  p.Event("OnCellClick", &T::OnCellClick);
  p.Event("OnCheckButton", &T::OnCheckButton);
  p.Event("OnColEnter", &T::OnColEnter);
  p.Event("OnColExit", &T::OnColExit);
  p.Event("OnTitleBtnClick", &T::OnTitleBtnClick);
  p.Event("OnTitleClick", &T::OnTitleClick);
  p.Event("OnApplyFilter", &T::OnApplyFilter);
  p.Event("OnColumnMoved", &T::OnColumnMoved);
  p.Event("OnDrawColumnCell", &T::OnDrawColumnCell);
  p.Event("OnDrawDataCell", &T::OnDrawDataCell);
  p.Event("OnDrawFooterCell", &T::OnDrawFooterCell);
  p.Event("OnEditButtonClick", &T::OnEditButtonClick);
  p.Event("OnGetBtnParams", &T::OnGetBtnParams);
  p.Event("OnGetCellParams", &T::OnGetCellParams);
  p.Event("OnGetFooterParams", &T::OnGetFooterParams);
  p.Event("OnMoveRecords", &T::OnMoveRecords);
  p.Event("OnSortMarkingChanged", &T::OnSortMarkingChanged);
  p.Event("OnSumListAfterRecalcAll", &T::OnSumListAfterRecalcAll);
  p.Event("OnSumListRecalcAll", &T::OnSumListRecalcAll);
  // The grid's shape follows its columns and data set; a layout never stores it.
  for (const char* shape : {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth",
                            "DefaultRowHeight", "GridLineWidth", "ScrollBars"}) {
    p.Redeclare(shape).Stored(false);
  }
}
