#pragma once

#include "platform/core/object.h"
#include "platform/core/strings.h"

class TFiler;

// An object that can copy itself from another (Assign) and store itself in a component stream
// (its published properties, plus whatever DefineProperties adds).
class TPersistent : public TObject {
  DECLARE_CLASS(TPersistent, TObject)
 public:
  TPersistent() = default;

  // Copies `source` into this object. The default asks the source to copy itself into this
  // object (AssignTo); when neither side knows the other it raises EConvertError
  // ("Cannot assign a TFont to a TBrush"; a null source is "nil").
  virtual void Assign(TPersistent* source);

  // The object that owns this one (the component that holds a nested font, the collection of
  // an item); nullptr for free-standing objects.
  virtual TPersistent* GetOwner() { return nullptr; }
  // The dotted path that names this object from its owner chain ("Form1.Font"); the default is
  // the class name prefixed by the owner's path.
  virtual String GetNamePath();

  // Declares values stored beside the published properties (through TFiler::DefineProperty
  // and DefineBinaryProperty). The default declares none.
  virtual void DefineProperties(TFiler& filer);

 protected:
  // Copies this object into `dest`; the default raises the "Cannot assign" error.
  virtual void AssignTo(TPersistent* dest);
  // Raises EConvertError "Cannot assign a <source class> to a <this class>".
  [[noreturn]] void AssignError(TPersistent* source);
};
