#pragma once

#include "platform/controls/mask_edit.h"

class TCustomGrid;

// The grid's in-place editor: a borderless masked edit over the current cell. It takes its
// text, mask and limit from the grid, asks the grid before any change (CanEditModify) and
// which characters it takes (CanEditAcceptKey), reports every change with the grid's
// SetEditText, and hands the keys that move between cells to the grid.
class TInplaceEdit : public TCustomMaskEdit {
  DECLARE_CLASS(TInplaceEdit, TCustomMaskEdit)
 public:
  explicit TInplaceEdit(TComponent* owner);

  TCustomGrid* Grid() const { return grid_; }
  // The grid this editor serves (told when it goes).
  void SetGrid(TCustomGrid* grid);
  // Puts the caret after the text with nothing selected.
  void Deselect();
  // Shows the editor over `loc` and gives it the focus.
  void Move(const TRect& loc);
  // Follows the cell to `loc` (hides the editor when the cell is out of view).
  void UpdateLoc(const TRect& loc);
  // Hides the editor; the grid gets the focus back if the editor had it.
  void Hide();
  // Loads the current cell's mask, text and limit from the grid.
  void UpdateContents();
  // Brings back the text the cell had when the editor opened.
  void Abandon();

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void Notification(TComponent* component, TOperation operation) override;
  bool EditCanModify() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void Change() override;
  virtual void BoundsChanged();

 private:
  void WMSetFocus(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void InternalMove(const TRect& loc, bool focus);
  void SendToGrid(uint16_t& key, TShiftState shift);

  TCustomGrid* grid_ = nullptr;
  bool loading_ = false;
  String original_;
};
