// The C++ runtime's failure paths for a program built without exceptions: running out of
// memory, or a container asked for more than it can hold, ends the program at once, as an
// uncaught exception did. Defined here, the runtime's own versions, which throw and so bring
// the whole exception machinery into the program, are not linked.
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {

[[noreturn]] void End() { std::abort(); }

}  // namespace

// Allocation: the runtime's version throws std::bad_alloc when memory runs out.
void* operator new(std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) End();
  return memory;
}
void* operator new[](std::size_t size) { return ::operator new(size); }
// The forms that answer a null pointer instead.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
  return ::operator new(size, nothrow);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

// The containers' and strings' reports, all of them, so that none of the runtime's is needed.
namespace std {
void __throw_bad_exception() { End(); }
void __throw_bad_alloc() { End(); }
void __throw_bad_array_new_length() { End(); }
void __throw_bad_cast() { End(); }
void __throw_bad_typeid() { End(); }
void __throw_logic_error(const char*) { End(); }
void __throw_domain_error(const char*) { End(); }
void __throw_invalid_argument(const char*) { End(); }
void __throw_length_error(const char*) { End(); }
void __throw_out_of_range(const char*) { End(); }
void __throw_out_of_range_fmt(const char*, ...) { End(); }
void __throw_runtime_error(const char*) { End(); }
void __throw_range_error(const char*) { End(); }
void __throw_overflow_error(const char*) { End(); }
void __throw_underflow_error(const char*) { End(); }
// An empty std::function called.
void __throw_bad_function_call() { End(); }
}  // namespace std

// A call of a pure or deleted virtual function, a fault of the program.
extern "C" void __cxa_pure_virtual() { End(); }
extern "C" void __cxa_deleted_virtual() { End(); }
