#include "setup/process_shutdown.h"

#include "setup/device_paths.h"

namespace lectavo {
namespace {

// sizeof(PROCESSENTRY32) on the device.
constexpr std::uint32_t kProcessEntrySize = 564;

void Terminate(Processes& processes, std::uint32_t processId) {
  const Handle process = processes.Open(kProcessTerminate | kSynchronize, processId);
  if (process == kNoHandle) return;  // left running
  // A program ends some time after it is told to, and holds its files until then.
  if (processes.Terminate(process, 0)) processes.Wait(process, kEndWaitMilliseconds);
  processes.Close(process);
}

}  // namespace

int KillProcessByName(Processes& processes, WStringView exeName) {
  const Handle snapshot = processes.CreateSnapshot(kSnapProcess, 0);
  if (snapshot == kInvalidHandle) return 0;
  ProcessEntry entry;
  entry.size = kProcessEntrySize;
  for (bool more = processes.FirstProcess(snapshot, &entry); more;
       more = processes.NextProcess(snapshot, &entry)) {
    if (EqualIgnoringCase(FieldText(entry.exeFile), exeName)) {
      Terminate(processes, entry.processId);
    }
  }
  processes.CloseSnapshot(snapshot);
  return 1;
}

void StopProductPrograms(Processes& processes) {
  for (WStringView program : kProductPrograms) KillProcessByName(processes, program);
}

}  // namespace lectavo
