#pragma once

#include <cstdint>

#include "platform/core/types.h"
#include "platform/windows/messages.h"

// The toolkit window that shows one top-level window of our tree: it paints the window's
// composed picture and turns the toolkit's input into our input layer's calls; geometry the
// user changes through the window manager flows back into our window. Opaque here so that no
// toolkit type leaves the backend's sources.
class TToolkitWindow;

TToolkitWindow* CreateToolkitWindow(HWND top);
void DestroyToolkitWindow(TToolkitWindow* w);
// Moves and titles the toolkit window as our window is, without reporting it back.
void FollowTree(TToolkitWindow* w);
void ShowToolkitWindow(TToolkitWindow* w, bool visible);
// The window `w` belongs to (nullptr: none), which the window manager keeps it above: an owned
// window is a dialog of its owner.
void SetToolkitOwner(TToolkitWindow* w, TToolkitWindow* owner);
void FollowWindowState(TToolkitWindow* w);
void RaiseToolkitWindow(TToolkitWindow* w);
void SetToolkitWindowShape(TToolkitWindow* w);
// Shows `dirty` of the window's picture on the screen now (when the window is on it).
void RepaintToolkitWindow(TToolkitWindow* w, const TRect& dirty);
void SetToolkitCursor(TToolkitWindow* w, intptr_t cursor);
void* ToolkitNativeWindow(TToolkitWindow* w);  // the QWindow
