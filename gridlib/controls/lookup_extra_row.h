#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/variant.h"
#include "platform/graphics/colors.h"

class TFont;

// The special first row of a lookup list ("(none)" and the like): shown when Visible, chosen
// for the key Value; its texts per cell are CellsText separated by ';'.
class TSpecRowEx : public TPersistent {
  DECLARE_CLASS(TSpecRowEx, TPersistent)
 public:
  // Alt+Del in the class library's shortcut encoding; stored layouts rely on the number.
  static constexpr int kDefaultShortCut = 0x802E;

  explicit TSpecRowEx(TPersistent* owner = nullptr);
  ~TSpecRowEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override { return owner_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const Variant& Value() const { return value_; }
  void SetValue(const Variant& value);
  bool ShowIfNotInKeyList() const { return showIfNotInKeyList_; }
  void SetShowIfNotInKeyList(bool value);
  const String& CellsText() const { return cellsText_; }
  void SetCellsText(const String& value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* value);
  bool IsFontStored() const { return fontAssigned_; }
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int ShortCut() const { return shortCut_; }
  void SetShortCut(int value);
  // The text of cell `index`; empty when out of range.
  String GetCellText(int index) const;

  // Every change; the owner repaints or passes the row on.
  TNotifyEvent OnChange;

 private:
  void Changed() { OnChange.Call(this); }
  void CopyFontQuietly(TFont* source);

  TPersistent* owner_;
  bool visible_ = false;
  Variant value_;
  bool showIfNotInKeyList_ = true;
  String cellsText_;
  std::unique_ptr<TFont> font_;
  bool fontAssigned_ = false;
  TColor color_ = clWindow;
  int shortCut_ = kDefaultShortCut;
};
