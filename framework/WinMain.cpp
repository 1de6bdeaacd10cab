// Process entry. It stands in for the C runtime's start-up code, which would
// bring command-line parsing, TLS and error reporting that the program never
// uses: it restricts where DLLs come from, runs the global constructors (the
// application object among them), runs the application and leaves through
// exit(), which runs the global destructors.
#include <stdlib.h>

#include "framework/CWinApp.h"
#include "framework/SystemDll.h"

// Laid out by the linker: -1, the constructors, a null.
extern "C" void (*__CTOR_LIST__[])();

// The compiler hands each global destructor to atexit, which the start-up code
// would define; msvcrt's exit() runs what its _onexit collects.
extern "C" int __cdecl atexit(void(__cdecl* func)()) {
  return _onexit(reinterpret_cast<_onexit_t>(func)) ? 0 : -1;
}

// The deleting destructors of polymorphic classes name these, although
// nothing here is made with new; libstdc++'s copies bring unwind tables.
void operator delete(void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }

// Windows may enter with the stack aligned to 4 bytes only.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
  AfxRestrictDllSearch();  // before anything else can load a DLL
  size_t count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  for (; count > 0; --count) __CTOR_LIST__[count]();  // last to first, as GCC expects
  exit(AfxWinMain(::GetModuleHandleA(nullptr)));
}
