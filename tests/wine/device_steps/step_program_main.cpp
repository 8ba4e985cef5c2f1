// A program on the device for the steps of make run: it says a line of its own, gets Wine to
// report an error of its own (a class that is not registered) and ends with the exit code
// given as its argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int wmain(int argc, wchar_t** argv) {
  const int code = argc > 1 ? _wtoi(argv[1]) : 0;
  fwprintf(stderr, L"step program: ending with code %d\n", code);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const CLSID unknown{0x1ec7a7f0, 0x25, 0x4c7e, {0x9b, 0x2a, 0x6d, 0x25, 0x00, 0x25, 0x25, 0x25}};
  IUnknown* object = nullptr;
  if (SUCCEEDED(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown,
                                 reinterpret_cast<void**>(&object)))) {
    object->Release();
  }
  CoUninitialize();
  return code;
}
