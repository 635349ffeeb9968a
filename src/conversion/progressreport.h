#pragma once

#include <QString>

// Reading the encoder's conversion report: how far the current task has come, and what the two
// progress bars and their labels show.

// The progress time in a piece of the report: after the piece's first "time" and the one
// character following it (the "=" of "time=00:01:23.45 "), the text up to the next blank, read
// as a time code ("00:01:23.45") or as a decimal number of seconds ("83.45"). The encoder writes
// "." whatever the user's locale, so "." always reads; the locale's own separator does too.
// False when the piece has no "time", no blank after it, or no readable or no finite number.
bool ReadProgressTime(const QString &chunk, double &seconds);

// `part` of `whole` in percent, rounded to the nearest whole number with a half going to the
// even neighbour, and held within 0..100 as the progress bars hold it.
int PercentOf(double part, double whole);

// "<percent>%", the text of a bar's label.
QString PercentText(int percent);

// Where the run stands within the current task and on the two bars.
struct TaskProgress
{
    double position = 0; // the highest progress time read for the task, 0 at its start
    int current = 0; // the task's bar
    int total = 0; // the whole run's bar
};

// Takes one piece of the report into `progress`: a readable time larger than the position
// becomes the position (so it never goes back); then the task's bar becomes position of
// `clipLength` unless the clip length is 0, and the total bar (`done` + position) of `total`
// unless the total is 0. A bar that is not set keeps its value.
void EvaluateChunk(const QString &chunk, double clipLength, double done, double total,
                   TaskProgress &progress);

// The last `count` non-empty lines of an encoder's output, joined by line feeds. The encoder
// ends its progress lines with a carriage return alone, so that ends a line too.
QString LastLines(const QString &output, int count);
