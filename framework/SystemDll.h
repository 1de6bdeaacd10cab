// System DLLs that are not among Windows' KnownDLLs, such as WINMM. Windows
// looks for those in the exe's own folder first, and a downloaded exe sits
// beside whatever else was downloaded, so they are loaded by full path.
#pragma once

#include "framework/Afx.h"

// Where Windows can (8, or 7 with its update), makes every later load by bare
// name, the platform's own included, search the system directory only.
void AfxRestrictDllSearch();

// The export of a DLL in the system directory, or null. The DLL stays loaded
// to the end of the process: threads it starts may outlive any owner.
FARPROC AfxGetSystemProcAddress(LPCSTR lpszDll, LPCSTR lpszProc);

// An export as the function type it has, through the one type that may stand
// for any other.
template <typename Proc>
Proc AfxProcAs(FARPROC proc) {
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(proc));
}
