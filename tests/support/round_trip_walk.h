#pragma once

// A walk over every published value of an object, each set alone to a value a new object does
// not start with (its stored default among them), saved, read back into a new object and
// compared stored value by stored value. The libraries' layout tests share it: each says how
// its objects are made, saved and read back.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"

namespace round_trip {

using Bytes = std::vector<uint8_t>;

// A published value somewhere in an object: its path and where it is read and set.
struct ValueSlot {
  String path;
  TObject* owner;
  const TPropInfo* info;
};

// Every simple published value of `o` and of the objects and items nested in it, but a
// component's name, which its owner keeps, and the properties named in `leftOut`.
inline void CollectSlots(TObject* o, const String& path, const std::set<String>& leftOut,
                         std::vector<ValueSlot>& out) {
  for (const TPropInfo* info : GetPropList(o)) {
    if (info->Kind == pkMethod || info->Kind == pkComponent) continue;
    if (SameText(info->Name, "Name") && dynamic_cast<TComponent*>(o) != nullptr) continue;
    const String name = path + info->Name;
    if (leftOut.count(name) != 0) continue;
    if (info->Kind == pkClass) {
      TObject* nested = GetObjectProp(o, info);
      if (auto* items = dynamic_cast<TCollection*>(nested)) {
        for (int i = 0; i < items->Count(); ++i)
          CollectSlots(items->Items(i), name + "[" + std::to_string(i) + "].", leftOut, out);
      } else if (nested != nullptr) {
        CollectSlots(nested, name + ".", leftOut, out);
      }
    } else if (info->IsWritable()) {
      out.push_back({name, o, info});
    }
  }
}

inline std::vector<ValueSlot> Slots(TObject* o, const std::set<String>& leftOut = {}) {
  std::vector<ValueSlot> out;
  CollectSlots(o, "", leftOut, out);
  return out;
}

// The stored values of an object by path.
inline std::map<String, String> StoredValues(TObject* o, const std::set<String>& leftOut = {}) {
  std::map<String, String> values;
  for (const ValueSlot& s : Slots(o, leftOut))
    if (IsStoredProp(s.owner, s.info)) values[s.path] = GetPropVariant(s.owner, s.info).AsString();
  return values;
}

// Values other than the one `s` holds: its stored default (for a text without one, the empty
// text) when that differs, and a neighbour of the value.
inline std::vector<Variant> OtherValues(const ValueSlot& s) {
  const TPropInfo& info = *s.info;
  const Variant now = GetPropVariant(s.owner, s.info);
  std::vector<Variant> values;
  if (!info.Default.IsEmpty() && !(info.Default == now)) values.push_back(info.Default);
  switch (info.Kind) {
    case pkBoolean: values.emplace_back(!now.AsBoolean()); break;
    case pkEnum: values.emplace_back((now.AsInteger() + 1) % info.EnumInfo->Count()); break;
    case pkSet: values.emplace_back(now.AsInt64() ^ 1); break;
    case pkString:
      if (info.Default.IsEmpty() && !now.AsString().empty()) values.emplace_back(String());
      values.emplace_back(now.AsString() + "x");
      break;
    case pkInteger: values.emplace_back(now.AsInteger() + 1); break;
    case pkInt64: values.emplace_back(now.AsInt64() + 1); break;
    default:
      if (info.Default.IsEmpty() && now.AsDouble() != 0) values.emplace_back(0.0);
      values.emplace_back(now.AsDouble() + 1);
  }
  return values;
}

// How one kind of object is made, saved and read back.
struct Subject {
  // A new object, made as every saved one is.
  std::function<TObject*()> make;
  // The object's saved bytes; the object is freed, so that the one read back takes its place.
  std::function<Bytes(TObject*)> saveAndFree;
  // A new object read from saved bytes.
  std::function<TObject*(const Bytes&)> load;
  std::function<void(TObject*)> free;
  // Paths not walked: values the object does not keep by design.
  std::set<String> leftOut;
};

// Each published value of a new object, set alone to each of its other values, is saved and
// read back into a new object. Returns, for each stored value that came back different, what
// was set, what was saved and what came back.
inline std::vector<String> ValuesThatComeBackDifferent(const Subject& subject) {
  // What to set where, found on an object made as every saved one is.
  TObject* probe = subject.make();
  std::vector<std::pair<String, std::vector<Variant>>> plan;
  for (const ValueSlot& slot : Slots(probe, subject.leftOut)) plan.emplace_back(slot.path, OtherValues(slot));
  subject.free(probe);
  std::vector<String> differences;
  for (size_t i = 0; i < plan.size(); ++i) {
    const auto& [slotPath, values] = plan[i];
    for (const Variant& value : values) {
      TObject* saved = subject.make();
      const ValueSlot target = Slots(saved, subject.leftOut)[i];
      const Variant before = GetPropVariant(target.owner, target.info);
      try {
        SetPropVariant(target.owner, target.info, value);
      } catch (const Exception&) {  // a value the object refuses is no value to save
      }
      if (GetPropVariant(target.owner, target.info) == before) {  // refused or clamped
        subject.free(saved);
        continue;
      }
      const auto want = StoredValues(saved, subject.leftOut);
      TObject* loaded = subject.load(subject.saveAndFree(saved));
      const auto got = StoredValues(loaded, subject.leftOut);
      for (const auto& [path, text] : want) {
        const auto it = got.find(path);
        const String back = it == got.end() ? String("(none)") : it->second;
        if (back != text)
          differences.push_back(slotPath + " := " + value.AsString() + ": " + path + " saved " + text + ", loaded " +
                                back);
      }
      subject.free(loaded);
    }
  }
  return differences;
}

}  // namespace round_trip
