// The setup keeps exceptions but not the runtime's verbose terminate handler, whose name
// demangler alone weighs tens of kilobytes: an exception nobody catches ends the installer
// plainly, as it would with the handler's message unseen on the device.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
