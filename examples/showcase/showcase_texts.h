#pragma once

// The showcase speaks Chinese throughout: it gives every library's table of texts (messages,
// list commands, box titles and buttons) Chinese words before it shows a window.
void UseShowcaseTexts();
