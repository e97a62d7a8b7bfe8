#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as a desktop's classic text boxes see
// it: Ctrl+letter the control codes 1 to 26, Escape 27, Backspace 8, Enter 13,
// any other key press whose text Qt's line editor inserts (AltGr as Ctrl+Alt
// too) that text's one character. Empty for keys that type nothing, Alt+key.
std::optional<int> typedCharacterCode(const QKeyEvent &event);

// Whether Qt's line editor would insert the key press's text.
bool lineEditInsertsText(const QKeyEvent &event);

// Alt+letter: types nothing, though the line editor would insert its text.
bool typesNothingButHasText(const QKeyEvent &event);
