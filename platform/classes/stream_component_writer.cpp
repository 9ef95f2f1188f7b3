// TWriter: components with their stored, non-default published properties and children.
#include <utility>

#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/filer.h"
#include "platform/classes/properties.h"
#include "platform/classes/stream_components.h"
#include "platform/core/string_list.h"

class TComponentSaver {
 public:
  explicit TComponentSaver(TWriter& writer) : writer_(writer) {}

  void WriteObject(TObject* instance) {
    for (const TPropInfo* info : GetPropList(instance)) {
      if (IsShadowed(instance, info) || IsComponentName(instance, info)) continue;
      // A value no reader could set again is not stored.
      if (info->IsWritable() && IsStoredProp(instance, info)) WriteProperty(instance, info);
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(instance)) {
      persistent->DefineProperties(writer_);
    }
  }

 private:
  // Properties of nested objects are written with dotted names ("Font.Name"); collection
  // items start a fresh path.
  class PathScope {
   public:
    PathScope(TWriter& writer, String path) : writer_(writer), saved_(std::move(writer.propPath_)) {
      writer_.propPath_ = std::move(path);
    }
    ~PathScope() { writer_.propPath_ = std::move(saved_); }
    PathScope(const PathScope&) = delete;
    PathScope& operator=(const PathScope&) = delete;

   private:
    TWriter& writer_;
    String saved_;
  };

  // A descendant that publishes a property again hides its parent's entry.
  static bool IsShadowed(TObject* instance, const TPropInfo* info) {
    return GetPropInfo(instance, info->Name) != info;
  }

  // A component's name is stored in its record, not among its properties.
  static bool IsComponentName(TObject* instance, const TPropInfo* info) {
    return SameText(info->Name, "Name") && dynamic_cast<TComponent*>(instance) != nullptr;
  }

  void WriteProperty(TObject* instance, const TPropInfo* info) {
    switch (info->Kind) {
      case pkClass: WriteNestedObject(info->Name, GetObjectProp(instance, info)); return;
      case pkComponent: WriteReference(info->Name, GetObjectProp(instance, info)); return;
      case pkMethod: {
        const String& method = GetMethodProp(instance, info)->MethodName();
        if (method.empty()) return;
        writer_.WritePropName(info->Name);
        writer_.WriteIdent(method);
        return;
      }
      default:
        if (IsDefaultPropValue(instance, info)) return;
        writer_.WritePropName(info->Name);
        WriteSimpleValue(instance, info);
    }
  }

  void WriteSimpleValue(TObject* instance, const TPropInfo* info) {
    const Variant value = GetPropVariant(instance, info);
    switch (info->Kind) {
      case pkInteger: {
        String ident;
        if (info->Idents != nullptr && info->Idents->IntToIdent(value.AsInt64(), ident)) {
          writer_.WriteIdent(ident);
        } else {
          writer_.WriteInteger(value.AsInteger());
        }
        return;
      }
      case pkInt64: writer_.WriteInteger(value.AsInt64()); return;
      case pkEnum: WriteEnum(*info, value.AsInteger()); return;
      case pkSet: writer_.WriteSet(SetNames(*info->EnumInfo, static_cast<uint64_t>(value.AsInt64()))); return;
      case pkBoolean: writer_.WriteBoolean(value.AsBoolean()); return;
      case pkString: writer_.WriteString(value.AsString()); return;
      case pkCurrency: writer_.WriteCurrency(value.AsCurrency()); return;
      default: WriteReal(*info, value.AsDouble()); return;
    }
  }

  void WriteEnum(const TPropInfo& info, int ordinal) {
    const String& name = info.EnumInfo->Name(ordinal);
    if (name.empty()) {
      throw EWriteError("Property " + info.Name + " holds " + std::to_string(ordinal) +
                        ", which is no value of " + info.EnumInfo->TypeName());
    }
    writer_.WriteIdent(name);
  }

  static std::vector<String> SetNames(const TEnumInfo& names, uint64_t mask) {
    std::vector<String> result;
    for (int i = 0; i < names.Count() && i < 64; ++i) {
      if (mask & (uint64_t{1} << i)) result.push_back(names.Name(i));
    }
    return result;
  }

  void WriteReal(const TPropInfo& info, double value) {
    switch (info.FloatType) {
      case fltSingle: writer_.WriteSingle(static_cast<float>(value)); return;
      case fltDateTime: writer_.WriteDate(value); return;
      case fltDouble: writer_.WriteFloat(value); return;
    }
  }

  void WriteNestedObject(const String& name, TObject* object) {
    if (object == nullptr) return;
    if (auto* strings = dynamic_cast<TStrings*>(object)) {
      WriteStrings(name, *strings);
    } else if (auto* collection = dynamic_cast<TCollection*>(object)) {
      WriteCollection(name, *collection);
    } else {
      PathScope path(writer_, writer_.propPath_ + name + ".");
      WriteObject(object);
    }
  }

  void WriteStrings(const String& name, TStrings& strings) {
    if (strings.Count() == 0) return;
    writer_.WritePropName(name + ".Strings");
    writer_.WriteListBegin();
    for (int i = 0; i < strings.Count(); ++i) writer_.WriteString(strings.Strings(i));
    writer_.WriteListEnd();
  }

  void WriteCollection(const String& name, TCollection& collection) {
    if (collection.Count() == 0) return;
    writer_.WritePropName(name);
    writer_.WriteValue(vaCollection);
    PathScope path(writer_, "");
    for (int i = 0; i < collection.Count(); ++i) {
      writer_.WriteListBegin();
      WriteObject(collection.Items(i));
      writer_.WriteListEnd();
    }
    writer_.WriteListEnd();
  }

  // A reference names the component from the root: "Inner", the root itself, or
  // "Owner.Name" for a component another component owns.
  void WriteReference(const String& name, TObject* object) {
    auto* target = dynamic_cast<TComponent*>(object);
    if (target == nullptr || target->Name().empty()) return;
    String path = target->Name();
    TComponent* root = writer_.Root();
    if (target != root && target->Owner() != root && target->Owner() != nullptr &&
        !target->Owner()->Name().empty()) {
      path = target->Owner()->Name() + "." + path;
    }
    writer_.WritePropName(name);
    writer_.WriteIdent(path);
  }

  TWriter& writer_;
};

void TWriter::WriteProperties(TPersistent* instance) { TComponentSaver(*this).WriteObject(instance); }

void TWriter::WriteComponent(TComponent* component) {
  TComponentStateScope writing(component, csWriting);
  WriteComponentHeader({{}, 0, component->ClassName(), component->Name()});
  WriteProperties(component);
  WriteListEnd();
  component->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
  WriteListEnd();
}

void TWriter::WriteRootComponent(TComponent* root) {
  SetRoot(root);
  WriteSignature();
  WriteComponent(root);
}

void WriteComponent(TStream& stream, TComponent* root) { TWriter(stream).WriteRootComponent(root); }
