// The main window's keys: characters (the key-press table) and the keys that have no character.
#pragma once

namespace vt {

class Program;

enum class Key { Other, Left, Right, Up, Down, PageUp, PageDown, F8, F9, F10, F11, F12 };

// A typed character: Enter is 13, Esc 27.
void Form_KeyPress(Program& p, char32_t ch);
void Form_KeyDown(Program& p, Key key, bool scrollLock);

}  // namespace vt
