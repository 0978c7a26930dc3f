#pragma once
// Typing accented letters with dead keys (a Slovak keyboard types ó, ň, ď, ĺ, ŕ, ä, ô that way).
// The X library's input method reads the locale's whole table of compose sequences (over 5,000
// lines for UTF-8 locales) each time the program starts, before the window can appear; that takes
// a third of the start-up. The program only accepts letters Windows-1250 can store, so a table of
// just those sequences does the same job for it.
#include <string>

namespace platform {

// The compact table: every dead key and letter that gives a letter of Windows-1250, as UTF-8.
std::string composeTable();

// Points the X library at the compact table, written to `directory` (kept there for the next
// start), before the display starts. Does nothing when the user chose a table of their own
// (XCOMPOSEFILE or ~/.XCompose) or when the locale is not UTF-8 (the table is UTF-8 text). Returns
// whether the table is in use; a failure to write it leaves the X library's own table.
bool useCompactComposeTable(const std::string& directory);

} // namespace platform
