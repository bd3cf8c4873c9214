#pragma once
// The up-down spinner as a screen reader meets it: a spin box with a
// position, an increase and a decrease, each clicking an arrow as the learner
// would. A position set from outside is brought into the spinner's range and
// reached click by click (AccessibleValue.h, UpDownWidget::AskFor). Each
// control's German name, description and label come from its row of the
// window's control table (ControlTable.h).

// Registers the accessible interface of UpDownWidget. Its constructor calls
// it; the second and later calls do nothing.
void InstallUpDownAccessibility();
