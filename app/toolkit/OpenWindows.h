#pragma once

// Closes every dialog and menu the program has open, as Escape would: a
// confirmation closed this way answers no. Used when the session ends
// underneath them, so that nothing modal outlives it.
void closeDialogsAndMenus();
