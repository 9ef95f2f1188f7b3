// Shortcut keys: their names and their key and shift parts.
#include "platform/controls/shortcuts.h"

#include <string>
#include <vector>

namespace {

struct TKeyName {
  uint16_t key;
  const char* name;
};

// Names of the keys that are not a letter, a digit or a function key.
const TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},   {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
};

String KeyName(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return String(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return {};
}

uint16_t KeyOfName(const String& name) {
  for (int key = 1; key < 256; ++key) {
    String known = KeyName(static_cast<uint16_t>(key));
    if (!known.empty() && SameText(known, name)) return static_cast<uint16_t>(key);
  }
  return 0;
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = {};
  if (shortCut & scShift) shift.Include(ssShift);
  if (shortCut & scCtrl) shift.Include(ssCtrl);
  if (shortCut & scAlt) shift.Include(ssAlt);
}

String ShortCutToText(TShortCut shortCut) {
  String name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  String prefix;
  if (shortCut & scShift) prefix += "Shift+";
  if (shortCut & scCtrl) prefix += "Ctrl+";
  if (shortCut & scAlt) prefix += "Alt+";
  return prefix + name;
}

TShortCut TextToShortCut(const String& text) {
  std::vector<String> parts;
  size_t start = 0;
  for (size_t plus = text.find('+', 1); plus != String::npos; plus = text.find('+', plus + 1)) {
    parts.push_back(Trim(text.substr(start, plus - start)));
    start = plus + 1;
  }
  parts.push_back(Trim(text.substr(start)));
  TShortCut modifiers = 0;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (SameText(parts[i], "Shift")) modifiers |= scShift;
    else if (SameText(parts[i], "Ctrl")) modifiers |= scCtrl;
    else if (SameText(parts[i], "Alt")) modifiers |= scAlt;
    else return scNone;
  }
  uint16_t key = parts.back().empty() ? 0 : KeyOfName(parts.back());
  return key ? static_cast<TShortCut>(modifiers | key) : scNone;
}
