#pragma once

#include <cstdint>

struct TCursorImage;

// Mouse pointer shapes. A cursor is named by the window system's standard identifier
// (IDC_ARROW, ...) or by a number a library registered for its own artwork; the backend
// turns the current one into the toolkit's pointer shape.
using HCURSOR = intptr_t;

inline constexpr HCURSOR IDC_ARROW = 32512;
inline constexpr HCURSOR IDC_IBEAM = 32513;
inline constexpr HCURSOR IDC_WAIT = 32514;
inline constexpr HCURSOR IDC_CROSS = 32515;
inline constexpr HCURSOR IDC_UPARROW = 32516;
inline constexpr HCURSOR IDC_SIZENWSE = 32642;
inline constexpr HCURSOR IDC_SIZENESW = 32643;
inline constexpr HCURSOR IDC_SIZEWE = 32644;
inline constexpr HCURSOR IDC_SIZENS = 32645;
inline constexpr HCURSOR IDC_SIZEALL = 32646;
inline constexpr HCURSOR IDC_NO = 32648;
inline constexpr HCURSOR IDC_HAND = 32649;
inline constexpr HCURSOR IDC_APPSTARTING = 32650;
inline constexpr HCURSOR IDC_HELP = 32651;

// A cursor made from a picture: its image (alpha, or the mask where it is white, leaves
// pixels transparent) pointing with its hot spot. The window system keeps its own copy until
// DestroyCursor; 0 when the picture has no image.
HCURSOR CreateImageCursor(const TCursorImage& picture);
// Frees a cursor CreateImageCursor made (a current one gives way to the arrow); false for any
// other.
bool DestroyCursor(HCURSOR cursor);
// The picture of a cursor CreateImageCursor made; nullptr for the standard ones.
const TCursorImage* CursorPicture(HCURSOR cursor);

// Standard cursors are their own identifiers; instance is accepted and ignored.
HCURSOR LoadCursor(uintptr_t instance, HCURSOR id);
// Sets the pointer shape; answers the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The cursor that WM_SETCURSOR's default chooses for a hit-test code (sizing arrows on the
// frame, the arrow elsewhere).
HCURSOR CursorForHitTest(intptr_t hitCode);
