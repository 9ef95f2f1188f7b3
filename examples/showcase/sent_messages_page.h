#pragma once

class TWinControl;
struct TShowcaseDataFile;

// The history of sent messages (已发短信): every message of the data file, newest first, in a
// read-only data grid with the receiver under a two-level title. Without a usable file, the
// page says why.
void BuildSentMessagesPage(TWinControl* page, const TShowcaseDataFile& file);
