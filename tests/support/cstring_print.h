// Lets GoogleTest show CString values (as UTF-8) in failure messages.
#pragma once

#include <afx.h>

#include <ostream>

void PrintTo(const CString& text, std::ostream* os);
