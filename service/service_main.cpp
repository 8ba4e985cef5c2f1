// Lectavo_Service.exe: the reading service on the device's own roles.
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/win32_speech.h"
#include "service/reading_service.h"
#include "service/store_inboxes.h"
#include "service/store_outbox.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  lectavo::Win32Clock clock;
  lectavo::Win32Speech speech;
  lectavo::Win32Audio audio;
  lectavo::Win32ServiceEvents events;
  lectavo::Win32SingleInstance instance;
  lectavo::Win32Messaging messaging;
  lectavo::StoreInboxes mail(messaging);
  lectavo::Win32AudioInput microphone;
  lectavo::Win32CodePage codePage;
  lectavo::StoreOutbox outbox(messaging);
  lectavo::ReadingService service({lectavo::SystemRegistry(), lectavo::SystemFiles(), clock, speech,
                                   audio, events, instance, mail, microphone, codePage, outbox});
  return service.Run();
}
