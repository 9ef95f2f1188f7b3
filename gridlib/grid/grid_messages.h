#pragma once

#include "platform/windows/messages.h"

// The messages the data grid posts to its own window, numbered in the range the platform leaves
// to controls (from WM_USER). Every private message of the grid, its in-place editor and its
// filter row is listed here, so that no two of them ever share a number.
enum TDBGridExMessage : UINT {
  // Lays the grid out again once the messages queued before it are handled; several requests
  // make one layout.
  GM_DEFERREDLAYOUT = WM_USER + 0x64,
};
