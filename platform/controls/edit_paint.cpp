// Where the edit's characters sit and how it paints them: text, selection and caret.
#include <algorithm>

#include "platform/controls/edit.h"
#include "platform/core/utf8_codec.h"
#include "platform/graphics/bitmap.h"

String TCustomEdit::DisplayText() {
  String text = EditBuffer();
  if (passwordChar_ == 0) return text;
  String one;
  utf8::Append(one, passwordChar_);
  String shown;
  for (int i = CharLength(text); i > 0; --i) shown += one;
  return shown;
}

TRect TCustomEdit::FormatRect() {
  if (customRect_) return formatRect_;
  TRect r = ClientRect();
  return Rect(r.Left + 1, r.Top + 1, std::max(r.Left + 1, r.Right - 1), r.Bottom);
}

int TCustomEdit::TextWidthOf(std::string_view s) {
  if (!measure_) measure_ = std::make_unique<TBitmap>(1, 1);
  TCanvas* canvas = measure_->Canvas();
  canvas->Font()->Assign(Font());
  return canvas->TextWidth(s);
}

int TCustomEdit::TextOffsetX() {
  TRect r = FormatRect();
  int width = TextWidthOf(DisplayText());
  if (width >= r.Width()) return r.Left - scrollX_;
  switch (alignment_) {
    case taRightJustify: return r.Right - width;
    case taCenter: return r.Left + (r.Width() - width) / 2;
    default: return r.Left;
  }
}

void TCustomEdit::ScrollCaret() {
  TRect r = FormatRect();
  String shown = DisplayText();
  int total = TextWidthOf(shown);
  if (total < r.Width()) {
    scrollX_ = 0;
    return;
  }
  int caretX = TextWidthOf(LeftStr(shown, caret_));
  if (caretX - scrollX_ >= r.Width()) scrollX_ = caretX - r.Width() + 1;
  if (caretX < scrollX_) scrollX_ = caretX;
  scrollX_ = std::clamp(scrollX_, 0, std::max(0, total - r.Width() + 1));
}

TPoint TCustomEdit::PosFromChar(int index) {
  String shown = DisplayText();
  index = std::clamp(index, 0, CharLength(shown));
  return {TextOffsetX() + TextWidthOf(LeftStr(shown, index)), FormatRect().Top};
}

// The character boundary nearest to the point's x, found by halving (widths of longer
// beginnings never shrink), so a click in long text measures it only a few times.
int TCustomEdit::CharFromPos(TPoint p) {
  String shown = DisplayText();
  int x = p.x - TextOffsetX();
  int count = CharLength(shown);
  int low = 0;
  int high = count;
  while (low < high) {
    int mid = (low + high + 1) / 2;
    if (TextWidthOf(LeftStr(shown, mid)) <= x) low = mid;
    else high = mid - 1;
  }
  if (low == count) return count;
  int left = TextWidthOf(LeftStr(shown, low));
  int right = TextWidthOf(LeftStr(shown, low + 1));
  return x < (left + right + 1) / 2 ? low : low + 1;
}

void TCustomEdit::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  TRect r = FormatRect();
  String shown = DisplayText();
  int x = TextOffsetX();
  canvas->Font()->Assign(Font());
  if (!Enabled()) canvas->Font()->SetColor(clGrayText);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(r, x, r.Top, shown);
  int lineHeight = canvas->TextHeight("Wg");
  bool focused = Focused();
  if (SelLength() > 0 && (focused || !hideSelection_)) {
    int left = x + TextWidthOf(LeftStr(shown, SelStart()));
    int right = x + TextWidthOf(LeftStr(shown, SelStart() + SelLength()));
    TRect sel = Rect(std::max(left, r.Left), r.Top, std::min(right, r.Right), std::min(r.Top + lineHeight, r.Bottom));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
    canvas->TextRect(sel, left, r.Top, Copy(shown, SelStart() + 1, SelLength()));
  }
  if (focused) {
    int caretX = x + TextWidthOf(LeftStr(shown, caret_));
    canvas->Pen()->SetMode(pmNot);
    canvas->MoveTo(caretX, r.Top);
    canvas->LineTo(caretX, std::min(r.Top + lineHeight, r.Bottom));
    canvas->Pen()->SetMode(pmCopy);
  }
}
