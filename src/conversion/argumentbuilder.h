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
void BuildProfileArguments(const QString &profilePath, const GridText &gridText,
                           QString &arguments);

// " -y -i "<input>"<profile arguments>[ -ss <start>][ -t <seconds>] "<output>"": the clip
// options are the task's own; the paths are quoted so that splitting gives them back exactly.
QString BuildTaskCommandLine(const ltvItemData &task, const QString &profileArguments,
                             const QString &outputPath);
