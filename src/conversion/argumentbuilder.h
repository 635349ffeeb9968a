#pragma once

#include <QString>

#include <functional>

struct ltvItemData;

// The text a parameter grid shows for a parameter name (case-insensitive look-up, empty when the
// grid has no such row); grid is 1 video, 2 audio, 3 advanced, as ParameterGrid() numbers them.
using GridText = std::function<QString(int grid, const QString &name)>;

// Appends the profile's encoder switches, in the order of the profile's numbered parameters, to
// `arguments`: " <switch> <value>" per parameter with both non-empty, " <switch> " for a value
// of "\". A missing profile file appends nothing. Built once per run.
//
// Each value is read from the grid ParameterGrid() puts the parameter in. A list parameter gives
// the Value item at the position of the first Caption item equal to the grid's text in any
// letter case, or the text itself when no caption is (a custom size); a caption without a Value
// item of its own gives nothing. A read-only plain parameter gives the profile's "Value", any
// other plain parameter the grid's text. The profile is rewritten through the INI store, as
// every reader of it does; EIniFileError from reading it reaches the caller, while a failure to
// write it back is ignored (nothing was changed).
void BuildProfileArguments(const QString &profilePath, const GridText &gridText,
                           QString &arguments);

// " -y -i "<input>"<profile arguments>[ -ss <start>][ -t <seconds>] "<output>"": the clip
// options are the task's own; the paths are quoted so that splitting gives them back exactly.
QString BuildTaskCommandLine(const ltvItemData &task, const QString &profileArguments,
                             const QString &outputPath);
