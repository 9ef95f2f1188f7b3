#pragma once

class TWinControl;

// Posts what the data grids on `window` still hold unposted: a cell typed into, a record
// still being edited. A post that fails is shown in a message box and its grid takes the focus
// back, so the user can mend or undo it (Esc); the answer is whether nothing is left pending.
bool PostPendingEdits(TWinControl* window);
