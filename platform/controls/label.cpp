// Labels: caption, alignment, word wrap and accelerator characters.
#include "platform/controls/label.h"

#include "platform/classes/properties.h"
#include "platform/controls/control_text.h"
#include "platform/controls/notified_link.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks};
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

TCustomLabel::~TCustomLabel() { SetFocusControl(nullptr); }

const TMessageMap& TCustomLabel::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TGraphicControl::ClassMessages());
    m.On(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged);
    m.On(CM_FONTCHANGED, &TCustomLabel::CMFontChanged);
    m.On(CM_DIALOGCHAR, &TCustomLabel::CMDialogChar);
    return m;
  }();
  return map;
}

void TCustomLabel::Changed() {
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout v) {
  if (layout_ == v) return;
  layout_ = v;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  Changed();
}

void TCustomLabel::SetWordWrap(bool v) {
  if (wordWrap_ == v) return;
  wordWrap_ = v;
  Changed();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  if (showAccelChar_ == v) return;
  showAccelChar_ = v;
  Changed();
}

void TCustomLabel::SetTransparent(bool v) {
  if (Transparent() == v) return;
  if (v) controlStyle_.Exclude(csOpaque);
  else controlStyle_.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* v) { SetNotifiedLink(this, focusControl_, v); }

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

unsigned TCustomLabel::TextFlags() const {
  unsigned flags = DT_EXPANDTABS;
  flags |= alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(Font());
  String text = Caption();
  // An empty label keeps the height of one line.
  TRect r = MeasureControlText(measure.Canvas(), text.empty() ? String("Wg") : text,
                               Rect(0, 0, wordWrap_ ? Width() : 0, 0), TextFlags() & ~unsigned{DT_CENTER | DT_RIGHT});
  int width = wordWrap_ || text.empty() ? Width() : r.Width();
  int left = Left();
  if (!wordWrap_ && alignment_ == taRightJustify) left += Width() - width;
  if (!wordWrap_ && alignment_ == taCenter) left += (Width() - width) / 2;
  SetBounds(left, Top(), width, r.Height());
}

void TCustomLabel::Paint() {
  TRect r = ClientRect();
  if (!Transparent()) {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
  }
  String text = Caption();
  if (layout_ != tlTop) {
    TRect needed = MeasureControlText(Canvas(), text, r, TextFlags());
    int offset = r.Height() - needed.Height();
    r.Top += layout_ == tlCenter ? offset / 2 : offset;
  }
  DrawControlText(Canvas(), text, r, TextFlags(), Enabled());
}

void TCustomLabel::CMTextChanged(TMessage&) { Changed(); }

void TCustomLabel::CMFontChanged(TMessage&) { Changed(); }

void TCustomLabel::CMDialogChar(TMessage& m) {
  if (!focusControl_ || !showAccelChar_ || !Enabled()) return;
  if (!IsAccel(static_cast<uint16_t>(m.WParam), Caption()) || !focusControl_->CanFocus()) return;
  focusControl_->SetFocus();
  m.Result = 1;
}

void TCustomLabel::Publish() {
  TPublisher<TCustomLabel> p;
  p.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
  p.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
  p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
  p.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
  p.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
  p.Property("Caption", &TCustomLabel::Caption, &TCustomLabel::SetCaption);
}
