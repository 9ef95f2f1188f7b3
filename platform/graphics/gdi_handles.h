#pragma once

#include <cstdint>

// Opaque handles of the drawing layer. Every object kind (pen, brush, font, bitmap, region)
// shares one handle type, as SelectObject and DeleteObject take any of them; the object
// behind a handle knows its kind and calls with the wrong kind fail safely.
struct HGDIOBJ__;
struct HDC__;
using HGDIOBJ = HGDIOBJ__*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;
using HDC = HDC__*;

using UINT = unsigned int;
using DWORD = uint32_t;
using BYTE = uint8_t;
