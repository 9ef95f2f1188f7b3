#pragma once

#include "platform/classes/filer.h"

class TComponent;

// Writes `root`, its stored properties and its children as a component stream.
void WriteComponent(TStream& stream, TComponent* root);

// Reads a component stream into `instance` (its class must be the stream's), or, when
// instance is nullptr, into a new component created by class name and owned by `owner`.
// Components and handler methods the stream names are looked up from the root first, then
// from `owner` (or the instance's own owner) and the owners above it.
// Returns the component read. See TReader::ReadRootComponent for what happens on errors.
TComponent* ReadComponent(TStream& stream, TComponent* instance = nullptr,
                          TComponent* owner = nullptr);
