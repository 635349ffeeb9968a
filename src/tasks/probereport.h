#pragma once

#include <QString>

// What the probe takes from the encoder's report about a file.
struct ProbeValues
{
    QString length; // such as "00:01:23.45"; empty when the report has none
    QString frameSize; // such as " 640x480", with the blank and any bracketed addition
};

// Cuts the length and the frame size out of one piece of the encoder's report on `path`: the
// length follows "Duration: " up to the next comma, the frame size stands between the second
// and third comma after "Video". Commas inside parentheses do not count in the part after
// "Video", because pixel formats such as "yuv420p(tv, bt709, progressive)" hold some.
// Unexpected reports give whatever the cut finds, often empty texts; it never fails.
ProbeValues CutProbeReport(const QString &report, const QString &path);
