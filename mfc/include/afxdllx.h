// Extension-module entry support; everything lives in afxwin.h.
#pragma once
#include "afxwin.h"
