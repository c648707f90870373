#pragma once
// The regional settings the program reads: the thousands separator of numbers.

#include <string>

namespace platform {

// The separator between groups of three digits, as Windows-1250 text.
const std::string& thousandsSeparator();

// Takes the separator from the C library's current locale (LC_NUMERIC); "." when the
// locale defines none or one the program's code page cannot write. Call after
// setlocale(LC_ALL, "").
void loadRegionalSettingsFromLocale();

// Sets the separator directly (tests, or a host with its own settings).
void setThousandsSeparator(std::string separator);

}  // namespace platform
