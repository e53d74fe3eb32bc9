#pragma once
// The browse command of a key press, stored by the record browser for the handlers of
// its post commands. Keys are Qt key codes; the shift state adds 1 Shift, 2 Alt, 4 Ctrl.

namespace browsekeys {

enum : int { kShift = 1, kAlt = 2, kCtrl = 4 };

// 0 when the key has no command in that shift state. keypad: the key came from the
// numeric pad (its plus and minus have commands of their own).
int KeyToBrowseCommand(int key, int shift, bool keypad = false);

// The shift state of Qt keyboard modifiers.
int ShiftState(int qtModifiers);

}  // namespace browsekeys
