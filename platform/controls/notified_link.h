#pragma once

#include "platform/classes/component.h"

// Points `field` of component `self` at `value`, moving the free notification from the old
// component to the new one, so that `self` hears when the component it points at goes.
template <typename T>
void SetNotifiedLink(TComponent* self, T*& field, T* value) {
  if (field == value) return;
  if (field) field->RemoveFreeNotification(self);
  field = value;
  if (value) value->FreeNotification(self);
}
