#pragma once

#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/tree_view.h"
#include "skin/bordered_control.h"
#include "skin/scrolled_control.h"

// The skinned combo box: the platform's combo box framed in BorderColor, its button filled
// with ButtonColor (or the Graphite and Pearl button pictures) and a triangle in ArrowColor.
class TskCustomComboBox : public TskBordered<TCustomComboBox> {
  DECLARE_CLASS(TskCustomComboBox, TCustomComboBox)
 public:
  explicit TskCustomComboBox(TComponent* owner);
  ~TskCustomComboBox() override;
  static void Publish();

  TColor ArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);
  void SetEnabled(bool value) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void UIStyleChanged() override;
  void CloseUp() override;
  void WndProc(TMessage& m) override;

 private:
  void PaintSkin(HDC given);
  void PaintButton(TCanvas* canvas, const TRect& button);
  void PaintArrow(TCanvas* canvas, const TRect& button);
  void ListMessage(TMessage& m);
  void FrameDroppedList();

  TWndMethod listProc_;
  TColor arrowColor_ = clBlack;
  TColor buttonColor_ = clBtnFace;
};

class TskComboBox : public TskCustomComboBox {
  DECLARE_CLASS(TskComboBox, TskCustomComboBox)
 public:
  using TskCustomComboBox::TskCustomComboBox;
};

// The skinned list box, with an optional skinned vertical bar over its native one.
class TskListBox : public TskScrolled<TCustomListBox> {
  DECLARE_CLASS(TskListBox, TCustomListBox)
 public:
  explicit TskListBox(TComponent* owner) : TskScrolled<TCustomListBox>(owner, TskAttachedScrollBars::bmList) {}
  static void Publish();

 protected:
  bool SynchronisesAfter(UINT msg) const override;
};

// The skinned memo, with optional skinned bars over its native ones; which native bars it
// shows (ScrollBars) follows which skinned bars are attached.
class TskMemo : public TskScrolled<TCustomMemo> {
  DECLARE_CLASS(TskMemo, TCustomMemo)
 public:
  explicit TskMemo(TComponent* owner) : TskScrolled<TCustomMemo>(owner, TskAttachedScrollBars::bmMemo) {}
  static void Publish();

 protected:
  void BarsChanged(int kind, TskScrollBar* bar) override;
  bool SynchronisesAfter(UINT msg) const override;
};

// The skinned tree view, with optional skinned bars over its native ones.
class TskTreeView : public TskScrolled<TCustomTreeView> {
  DECLARE_CLASS(TskTreeView, TCustomTreeView)
 public:
  static constexpr int kBarSmallChange = 5;

  explicit TskTreeView(TComponent* owner) : TskScrolled<TCustomTreeView>(owner, TskAttachedScrollBars::bmList) {}
  static void Publish();

 protected:
  void BarsChanged(int kind, TskScrollBar* bar) override;
  bool SynchronisesAfter(UINT msg) const override { return msg == WM_DELETEITEM; }
  void PlaceBars() override;
};
