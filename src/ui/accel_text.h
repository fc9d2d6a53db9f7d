#pragma once
// Accelerator marks in captions: "&" underlines the next letter and makes it the accelerator,
// "&&" stands for one ampersand. Text is Windows-1251.
#include <string>
#include <string_view>

namespace ui {

// The caption as shown: "&&" becomes "&", a single "&" is dropped.
std::string StripAccelerators(std::string_view text);

// The letter after the first single "&", or '\0' when the caption has none.
char AcceleratorOf(std::string_view text);

// Whether `key` (a Windows-1251 character) is the caption's accelerator, ignoring letter case
// in both Latin and Cyrillic.
bool IsAccelerator(char key, std::string_view text);

// Windows-1251 upper case of one character; other characters are returned unchanged.
char UpperCp1251(char c);

} // namespace ui
