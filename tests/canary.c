// Copied to NAME.dll beside an exe, it leaves NAME.dll.ran beside itself once loaded.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  char path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH)
    CloseHandle(CreateFileA(lstrcatA(path, ".ran"), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, 0));
  (void)reserved;
  return TRUE;
}
