#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/core/object.h"

class TComponent;

// The classes that can be created by name (component streams name the class of every
// component they hold). Names are looked up ignoring Latin case.

// Registers `cls` under its class name. Registering the same class again does nothing;
// another class with the same name raises EFilerError "A class named %s already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// The registered class of that name, or nullptr.
TClass GetClass(std::string_view className);
// The registered class of that name; raises EClassNotFound "Class %s not found".
TClass FindClass(std::string_view className);
// Every registered class, in registration order.
std::vector<TClass> RegisteredClasses();

// Creates a component of class `cls` owned by `owner`. Raises EInvalidCast when the class is
// not a component class and EInvalidOperation when it cannot be created.
TComponent* CreateComponent(TClass cls, TComponent* owner);

// Registers a class while the program starts, from the .cpp that defines it:
//   REGISTER_CLASS(TMyPanel);
// A static library drops object files nothing refers to, so a library with a start-up
// function should call RegisterClass there instead.
#define REGISTER_CLASS(T)                                 \
  [[maybe_unused]] static const bool registered_class_##T = \
      (::RegisterClass(T::StaticClass()), true)

// Registers classes for the life of the scope (tests, library start-up objects) and
// unregisters the ones it added at the end.
class TClassRegistration {
 public:
  TClassRegistration(std::initializer_list<TClass> classes);
  ~TClassRegistration();
  TClassRegistration(const TClassRegistration&) = delete;
  TClassRegistration& operator=(const TClassRegistration&) = delete;

 private:
  void Unregister();
  std::vector<TClass> added_;
};
