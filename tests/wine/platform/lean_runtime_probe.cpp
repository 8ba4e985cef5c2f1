// A program built lean, asked on its command line for what its runtime cannot give: "string"
// a string longer than a string can be, "memory" more memory than there is, "nothrow" the same
// by the form that answers a null pointer. Without a request it builds and frees a string.
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>

int wmain(int argc, wchar_t** argv) {
  const std::wstring_view request = argc > 1 ? argv[1] : L"";
  // Read through a volatile, so that the compiler cannot see the size coming.
  volatile std::size_t huge = SIZE_MAX / 2;
  if (request == L"string") {
    std::u16string text;
    text.resize(text.max_size() + 1);
  } else if (request == L"memory") {
    auto* memory = static_cast<volatile char*>(::operator new(huge));
    memory[huge - 1] = 1;
  } else if (request == L"nothrow") {
    char* memory = new (std::nothrow) char[huge];
    return memory == nullptr ? 0 : 1;
  } else {
    std::u16string text(1000, u'x');
    text += u"y";
    return text.size() == 1001 ? 0 : 1;
  }
  std::puts("the request was granted");
  return 2;
}
