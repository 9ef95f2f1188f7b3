#pragma once

#include <memory>

#include "gridlib/grid/grid_types.h"
#include "platform/classes/persistent.h"
#include "platform/graphics/colors.h"

class TColumnEx;
class TFont;
class TInheritedFont;

// A column's title: caption, look, and the column's sort marker with its place among the
// sort-marked columns. Its assigned values live in the column's set (bits 5..12).
class TColumnTitleEx : public TPersistent {
  DECLARE_CLASS(TColumnTitleEx, TPersistent)
 public:
  explicit TColumnTitleEx(TColumnEx* column);
  ~TColumnTitleEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override;
  void DefineProperties(TFiler& filer) override;

  TColumnEx* Column() const { return column_; }

  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  String Caption() const;
  virtual void SetCaption(const String& value);
  // The caption as the titles read, for naming the column in a message: the levels of a
  // multi-level title one after the other, apart by a space.
  String CaptionAsRead() const;
  TColor Color() const;
  void SetColor(TColor value);
  bool EndEllipsis() const;
  void SetEndEllipsis(bool value);
  TFont* Font() const;
  void SetFont(TFont* value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value) { hint_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TTextOrientationEx Orientation() const;
  void SetOrientation(TTextOrientationEx value);
  int SortIndex() const { return sortIndex_; }
  void SetSortIndex(int value);
  TSortMarkerEx SortMarker() const { return sortMarker_; }
  // Room the marker takes right of the title text: the marker, and with several marked
  // columns the sort-index number, given up first when the column is too narrow.
  int SortMarkerWidth() const;
  void SetSortMarker(TSortMarkerEx value);
  bool TitleButton() const;
  void SetTitleButton(bool value);
  bool ToolTips() const;
  void SetToolTips(bool value);

  TAlignment DefaultAlignment() const;
  String DefaultCaption() const;
  TColor DefaultColor() const;
  TFont* DefaultFont() const;
  bool DefaultEndEllipsis() const;
  TTextOrientationEx DefaultOrientation() const;
  bool DefaultTitleButton() const;
  bool DefaultToolTips() const;

  // A title click of a sort-marking grid: none -> down -> up -> none (with keepOthers) or
  // back to down; without keepOthers every other marker is cleared first.
  void ToggleSortMarker(bool keepOthers);
  virtual void RestoreDefaults();
  // Sets the index as loaded, without renumbering; the grid rebuilds its list afterwards.
  void SetSortIndexQuietly(int value) { sortIndex_ = value; }

  bool IsAlignmentStored() const;
  bool IsCaptionStored() const;
  bool IsColorStored() const;
  bool IsEndEllipsisStored() const;
  bool IsFontStored() const;
  bool IsOrientationStored() const;
  bool IsTitleButtonStored() const;
  bool IsToolTipsStored() const;

 private:
  bool Assigned(int bit) const;
  void Changed(bool allItems);
  bool InCollectionUpdate() const;
  void MarkSingleSort();
  void MarkMultiSort(TSortMarkerEx value);
  void FontChanged();

  TColumnEx* column_;
  TAlignment alignment_ = taLeftJustify;
  String caption_;
  TColor color_ = clBtnFace;
  bool endEllipsis_ = false;
  std::unique_ptr<TInheritedFont> font_;
  String hint_;
  int imageIndex_ = -1;
  TTextOrientationEx orientation_ = tohHorizontal;
  int sortIndex_ = 0;
  TSortMarkerEx sortMarker_ = smNoneEx;
  bool titleButton_ = false;
  bool toolTips_ = false;
};
