// The skinned number edit: accepted keys and its value.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/format.h"
#include "platform/windows/system_metrics.h"
#include "skin/edits.h"

namespace {

bool Has(const String& text, char c) { return text.find(c) != String::npos; }

}  // namespace

TskNumberEdit::TskNumberEdit(TComponent* owner) : TskEdit(owner) { SetAlignment(taRightJustify); }

void TskNumberEdit::Publish() {
  using B = TskNumberEdit;
  TPublisher<B> p;
  p.Property("Mask", &B::Mask, &B::SetMask).Default(String("0.00"));
  p.Property("Value", &B::Value, &B::SetValue).Default(0.0);
  p.Property("AutoSelectSigns", &B::AutoSelectSigns, &B::SetAutoSelectSigns).Default(2);
}

void TskNumberEdit::SetValue(double value) {
  value_ = value;
  SetText(FormatFloat(mask_, value_));
}

// Text that reads as a number is the Value at once; anything else (a lone "." or "-", pasted
// words) is text on its way to a number and leaves the last good Value alone.
void TskNumberEdit::Change() {
  const String text = Text();
  double parsed = 0;
  if (!text.empty() && text != "-" && TryStrToFloat(text, parsed)) value_ = parsed;
  TskEdit::Change();
}

void TskNumberEdit::DoEnter() {
  TskEdit::DoEnter();
  if (autoSelectSigns_ < 1 || !AutoSelect()) return;
  SetSelStart(std::max(0, CharLength(Text()) - autoSelectSigns_));
  SetSelLength(autoSelectSigns_);
}

// A click selects the decimals again, as entering does.
void TskNumberEdit::Click() {
  TskEdit::Click();
  DoEnter();
}

// Leaving shows the Value by the mask: an emptied edit (or a lone "-") means 0, text that is
// no number gives back the last good Value.
void TskNumberEdit::DoExit() {
  TskEdit::DoExit();
  const String text = Text();
  SetValue(text.empty() || text == "-" ? 0.0 : value_);
}

void TskNumberEdit::KeyPress(char16_t& key) {
  TskEdit::KeyPress(key);
  if (key == 0 || AcceptsKey(key)) return;
  MessageBeep(0);
  key = 0;
}

// Digits, one decimal separator, a leading sign, and every control character, so that the
// editing and clipboard keys (Backspace, Ctrl+A, C, V, X, Z) keep working.
bool TskNumberEdit::AcceptsKey(char16_t key) {
  if (key < 0x20 || (key >= u'0' && key <= u'9')) return true;
  const String text = Text();
  const char separator = FormatSettings.DecimalSeparator;
  if (key == static_cast<char16_t>(separator)) return Has(mask_, '.') && !Has(text, separator);
  if (key == u'-') return Has(mask_, '-') && SelStart() == 0 && !Has(text, '-');
  return false;
}
