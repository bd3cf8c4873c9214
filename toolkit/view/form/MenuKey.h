#pragma once
// Shift+F10 opens the context menu of the focused control, as the menu key
// does, in every window of the program: the tables, the chart, the fields and
// the text boxes alike. Qt turns only the menu key into a context-menu request
// by itself.

// Installs the key once for the whole application; later calls do nothing.
// Every window's binder calls it.
void InstallShiftF10AsMenuKey();
