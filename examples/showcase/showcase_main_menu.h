#pragma once

#include <functional>

#include "platform/core/strings.h"
#include "skin/themes.h"

class TMenuItem;
class TShowcaseMainForm;
class TskFileTheme;
class TskMainMenu;

// The main window's skinned menu: File with the pages (their side-bar pictures and Ctrl+1..
// short cuts) and Exit; View with the five built-in styles and "theme file…" as radio items;
// Help. Picking a style restyles every skinned part of the window and repaints all of it.
// The window's own menu bar shows the menu until a skinned form on the window takes it.
TskMainMenu* BuildShowcaseMainMenu(TShowcaseMainForm* form);

// The View item of a style; FromThemeFile gives the theme file's.
TMenuItem* ShowcaseStyleItem(TskMainMenu* menu, TskUIStyle style);

// Gives every skinned component of the window (each that publishes FileTheme and UIStyle)
// the theme and the style, ticks the style shown (MarkShownStyle) and repaints the whole window.
void ApplyShowcaseStyle(TShowcaseMainForm* form, TskUIStyle style);

// Ticks the View item of the style the window shows: the theme file's only while the file can
// be used, else the built-in style shown in its place; the theme file's item is enabled only
// with a usable file.
void MarkShownStyle(TShowcaseMainForm* form);

// Shows the View menu open under its title in each built-in style and in the theme file, with
// the style's item highlighted, and calls `save` with a name for each ("menu-graphite", ...,
// "menu-themefile") while it is open; then the File menu ("menu-file"). The window keeps the
// last style.
void ForEachShowcaseMenuLook(TShowcaseMainForm* form, const std::function<void(const String&)>& save);
