#pragma once
#include "app/text.h"

// Creates the folder and every missing parent. The caller's path gets a trailing backslash when it
// lacks one. Returns 1 when the folder exists at the end, 0 when it could not be made (no such
// drive, no right to write, a component that is a file).
//
// Goes through the wide-character API with an explicit code page 936 conversion, so GBK names are
// right on any Windows locale. Runs on the download worker.
int EnsureFolder(Text& path);
