#pragma once
// What a screen reader learns about the toolkit's own widgets beyond what Qt
// tells it. (Each control's German name, description and label come from its
// row of the window's control table: ControlTable.h.) The up-down spinner is a
// spin box with a position, an increase and a decrease. The string grid brings
// its own table (GridAccessible.cpp).

// Registers the accessible interface of UpDownWidget. Its constructor calls
// it; the second and later calls do nothing.
void InstallToolkitAccessibility();
