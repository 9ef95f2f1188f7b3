#pragma once

#include "platform/core/events.h"

class TImageList;
class TnbButton;
class TnbSideBar;
class TWinControl;

// Fills `bar` with the client's navigation: Chinese headers whose buttons carry a command
// number in their Tag and a picture from `buttonImages` (image i for command i + 1), each
// header's caption showing the small picture of its first command from `captionImages`;
// every button's OnClick is `click`. Headers allow one selected button, which marks the page
// shown.
void BuildShowcaseSideBar(TnbSideBar* bar, TImageList* buttonImages, TImageList* captionImages,
                          const TNotifyEvent& click);

// Gives every header and button of `bar` the pictures and the click handler that
// BuildShowcaseSideBar gives them; a layout read from a file brings neither.
void ConnectShowcaseSideBar(TnbSideBar* bar, TImageList* buttonImages, TImageList* captionImages,
                            const TNotifyEvent& click);

// The bar's button for `command`, nil when no button carries it.
TnbButton* SideBarButtonFor(const TnbSideBar* bar, int command);

// Gives `button` the caption, command and picture of `command` and `click` as its handler;
// false for a command the showcase does not have.
bool FillSideBarButton(TnbButton* button, int command, const TNotifyEvent& click);
