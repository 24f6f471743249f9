// Console output of the demo host: wide text to a console, UTF-8 to a pipe or file.
#pragma once

#include <afx.h>

void Print(LPCWSTR text);
void PrintLine(LPCWSTR format, ...);
