#pragma once

#include <QString>

// Time codes are "hours:minutes:seconds" with an optional fraction of a second, such as
// "00:01:23.45". Every length, start and end the program shows or passes to the encoder is one.

// The seconds the text stands for, or -1 when it is not a time code (so a code for -1 seconds
// counts as none). Hours and minutes are 32-bit whole numbers; the seconds are read with the
// decimal separator of the default QLocale or with ".". Parts are not range-checked, so "0:75:0"
// is 4500 seconds.
double TimeCodeToSeconds(const QString &text);

// "hh:mm:ss", with "." and one tenths digit when the tenths are not zero, whatever the locale.
// Meant for 0 or more seconds.
QString SecondsToTimeCode(double seconds);
