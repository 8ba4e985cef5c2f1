// The program's one application object: all work happens in InitInstance. A program whose
// InitInstance returns false ends without a main window or a message loop, which is how every
// Lectavo program ends.
#pragma once

namespace lectavo {

class Application {
 public:
  virtual ~Application() = default;
  virtual bool InitInstance() = 0;
};

// What the entry point does with the application object: run its start-up hook; the process
// then ends with exit code 0.
inline int RunApplication(Application& application) {
  application.InitInstance();
  return 0;
}

}  // namespace lectavo
