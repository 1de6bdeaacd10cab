#include "framework/SystemDll.h"

#include <string.h>

void AfxRestrictDllSearch() {
  // Looked up, not imported, so that older Windows still starts.
  const auto setDefaultDllDirectories = AfxProcAs<BOOL(WINAPI*)(DWORD)>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"));
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

FARPROC AfxGetSystemProcAddress(LPCSTR lpszDll, LPCSTR lpszProc) {
  char path[MAX_PATH];
  const size_t name = strlen(lpszDll) + 1;  // with the backslash
  if (name >= sizeof path) return nullptr;  // no room even for the name
  const UINT room = static_cast<UINT>(sizeof path - name);
  const UINT length = ::GetSystemDirectoryA(path, room);
  if (length == 0 || length >= room) return nullptr;
  path[length] = '\\';
  strcpy(path + length + 1, lpszDll);
  // The altered search path makes the DLL's own imports come from its folder.
  HMODULE module = ::LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  return module ? ::GetProcAddress(module, lpszProc) : nullptr;
}
