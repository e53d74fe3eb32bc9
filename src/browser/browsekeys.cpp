#include "browser/browsekeys.h"

#include <Qt>
#include <array>
#include <utility>

namespace browsekeys {

namespace {

using TEntry = std::pair<int, int>;  // key, command

constexpr std::array kPlain{
    TEntry{Qt::Key_Tab, 179},    TEntry{Qt::Key_Return, 3},  TEntry{Qt::Key_Enter, 3},
    TEntry{Qt::Key_Escape, 4},   TEntry{Qt::Key_PageUp, 14}, TEntry{Qt::Key_PageDown, 15},
    TEntry{Qt::Key_Up, 12},      TEntry{Qt::Key_Down, 13},   TEntry{Qt::Key_Insert, 187},
    TEntry{Qt::Key_Delete, 188}, TEntry{Qt::Key_F2, 150},    TEntry{Qt::Key_F3, 151},
    TEntry{Qt::Key_F4, 152},     TEntry{Qt::Key_F5, 153},    TEntry{Qt::Key_F6, 154},
    TEntry{Qt::Key_F7, 155},     TEntry{Qt::Key_F8, 156},    TEntry{Qt::Key_F9, 157},
    TEntry{Qt::Key_F10, 158},    TEntry{Qt::Key_A, 1001},    TEntry{Qt::Key_B, 1002},
    TEntry{Qt::Key_D, 1003},     TEntry{Qt::Key_E, 1004},    TEntry{Qt::Key_F, 1005},
    TEntry{Qt::Key_G, 1006},     TEntry{Qt::Key_H, 1007},    TEntry{Qt::Key_I, 1008},
    TEntry{Qt::Key_K, 1010},     TEntry{Qt::Key_L, 1011},    TEntry{Qt::Key_M, 1012},
    TEntry{Qt::Key_N, 1013},     TEntry{Qt::Key_O, 1014},    TEntry{Qt::Key_P, 1015},
    TEntry{Qt::Key_Q, 1016},     TEntry{Qt::Key_R, 1017},    TEntry{Qt::Key_S, 1018},
    TEntry{Qt::Key_T, 1019},     TEntry{Qt::Key_U, 1020},    TEntry{Qt::Key_V, 1021},
    TEntry{Qt::Key_W, 1022},     TEntry{Qt::Key_Z, 1025},
};

constexpr std::array kCtrlKeys{
    TEntry{Qt::Key_A, 183}, TEntry{Qt::Key_B, 182}, TEntry{Qt::Key_D, 184}, TEntry{Qt::Key_E, 149},
    TEntry{Qt::Key_F, 189}, TEntry{Qt::Key_G, 145}, TEntry{Qt::Key_H, 143}, TEntry{Qt::Key_I, 180},
    TEntry{Qt::Key_K, 193}, TEntry{Qt::Key_L, 181}, TEntry{Qt::Key_M, 191}, TEntry{Qt::Key_N, 146},
    TEntry{Qt::Key_O, 147}, TEntry{Qt::Key_P, 194}, TEntry{Qt::Key_Q, 199}, TEntry{Qt::Key_R, 190},
    TEntry{Qt::Key_S, 195}, TEntry{Qt::Key_T, 148}, TEntry{Qt::Key_U, 196}, TEntry{Qt::Key_V, 142},
    TEntry{Qt::Key_W, 192}, TEntry{Qt::Key_Z, 185},
};

constexpr std::array kShiftKeys{TEntry{Qt::Key_F1, 141}, TEntry{Qt::Key_F4, 140}};

template <size_t N>
int Find(const std::array<TEntry, N>& table, int key) {
  for (const auto& [k, command] : table)
    if (k == key) return command;
  return 0;
}

}  // namespace

int KeyToBrowseCommand(int key, int shift, bool keypad) {
  if (shift & kAlt) return 0;
  if (shift == kCtrl) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F10) return 169 + (key - Qt::Key_F1);
    return Find(kCtrlKeys, key);
  }
  if (shift == kShift) return Find(kShiftKeys, key);
  if (shift != 0) return 0;
  if (keypad && key == Qt::Key_Plus) return 197;
  if (keypad && key == Qt::Key_Minus) return 198;
  return Find(kPlain, key);
}

int ShiftState(int qtModifiers) {
  int shift = 0;
  if (qtModifiers & Qt::ShiftModifier) shift |= kShift;
  if (qtModifiers & Qt::AltModifier) shift |= kAlt;
  if (qtModifiers & Qt::ControlModifier) shift |= kCtrl;
  return shift;
}

}  // namespace browsekeys
