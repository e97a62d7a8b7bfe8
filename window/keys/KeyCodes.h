#pragma once

#include <optional>

class QKeyEvent;

// The character code that a key press is about to type into a text box, as a
// desktop's classic text boxes see it: Ctrl+letter types the control codes 1
// to 26, Escape 27, Backspace 8, Enter 13. Every other key press that Qt's
// line editor would insert the text of types that text's character, even with
// Ctrl held (Ctrl+Alt, as AltGr is on some keyboards, Ctrl+Meta, Ctrl with a
// keypad key). Empty for keys that type nothing (arrows, Home, End, Delete,
// function keys, Tab, Ctrl+Insert, Shift+Insert, Ctrl+digit), for Alt+key, and
// for key presses whose text is more than one character.
std::optional<int> typedCharacterCode(const QKeyEvent &event);

// Whether Qt's line editor would insert the key press's text.
bool lineEditInsertsText(const QKeyEvent &event);

// Whether the key press types nothing but would still insert its text if the
// box saw it (Alt+letter).
bool typesNothingButHasText(const QKeyEvent &event);
