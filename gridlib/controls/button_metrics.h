#pragma once

// Sizes of edit buttons shared by edits and grid cells.

// The width of flat edit buttons: two thirds of the screen font's text height, made odd so
// the arrow glyph has a middle column, and never wider than a vertical scroll bar.
int FlatButtonWidth();

// The button width itself without `scale`, else one and a half times it, rounded to even.
int ScaleButtonWidthEx(int width, bool scale);
