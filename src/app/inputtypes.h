#pragma once

#include <QString>
#include <QStringList>

// The input file types the program accepts, and the open-file dialog's filter built from them.
QStringList DefaultInputExtensions();
// "*.avi;*.mpg;...;" with the final ";".
QString BuildInputMask(const QStringList &extensions);
// "All Support Files(<mask>)|<mask>|AVI Files (*.avi)|*.avi|...|All Files (*.*)|*.*"
QString BuildOpenFilter(const QStringList &extensions);
