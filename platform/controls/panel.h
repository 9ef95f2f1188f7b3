#pragma once

#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/controls/std_control_types.h"

// A container with an outer and an inner bevel, an optional sunken border and a caption drawn
// in its middle; children are laid out inside the bevels.
class TCustomPanel : public TCustomControl {
  DECLARE_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* owner);
  static void Publish();

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v) { Change(bevelInner_, v); }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v) { Change(bevelOuter_, v); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;

 private:
  void Change(TBevelCut& field, TBevelCut v);
  void PaintBevel(TRect& r, TBevelCut cut);
  int BevelSize(TBevelCut cut) const { return cut == bvNone ? 0 : bevelWidth_; }

  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TFormBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
  DECLARE_CLASS(TPanel, TCustomPanel)
 public:
  using TCustomPanel::TCustomPanel;
};
