// Conversion between the program's UTF-8 and the Windows-1252 bytes the databases hold.
#pragma once

#include <string>
#include <string_view>

// Characters outside Windows-1252 become '?'.
std::string versWindows1252(std::string_view utf8);
std::string depuisWindows1252(std::string_view octets);
