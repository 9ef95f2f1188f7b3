#pragma once

class TCustomImageList;

// The number of pictures FillSideBarImages draws: one per showcase command, in command order.
constexpr int kSideBarImageCount = 7;

// Draws the side bar's button pictures with our canvas into `list`, at the list's own size
// (32 x 32 for large buttons, 16 x 16 for small ones), replacing what it held. Image i stands
// for command i + 1; magenta corners are see-through.
void FillSideBarImages(TCustomImageList* list);
