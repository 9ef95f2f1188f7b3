// Size constraints of controls.
#include "platform/controls/control_types.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/core/strings.h"

void TSizeConstraints::Publish() {
  TPublisher<TSizeConstraints> p;
  p.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
  p.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  p.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  p.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
}

void TSizeConstraints::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSizeConstraints*>(source);
  if (!other) return TPersistent::Assign(source);
  minWidth_ = other->minWidth_;
  minHeight_ = other->minHeight_;
  maxWidth_ = other->maxWidth_;
  maxHeight_ = other->maxHeight_;
  OnChange.Call(this);
}

void TSizeConstraints::Set(int& field, int v) {
  v = std::max(v, 0);
  if (field == v) return;
  field = v;
  OnChange.Call(this);
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (maxWidth_ > 0) width = std::min(width, maxWidth_);
  if (maxHeight_ > 0) height = std::min(height, maxHeight_);
  width = std::max(width, minWidth_);
  height = std::max(height, minHeight_);
}

bool IsAccel(uint16_t key, const String& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    WideString next = Utf8ToUtf16(caption.substr(i + 1, CharByteLength(caption, i + 1)));
    if (next.empty()) return false;
    char16_t c = next[0];
    auto upper = [](char16_t ch) { return (ch >= u'a' && ch <= u'z') ? static_cast<char16_t>(ch - 32) : ch; };
    return upper(c) == upper(static_cast<char16_t>(key));
  }
  return false;
}
