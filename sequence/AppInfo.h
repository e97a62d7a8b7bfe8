#pragma once

// The program's name, which is also the title of every message box that has
// none of its own, and its version as shown to the user.
inline constexpr char16_t ApplicationTitle[] = u"Corvane";
inline constexpr char ApplicationVersion[] = "1.00";
