// Common include for the framework layer: the Win32 headers and the few
// framework-wide declarations every class needs.
#pragma once

#include <windows.h>

// Base of every framework class with a message table.
class CCmdTarget;
class CWnd;
class CWinApp;

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The module holding a resource of the given type; this program has only one.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
