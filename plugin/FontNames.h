#pragma once
// Font names as the library hands them out: installed family names in UTF-8.
#include <cstdint>
#include <string>

// The desktop's general font as an installed family: the application's own system font when a
// GUI application runs in this process, else fontconfig's best match for "sans-serif". Empty when
// neither gives a name.
std::string SystemFontFamily();

// Fonts have no numbers on this platform; the library keeps the classic numbers of the system
// font (0 and 1) and of the common families (New York 2, Geneva 3, Monaco 4, Times 20,
// Helvetica 21, Courier 22), each standing for the installed family that serves its kind.
std::string FontNameForNumber(int16_t number);
// The lowest classic number whose family is `name` (ignoring letter case), else 0.
int16_t FontNumberForName(const std::string& name);
