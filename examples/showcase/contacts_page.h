#pragma once

class TWinControl;
struct TShowcaseDataFile;

// The address book (通讯录): the contacts of the data file in a data grid with two-level
// titles, the ID column frozen, sort markers on the group and the name (the order the
// contacts are shown in), a check box for blocked contacts and a footer row counting the
// contacts and summing the messages sent to them. Without a usable file, the page says why.
void BuildContactsPage(TWinControl* page, const TShowcaseDataFile& file);
