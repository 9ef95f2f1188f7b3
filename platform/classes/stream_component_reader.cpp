// TReader: whole component trees, with references fixed up after the tree is read.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/class_registry.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/filer.h"
#include "platform/classes/properties.h"
#include "platform/classes/stream_components.h"
#include "platform/core/string_list.h"

namespace {

std::vector<String> SplitPath(std::string_view path) {
  std::vector<String> parts;
  size_t start = 0;
  for (size_t dot; (dot = path.find('.', start)) != std::string_view::npos; start = dot + 1) {
    parts.emplace_back(path.substr(start, dot - start));
  }
  parts.emplace_back(path.substr(start));
  return parts;
}

String DisplayName(TComponent* component) {
  return component->Name().empty() ? component->ClassName() : component->Name();
}

// Puts "Error reading Component.Property: " in front of an error raised while reading one
// property, keeping the exception's class.
template <typename F>
void WithPropertyContext(TComponent* component, const String& path, F&& read) {
  try {
    read();
  } catch (Exception& e) {
    e.SetMessage("Error reading " + DisplayName(component) + "." + path + ": " + e.Message());
    throw;
  }
}

}  // namespace

class TComponentLoader {
 public:
  explicit TComponentLoader(TReader& reader) : reader_(reader) {}

  // Frees what a failed read created and leaves no component marked as loading.
  ~TComponentLoader() {
    for (TComponent* c : read_) {
      c->SetReading(false);
      if (!committed_) c->SetLoading(false);
    }
    if (committed_) return;
    reader_.SetRoot(nullptr);
    if (rootCreated_) {
      delete root_;
      return;
    }
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
  }
  TComponentLoader(const TComponentLoader&) = delete;
  TComponentLoader& operator=(const TComponentLoader&) = delete;

  TComponent* Run(TComponent* root) {
    reader_.ReadSignature();
    const TComponentHeader header = reader_.ReadComponentHeader();
    root_ = root != nullptr ? CheckRootClass(root, header.ClassName) : CreateRoot(header.ClassName);
    reader_.SetRoot(root_);
    BeginLoading(root_);
    if (!header.Name.empty() && header.Name != root_->Name()) root_->SetName(header.Name);
    ReadBody(root_);
    ResolveFixups();
    FinishLoading();
    return root_;
  }

 private:
  struct Fixup {
    TComponent* component;  // whose property it is, for messages
    String path;
    TObject* instance;
    const TPropInfo* info;
    String reference;
    std::vector<TCollection*> collections;  // whose items hold `instance`, outermost first
  };

  static TComponent* CheckRootClass(TComponent* root, const String& className) {
    if (!root->ClassNameIs(className)) {
      throw EReadError("Invalid stream format: the stream holds a " + className +
                       ", not a " + root->ClassName());
    }
    return root;
  }

  TComponent* CreateRoot(const String& className) {
    TComponent* root = CreateComponent(FindClass(className), reader_.Owner());
    rootCreated_ = true;
    return root;
  }

  void BeginLoading(TComponent* component) {
    read_.push_back(component);
    component->SetLoading(true);
    component->SetReading(true);
  }

  void ReadBody(TComponent* component) {
    while (!reader_.EndOfList()) {
      const String path = reader_.ReadStr();
      WithPropertyContext(component, path, [&] { ReadProperty(component, component, path); });
    }
    reader_.ReadListEnd();
    while (!reader_.EndOfList()) ReadChild(component);
    reader_.ReadListEnd();
  }

  void ReadChild(TComponent* parent) {
    TReader::NestingGuard nest(reader_);
    const TComponentHeader header = reader_.ReadComponentHeader();
    TComponent* child = FindOrCreate(header.ClassName, header.Name);
    BeginLoading(child);
    if (child->HasParent()) child->SetParentComponent(parent);
    if (header.Flags.Contains(ffChildPos)) parent->SetChildOrder(child, header.ChildPos);
    ReadBody(child);
  }

  // A root read into again already owns the components its constructor made.
  TComponent* FindOrCreate(const String& className, const String& name) {
    if (TComponent* existing = root_->FindComponent(name)) {
      if (std::find(read_.begin(), read_.end(), existing) != read_.end()) {
        throw EReadError("Invalid stream format: component " + name + " appears twice");
      }
      if (!existing->ClassNameIs(className)) {
        throw EReadError("Invalid stream format: " + name + " is a " + existing->ClassName() +
                         ", the stream holds a " + className);
      }
      return existing;
    }
    TComponent* child = CreateComponent(FindClass(className), root_);
    created_.push_back(child);
    child->SetName(name);
    return child;
  }

  void ReadProperty(TComponent* component, TObject* instance, const String& path) {
    const std::vector<String> parts = SplitPath(path);
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
      const TPropInfo* info = GetPropInfo(instance, parts[i]);
      instance = info != nullptr && info->Kind == pkClass ? GetObjectProp(instance, info) : nullptr;
      if (instance == nullptr) NoSuchProperty(path);
    }
    const String& name = parts.back();
    if (auto* strings = dynamic_cast<TStrings*>(instance); strings && SameText(name, "Strings")) {
      ReadStrings(*strings);
    } else if (const TPropInfo* info = GetPropInfo(instance, name)) {
      ReadValue(component, instance, info, path);
    } else if (!ReadDefinedProperty(instance, name)) {
      NoSuchProperty(path);
    }
  }

  [[noreturn]] static void NoSuchProperty(const String& path) {
    throw EReadError("Property " + path + " does not exist");
  }

  bool ReadDefinedProperty(TObject* instance, const String& name) {
    auto* persistent = dynamic_cast<TPersistent*>(instance);
    if (persistent == nullptr) return false;
    reader_.definedName_ = name;
    reader_.definedRead_ = false;
    persistent->DefineProperties(reader_);
    reader_.definedName_.clear();
    return reader_.definedRead_;
  }

  void ReadValue(TComponent* component, TObject* instance, const TPropInfo* info,
                 const String& path) {
    switch (info->Kind) {
      case pkInteger: SetOrdProp(instance, info, ReadIntegerOrIdent(*info)); return;
      case pkInt64: SetOrdProp(instance, info, reader_.ReadInt64()); return;
      case pkBoolean: SetOrdProp(instance, info, reader_.ReadBoolean()); return;
      case pkEnum: SetOrdProp(instance, info, EnumValue(*info->EnumInfo, ReadEnumIdent())); return;
      case pkSet: SetOrdProp(instance, info, static_cast<int64_t>(ReadSetMask(*info->EnumInfo))); return;
      case pkString: SetStrProp(instance, info, reader_.ReadString()); return;
      case pkFloat: SetFloatProp(instance, info, ReadReal(*info)); return;
      case pkCurrency: SetPropVariant(instance, info, Variant(reader_.ReadCurrency())); return;
      case pkClass: ReadObjectValue(GetObjectProp(instance, info)); return;
      case pkComponent: ReadReference(component, instance, info, path); return;
      case pkMethod: ReadEvent(*GetMethodProp(instance, info)); return;
    }
  }

  // 32-bit properties also take unsigned values (colours) as their bit pattern.
  int64_t ReadIntegerOrIdent(const TPropInfo& info) {
    if (reader_.NextValue() != vaIdent) {
      const int64_t value = reader_.ReadInt64();
      if (value < INT32_MIN || value > UINT32_MAX) {
        throw EReadError("Invalid property value: " + std::to_string(value) + " is out of range");
      }
      return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    const String ident = reader_.ReadIdent();
    int64_t value = 0;
    if (info.Idents == nullptr || !info.Idents->IdentToInt(ident, value)) {
      throw EReadError("Invalid property value: unknown identifier " + ident);
    }
    return value;
  }

  double ReadReal(const TPropInfo& info) {
    const double value = reader_.ReadFloat();
    if (info.FloatType == fltSingle && std::isfinite(value) &&
        std::fabs(value) > std::numeric_limits<float>::max()) {
      throw EReadError("Invalid property value: " + std::to_string(value) + " is out of range");
    }
    return value;
  }

  String ReadEnumIdent() {
    if (reader_.NextValue() != vaIdent) throw EReadError("Invalid property value");
    return reader_.ReadIdent();
  }

  static int64_t EnumValue(const TEnumInfo& names, const String& name) {
    const int value = names.Value(name);
    if (value < 0) {
      throw EReadError("Invalid property value: " + name + " is no " + names.TypeName());
    }
    return value;
  }

  uint64_t ReadSetMask(const TEnumInfo& names) {
    uint64_t mask = 0;
    for (const String& name : reader_.ReadSet()) {
      const int64_t value = EnumValue(names, name);
      if (value >= 64) throw EReadError("Invalid property value: " + name);
      mask |= uint64_t{1} << value;
    }
    return mask;
  }

  // A nested object has no value of its own except a collection's items.
  void ReadObjectValue(TObject* object) {
    auto* collection = dynamic_cast<TCollection*>(object);
    if (collection == nullptr || reader_.NextValue() != vaCollection) {
      throw EReadError("Invalid property value");
    }
    TReader::NestingGuard nest(reader_);
    reader_.ReadValue();
    TCollectionUpdateLock lock(*collection);
    DropFixupsInside(collection);
    collection->Clear();
    openCollections_.push_back(collection);
    struct Close {
      std::vector<TCollection*>& open;
      ~Close() { open.pop_back(); }
    } close{openCollections_};
    while (!reader_.EndOfList()) {
      if (reader_.NextValue() != vaList) reader_.ReadInteger();  // the item's stored order
      reader_.ReadListBegin();
      TCollectionItem* item = collection->Add();
      while (!reader_.EndOfList()) ReadProperty(nullptr, item, reader_.ReadStr());
      reader_.ReadListEnd();
    }
    reader_.ReadListEnd();
  }

  // A collection read a second time frees its old items, and with them the objects whose
  // references still wait to be fixed up.
  void DropFixupsInside(TCollection* collection) {
    std::erase_if(fixups_, [collection](const Fixup& f) {
      return std::find(f.collections.begin(), f.collections.end(), collection) != f.collections.end();
    });
  }

  void ReadStrings(TStrings& strings) {
    TReader::NestingGuard nest(reader_);
    reader_.ReadListBegin();
    TStringsUpdateLock lock(strings);
    strings.Clear();
    while (!reader_.EndOfList()) strings.Add(reader_.ReadString());
    reader_.ReadListEnd();
  }

  void ReadReference(TComponent* component, TObject* instance, const TPropInfo* info,
                     const String& path) {
    const String name = reader_.ReadIdent();
    if (SameText(name, "nil")) {
      SetObjectProp(instance, info, nullptr);
    } else {
      fixups_.push_back({component, path, instance, info, name, openCollections_});
    }
  }

  void ReadEvent(TEventBase& event) {
    const String method = reader_.ReadIdent();
    if (SameText(method, "nil")) return event.Clear();
    // A handler the root does not have may be one of the owners' it sits in (a control's
    // handlers are its form's).
    TComponent* target = root_;
    for (TComponent* c = root_; c != nullptr; c = OwnerAbove(c))
      if (FindMethod(c->ClassType(), method) != nullptr) {
        target = c;
        break;
      }
    event.BindByName(target, method);
  }

  // The owner whose components a root's stream may name besides its own: the reader's owner
  // for the root, else the component's own owner.
  TComponent* OwnerAbove(TComponent* c) const {
    return c == root_ && reader_.Owner() != nullptr ? reader_.Owner() : c->Owner();
  }

  // Names are written from the root: "Inner", the root itself, or "Owner.Name". A root read
  // on its own (a control's layout) may also name components of the owners above it, as the
  // form it sits on.
  TComponent* FindReference(const String& reference) const {
    const std::vector<String> parts = SplitPath(reference);
    TComponent* found = nullptr;
    for (TComponent* from = root_; from != nullptr && found == nullptr; from = OwnerAbove(from))
      found = SameText(parts[0], from->Name()) ? from : from->FindComponent(parts[0]);
    for (size_t i = 1; i < parts.size() && found != nullptr; ++i) {
      found = found->FindComponent(parts[i]);
    }
    return found;
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* owner = f.component != nullptr ? f.component : root_;
      WithPropertyContext(owner, f.path, [&] {
        TComponent* target = FindReference(f.reference);
        if (target == nullptr) throw EReadError("Unresolved reference to " + f.reference);
        SetObjectProp(f.instance, f.info, target);
      });
    }
  }

  void FinishLoading() {
    for (TComponent* c : read_) c->SetReading(false);
    for (TComponent* c : read_) c->Loaded();
    committed_ = true;
  }

  TReader& reader_;
  TComponent* root_ = nullptr;
  bool rootCreated_ = false;
  bool committed_ = false;
  std::vector<TComponent*> read_;     // root first, in reading order
  std::vector<TComponent*> created_;  // components the reader created, besides the root
  std::vector<Fixup> fixups_;
  std::vector<TCollection*> openCollections_;  // collections whose items are being read
};

TComponent* TReader::ReadRootComponent(TComponent* root) {
  return TComponentLoader(*this).Run(root);
}

TComponent* ReadComponent(TStream& stream, TComponent* instance, TComponent* owner) {
  TReader reader(stream);
  reader.SetOwner(owner);
  return reader.ReadRootComponent(instance);
}
