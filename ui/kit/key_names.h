#pragma once
#include <QString>

// A key's name as the window shows it: the key table's name passed through the translation
// (context "KeyName"), so that each language can spell its keys out in its own words.
QString shownKeyName(unsigned keyCode);
