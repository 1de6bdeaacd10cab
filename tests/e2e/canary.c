// Stands in for NAME.dll beside the exe and leaves NAME.dll.ran there; run.sh adds the exports
// (and WIN32_LEAN_AND_MEAN, so that no declaration clashes with them).
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID unused) {
  char path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH)
    CloseHandle(CreateFileA(lstrcatA(path, ".ran"), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, 0));
  return TRUE;
}
