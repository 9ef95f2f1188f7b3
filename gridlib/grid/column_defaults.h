#pragma once

#include <memory>

#include "gridlib/grid/grid_types.h"
#include "platform/classes/persistent.h"
#include "platform/graphics/colors.h"

class TDBGridExHost;

// The grid-wide defaults that titles fall back on until a title assigns its own value.
class TColumnTitleDefValuesEx : public TPersistent {
  DECLARE_CLASS(TColumnTitleDefValuesEx, TPersistent)
 public:
  explicit TColumnTitleDefValuesEx(TDBGridExHost* grid = nullptr) : grid_(grid) {}
  static void Publish();
  void Assign(TPersistent* source) override;

  // taCenter under multi-level titles, else taLeftJustify, until assigned.
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  bool IsAlignmentStored() const { return (assigned_ & kAlignmentBit) != 0; }
  // The grid's FixedColor until assigned.
  TColor Color() const;
  void SetColor(TColor value);
  bool IsColorStored() const { return (assigned_ & kColorBit) != 0; }
  bool EndEllipsis() const { return endEllipsis_; }
  void SetEndEllipsis(bool value);
  TTextOrientationEx Orientation() const { return orientation_; }
  void SetOrientation(TTextOrientationEx value);
  bool TitleButton() const { return titleButton_; }
  void SetTitleButton(bool value) { titleButton_ = value; }
  bool ToolTips() const { return toolTips_; }
  void SetToolTips(bool value) { toolTips_ = value; }

 private:
  static constexpr uint8_t kColorBit = 1;
  static constexpr uint8_t kAlignmentBit = 2;
  TDBGridExHost* grid_;
  uint8_t assigned_ = 0;
  TAlignment alignment_ = taLeftJustify;
  TColor color_ = clBtnFace;
  bool endEllipsis_ = false;
  TTextOrientationEx orientation_ = tohHorizontal;
  bool titleButton_ = false;
  bool toolTips_ = false;
};

class TColumnFooterDefValuesEx : public TPersistent {
  DECLARE_CLASS(TColumnFooterDefValuesEx, TPersistent)
 public:
  TColumnFooterDefValuesEx() = default;
  static void Publish();
  void Assign(TPersistent* source) override;
  bool ToolTips() const { return toolTips_; }
  void SetToolTips(bool value) { toolTips_ = value; }

 private:
  bool toolTips_ = false;
};

// The defaults every column of one grid inherits until it assigns its own value.
class TColumnDefValuesEx : public TPersistent {
  DECLARE_CLASS(TColumnDefValuesEx, TPersistent)
 public:
  explicit TColumnDefValuesEx(TDBGridExHost* grid = nullptr);
  ~TColumnDefValuesEx() override;
  void Assign(TPersistent* source) override;

  TDBGridExHost* Grid() const { return grid_; }
  TColumnTitleDefValuesEx* Title() const { return title_.get(); }
  void SetTitle(TColumnTitleDefValuesEx* value) { title_->Assign(value); }
  TColumnFooterDefValuesEx* Footer() const { return footer_.get(); }
  void SetFooter(TColumnFooterDefValuesEx* value) { footer_->Assign(value); }

  bool AlwaysShowEditButton() const { return alwaysShowEditButton_; }
  void SetAlwaysShowEditButton(bool value) { SetAndRepaint(alwaysShowEditButton_, value); }
  bool AutoDropDown() const { return autoDropDown_; }
  void SetAutoDropDown(bool value) { autoDropDown_ = value; }
  bool DblClickNextVal() const { return dblClickNextVal_; }
  void SetDblClickNextVal(bool value) { dblClickNextVal_ = value; }
  bool DropDownShowTitles() const { return dropDownShowTitles_; }
  void SetDropDownShowTitles(bool value) { dropDownShowTitles_ = value; }
  bool DropDownSizing() const { return dropDownSizing_; }
  void SetDropDownSizing(bool value) { dropDownSizing_ = value; }
  bool EndEllipsis() const { return endEllipsis_; }
  void SetEndEllipsis(bool value) { SetAndRepaint(endEllipsis_, value); }
  bool HighlightRequired() const { return highlightRequired_; }
  void SetHighlightRequired(bool value) { SetAndRepaint(highlightRequired_, value); }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool ToolTips() const { return toolTips_; }
  void SetToolTips(bool value) { toolTips_ = value; }

 private:
  void SetAndRepaint(bool& field, bool value);

  TDBGridExHost* grid_;
  std::unique_ptr<TColumnTitleDefValuesEx> title_;
  std::unique_ptr<TColumnFooterDefValuesEx> footer_;
  bool alwaysShowEditButton_ = false;
  bool autoDropDown_ = false;
  bool dblClickNextVal_ = false;
  bool dropDownShowTitles_ = false;
  bool dropDownSizing_ = false;
  bool endEllipsis_ = false;
  bool highlightRequired_ = false;
  TTextLayout layout_ = tlTop;
  bool toolTips_ = false;
};

// The published form of the defaults, as the grid's ColumnDefValues.
class TDBGridExColumnDefValuesEx : public TColumnDefValuesEx {
  DECLARE_CLASS(TDBGridExColumnDefValuesEx, TColumnDefValuesEx)
 public:
  explicit TDBGridExColumnDefValuesEx(TDBGridExHost* grid = nullptr) : TColumnDefValuesEx(grid) {}
  static void Publish();
};
