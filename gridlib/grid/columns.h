#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gridlib/grid/grid_types.h"
#include "gridlib/grid/popup_data_grid.h"
#include "platform/classes/collection.h"
#include "platform/controls/control_types.h"
#include "platform/core/events.h"
#include "platform/core/string_list.h"
#include "platform/core/variant.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/image_list.h"

class TColCellParamsEx;
class TColumnDropDownBoxEx;
class TColumnEx;
class TColumnFooterEx;
class TColumnFootersEx;
class TColumnTitleEx;
class TDataSet;
class TDBGridColumnsEx;
class TDBGridExHost;
class TEditButtonsEx;
class TField;
class TFont;
class TInheritedFont;
class TMRUListEx;
class TPopupDataGridEx;
class TSpecRowEx;
class TSTColumnFilterEx;

// A plain list of columns that owns none of them (selected columns, columns to fit).
using TColumnsExList = std::vector<TColumnEx*>;

// Bits of a column's assigned-values set: a property follows its default until its bit is
// set. Bits 5..12 belong to the column's title.
enum TColumnExValue : uint8_t {
  cvColor, cvWidth, cvFont, cvAlignment, cvReadOnly, cvTitleColor, cvTitleCaption,
  cvTitleAlignment, cvTitleFont, cvTitleButton, cvTitleEndEllipsis, cvTitleToolTips,
  cvTitleOrientation, cvImeMode, cvImeName, cvWordWrap, cvLookupDisplayFields, cvCheckboxes,
  cvAlwaysShowEditButton, cvEndEllipsis, cvAutoDropDown, cvDblClickNextVal, cvToolTips,
  cvDropDownSizing, cvDropDownShowTitles, cvLayout, cvHighlightRequired, cvBiDiMode
};
using TColumnExValues = Set<TColumnExValue>;

using TGetColCellParamsEventEx =
    TEvent<void(TObject* Sender, bool EditMode, TColCellParamsEx* Params)>;
using TColCellUpdateDataEventEx = TEvent<void(TObject* Sender, String& Text, Variant& Value,
                                              bool& UseText, bool& Handled)>;
using TButtonClickEventEx = TEvent<void(TObject* Sender, bool& Handled)>;
using TButtonDownEventEx =
    TEvent<void(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled)>;
// Whether the required-field mark is drawn under a cell of `Text`; a handler may change DrawState.
using TOnColumnCheckDrawRequiredStateEventEx =
    TEvent<void(TObject* Sender, const String& Text, bool& DrawState)>;
using TNotInListEventEx = TEvent<void(TObject* Sender, const Variant& NewText, bool& RecheckInList)>;

// One data column of the grid: which field it shows and everything about how it is shown and
// edited. Appearance properties inherit from the field, the grid or the grid's column defaults
// until assigned; only assigned values are stored.
class TColumnEx : public TCollectionItem {
  DECLARE_CLASS(TColumnEx, TCollectionItem)
 public:
  explicit TColumnEx(TCollection* collection);
  ~TColumnEx() override;
  void Assign(TPersistent* source) override;
  void SetIndex(int index) override;

  TDBGridExHost* GetGrid() const;
  TDBGridColumnsEx* Columns() const;
  // The bound field, looked up by FieldName when not cached; nullptr when there is none.
  TField* Field();
  void SetField(TField* field);
  // Forgets the field when it goes away.
  void FieldRemoved(TField* field);
  // Forgets the bound field; it is looked up by name again when next asked for.
  void ReleaseField() { field_ = nullptr; }
  // Drops every pointer to a component that is being freed (compared by address only: the
  // component is no longer whole).
  void ComponentRemoved(const void* gone);
  // Whether the column is bound to `component` now (no look-up by field name).
  bool BoundTo(const void* component) const { return component != nullptr && field_ == component; }
  // Columns the grid builds from the data set's fields are not stored.
  bool IsStored() const { return isStored_; }
  void SetIsStored(bool value) { isStored_ = value; }
  bool IsDefaultColumn() const { return !isStored_; }
  TColumnExValues AssignedValues() const { return assigned_; }
  bool IsAssigned(TColumnExValue value) const { return assigned_.Contains(value); }
  // Width the column had when it was bound or created; base of proportional auto-fit.
  int InitWidth() const { return initWidth_; }
  void SetInitWidth(int value) { initWidth_ = value; }
  // Tells the collection that the column (or, with allItems, every column) changed.
  void ColumnChanged(bool allItems) { Changed(allItems); }
  void RestoreDefaults();

  // Inheriting properties.
  TColor Color() const;
  void SetColor(TColor value);
  int Width() const;
  void SetWidth(int value);
  TFont* Font() const;
  void SetFont(TFont* value);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  TImeMode ImeMode() const;
  void SetImeMode(TImeMode value);
  String ImeName() const;
  void SetImeName(const String& value);
  bool WordWrap() const;
  void SetWordWrap(bool value);
  String LookupDisplayFields() const;
  void SetLookupDisplayFields(const String& value);
  bool Checkboxes() const;
  void SetCheckboxes(bool value);
  bool AlwaysShowEditButton() const;
  void SetAlwaysShowEditButton(bool value);
  bool EndEllipsis() const;
  void SetEndEllipsis(bool value);
  bool AutoDropDown() const;
  void SetAutoDropDown(bool value);
  bool DblClickNextVal() const;
  void SetDblClickNextVal(bool value);
  bool ToolTips() const;
  void SetToolTips(bool value);
  bool DropDownSizing() const;
  void SetDropDownSizing(bool value);
  bool DropDownShowTitles() const;
  void SetDropDownShowTitles(bool value);
  TTextLayout Layout() const;
  void SetLayout(TTextLayout value);
  bool HighlightRequired() const;
  void SetHighlightRequired(bool value);
  TBiDiMode BiDiMode() const;
  void SetBiDiMode(TBiDiMode value);

  // The defaults those properties fall back on.
  TColor DefaultColor() const;
  int DefaultWidth() const;
  TFont* DefaultFont() const;
  TAlignment DefaultAlignment() const;
  bool DefaultReadOnly() const;
  TImeMode DefaultImeMode() const;
  String DefaultImeName() const;
  bool DefaultWordWrap() const;
  String DefaultLookupDisplayFields() const;
  bool DefaultCheckboxes() const;

  // Plain properties.
  const String& FieldName() const { return fieldName_; }
  void SetFieldName(const String& value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  // `width` held within MinWidth and MaxWidth (MinWidth wins when both apply).
  int ClampWidth(int width) const;
  bool AutoFitColWidth() const { return autoFitColWidth_; }
  void SetAutoFitColWidth(bool value);
  TColumnButtonStyleEx ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TColumnButtonStyleEx value);
  const String& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const String& value);
  const String& EditMask() const { return editMask_; }
  void SetEditMask(const String& value);
  unsigned DropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(unsigned value) { dropDownRows_ = value; }
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int value);
  bool HideDuplicates() const { return hideDuplicates_; }
  void SetHideDuplicates(bool value);
  bool CanPrint() const { return canPrint_; }
  void SetCanPrint(bool value);
  double Increment() const { return increment_; }
  void SetIncrement(double value) { increment_ = value; }
  int NotInKeyListIndex() const { return notInKeyListIndex_; }
  void SetNotInKeyListIndex(int value);
  bool ShowImageAndText() const { return showImageAndText_; }
  void SetShowImageAndText(bool value);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t value) { tag_ = value; }
  // Pick and key lists are made on first read.
  TStrings* PickList();
  void SetPickList(TStrings* value);
  bool HasPickList() const { return pickList_ != nullptr && pickList_->Count() > 0; }
  TStrings* KeyList();
  void SetKeyList(TStrings* value);
  bool HasKeyList() const { return keyList_ != nullptr && keyList_->Count() > 0; }
  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  // The pop-up menu of the column's cells (a component the column does not own).
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* value);

  TColumnTitleEx* Title() const { return title_.get(); }
  void SetTitle(TColumnTitleEx* value);
  TColumnFooterEx* Footer() const { return footer_.get(); }
  void SetFooter(TColumnFooterEx* value);
  TColumnFootersEx* Footers() const { return footers_.get(); }
  void SetFooters(TColumnFootersEx* value);
  // Footers[index], or the single Footer when the collection is shorter.
  TColumnFooterEx* GetFooter(int index) const;
  TEditButtonsEx* EditButtons() const { return editButtons_.get(); }
  void SetEditButtons(TEditButtonsEx* value);
  TSpecRowEx* DropDownSpecRow() const { return specRow_.get(); }
  void SetDropDownSpecRow(TSpecRowEx* value);
  TColumnDropDownBoxEx* DropDownBox() const { return dropDownBox_.get(); }
  void SetDropDownBox(TColumnDropDownBoxEx* value);
  TMRUListEx* MRUList() const { return mruList_.get(); }
  void SetMRUList(TMRUListEx* value);
  TSTColumnFilterEx* STFilter() const { return stFilter_.get(); }
  // The lookup drop-down list, made on first use with the column's list settings.
  TPopupDataGridEx* DataList();
  bool HasDataList() const { return dataList_ != nullptr; }
  // Passes the list source, options, fields and special row on to the drop-down list.
  void UpdateDataList();
  void SetSTFilter(TSTColumnFilterEx* value);
  // The drop-down list's own events, read and written through to it (made on first use).
  TDBGridExCheckButtonEvent& OnDropDownBoxCheckButton() { return DataList()->OnCheckButton; }
  TDrawColumnExCellEvent& OnDropDownBoxDrawColumnCell() { return DataList()->OnDrawColumnCell; }
  TGetCellExParamsEvent& OnDropDownBoxGetCellParams() { return DataList()->OnGetCellParams; }
  TNotifyEvent& OnDropDownBoxSortMarkingChanged() { return DataList()->OnSortMarkingChanged; }
  TDBGridExTitleBtnEvent& OnDropDownBoxTitleBtnClick() { return DataList()->OnTitleBtnClick; }

  // Stored rules: assigned, and for most also different from the default.
  bool IsColorStored() const;
  bool IsWidthStored() const;
  bool IsFontStored() const { return IsAssigned(cvFont); }
  bool IsAlignmentStored() const;
  bool IsReadOnlyStored() const;
  bool IsImeModeStored() const;
  bool IsImeNameStored() const;
  bool IsWordWrapStored() const;
  bool IsLookupDisplayFieldsStored() const;
  bool IsCheckboxesStored() const { return IsAssigned(cvCheckboxes); }
  bool IsBiDiModeStored() const { return IsAssigned(cvBiDiMode); }
  bool IsAlwaysShowEditButtonStored() const;
  bool IsEndEllipsisStored() const;
  bool IsAutoDropDownStored() const;
  bool IsDblClickNextValStored() const;
  bool IsToolTipsStored() const;
  bool IsDropDownSizingStored() const;
  bool IsDropDownShowTitlesStored() const;
  bool IsLayoutStored() const;
  bool IsHighlightRequiredStored() const;

  // Asks the grid to fit this column's width to its title, data and footers.
  void OptimizeWidth();

  // ---- Values of the current record (column_values.cpp).
  String DisplayText();
  // Field text formatted by `format` as the cell shows it.
  static String FormatFieldValue(TField* field, const String& format);
  TColumnCellType GetColumnType();
  int GetImageIndex();
  TCheckboxStateEx CheckboxState();
  void SetCheckboxState(TCheckboxStateEx state);
  void UpdateDataValues(const String& text, const Variant& value, bool useText);
  bool CanModify(bool tryEdit);
  void SetNextFieldValue(double increment);
  int EditButtonsWidth();
  void FillColCellParams(TColCellParamsEx* params);
  void GetColCellParams(bool editMode, TColCellParamsEx* params);
  bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const { return BiDiMode() != bdLeftToRight; }

  TGetColCellParamsEventEx OnGetCellParams;
  TButtonClickEventEx OnEditButtonClick;
  TButtonDownEventEx OnEditButtonDown;
  TNotInListEventEx OnNotInList;
  TColCellUpdateDataEventEx OnUpdateData;
  TOnColumnCheckDrawRequiredStateEventEx OnCheckDrawRequiredState;

 protected:
  String GetDisplayName() override;
  virtual TEditButtonsEx* CreateEditButtons();
  virtual TColumnFooterEx* CreateFooter();
  virtual TColumnFootersEx* CreateFooters();
  virtual TSTColumnFilterEx* CreateSTFilter();
  virtual TColumnTitleEx* CreateTitle();

 private:
  friend class TColumnTitleEx;
  friend class TSTColumnFilterEx;
  template <typename T>
  bool StoreInherited(TColumnExValue bit, T& field, const T& value);
  void MarkAssigned(TColumnExValue bit) { assigned_.Include(bit); }
  void StoreWidth(int value);
  void WriteBackDisplayWidth(int value);
  void AssignValuesFrom(TColumnEx* source);
  void FontChanged();
  void SpecRowChanged();
  void RepaintGrid();
  void RebindFooters();
  TDataSet* GridDataSet() const;
  bool GridLinkActive() const;
  TField* CheckedField();
  int StepIndex(int index, int count, double increment) const;
  void StepLookupValue(TField* field, double increment);

  TColumnExValues assigned_;
  bool isStored_ = true;
  TField* field_ = nullptr;
  String fieldName_;
  int initWidth_ = 0;
  TColor color_ = clWindow;
  int width_ = 64;
  std::unique_ptr<TInheritedFont> font_;
  TAlignment alignment_ = taLeftJustify;
  bool readOnly_ = false;
  TImeMode imeMode_ = imDontCare;
  String imeName_;
  bool wordWrap_ = false;
  String lookupDisplayFields_;
  bool checkboxes_ = false;
  bool alwaysShowEditButton_ = false;
  bool endEllipsis_ = false;
  bool autoDropDown_ = false;
  bool dblClickNextVal_ = false;
  bool toolTips_ = false;
  bool dropDownSizing_ = false;
  bool dropDownShowTitles_ = false;
  TTextLayout layout_ = tlTop;
  bool highlightRequired_ = false;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool visible_ = true;
  int minWidth_ = 0;
  int maxWidth_ = 0;
  bool autoFitColWidth_ = true;
  TColumnButtonStyleEx buttonStyle_ = cbsAuto;
  String displayFormat_;
  String editMask_;
  unsigned dropDownRows_ = 7;
  int dropDownWidth_ = 0;
  bool hideDuplicates_ = false;
  bool canPrint_ = false;
  double increment_ = 1;
  int notInKeyListIndex_ = -1;
  bool showImageAndText_ = false;
  intptr_t tag_ = 0;
  std::unique_ptr<TStringList> pickList_;
  std::unique_ptr<TStringList> keyList_;
  TCustomImageList* imageList_ = nullptr;
  std::unique_ptr<TChangeLink> imageLink_;
  TComponent* popupMenu_ = nullptr;
  std::unique_ptr<TColumnTitleEx> title_;
  std::unique_ptr<TColumnFooterEx> footer_;
  std::unique_ptr<TColumnFootersEx> footers_;
  std::unique_ptr<TEditButtonsEx> editButtons_;
  std::unique_ptr<TSpecRowEx> specRow_;
  std::unique_ptr<TColumnDropDownBoxEx> dropDownBox_;
  std::unique_ptr<TMRUListEx> mruList_;
  std::unique_ptr<TSTColumnFilterEx> stFilter_;
  std::unique_ptr<TPopupDataGridEx> dataList_;
};

// The published column class.
class TDBGridColumnEx : public TColumnEx {
  DECLARE_CLASS(TDBGridColumnEx, TColumnEx)
 public:
  explicit TDBGridColumnEx(TCollection* collection) : TColumnEx(collection) {}
  static void Publish();
};

enum TDBGridColumnsState : uint8_t { csDefault, csCustomized };

// The grid's columns. A collection that belongs to no grid lets its columns fall back on
// their own values.
class TDBGridColumnsEx : public TOwnedCollection {
  DECLARE_CLASS(TDBGridColumnsEx, TOwnedCollection)
 public:
  TDBGridColumnsEx(TDBGridExHost* grid, TCollectionItemClass itemClass);
  static void Publish();

  TDBGridExHost* Grid() const { return grid_; }
  TColumnEx* Items(int index) const { return static_cast<TColumnEx*>(TCollection::Items(index)); }
  TColumnEx* Add() { return static_cast<TColumnEx*>(TCollection::Add()); }
  // A column the grid builds from a field; it is not stored.
  TColumnEx* InternalAdd();
  TDBGridColumnsState State() const;
  // Drops every column's cached field (the data set opened or closed).
  void ReleaseFields();
  // The first column that shows `field`, or nullptr.
  TColumnEx* ColumnOfField(const TField* field) const;

  // The column order by field names, as "\"A\",\"B\"" (quotes inside names doubled). Writing
  // it moves the named columns to the front in that order; unknown and repeated names are
  // skipped.
  String ColumnsIndex() const;
  void SetColumnsIndex(const String& value);
  // Moves the grid's focus off a hidden column (the layout asks again once the grid columns
  // are made).
  void KeepSelectedColumnVisible();

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem* item, TCollectionNotification action) override;

 private:
  void UpdateOneColumn(TColumnEx* column);
  void PassShrinkToNext(TColumnEx* column, int gridWidth);

  TDBGridExHost* grid_;
  String columnsIndex_;
};

// The grid's cell parameters that OnGetCellParams may change before a cell is drawn.
class TColCellParamsEx {
 public:
  TColCellParamsEx();
  ~TColCellParamsEx();
  TAlignment Alignment = taLeftJustify;
  TColor Background = clWindow;
  TCheckboxStateEx CheckboxState = cbUncheckedEx;
  int Col = -1;
  int Row = -1;
  std::unique_ptr<TFont> Font;
  int ImageIndex = -1;
  bool ReadOnly = false;
  TGridDrawState State;
  String Text;
};

// The kind of button a column's cell shows (0 none, 1 ellipsis, 2 pick-list drop-down,
// 3 lookup drop-down, 4 calendar, 5 up-down, 6 drop-down).
int GetColumnEditStyle(TColumnEx* column);

// The key fields of a lookup field, in its data set; empty when it names none.
std::vector<TField*> KeyFieldsOf(TField* lookupField);
// True when every field of the list can be modified (an empty list too).
bool AllFieldsModifiable(const std::vector<TField*>& fields);
