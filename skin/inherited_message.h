#pragma once

#include "platform/controls/control.h"

// What the base class does with a message a skinned control also handles: the handler of the
// base class's message map, else the default handling.
inline void InheritedMessage(const TMessageMap& baseMap, TControl* self, TMessage& m) {
  if (const TMessageMap::THandler* handler = baseMap.Find(m.Msg)) (*handler)(self, m);
  else self->DefaultHandler(m);
}
