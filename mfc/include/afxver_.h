// Build switches of the MFC-compatible layer (ZetoMfc.dll): what it exports, what it imports.
#pragma once

#ifndef UNICODE
#error "The MFC-compatible layer is a Unicode build only."
#endif

#include <windows.h>

#ifdef ZETOMFC_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#define AFXAPI __stdcall
