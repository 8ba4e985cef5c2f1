// A fake process table: programs start when their path is startable, show in snapshots by
// their executable name, and end when terminated. A handle names one process, even after its
// id has been given to another; while a handle holds an ended process, its id still opens it,
// and ending it again succeeds without changing its exit code.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeProcesses final : public Processes {
 public:
  struct Process {
    std::uint32_t id = 0;
    WString path;
    WString exeName;  // file name without folder, as the snapshot reports it
    bool running = true;
    std::uint32_t exitCode = 0;
  };

  // Operations: Start, Open, Terminate, Wait, Close, CreateSnapshot, FirstProcess, NextProcess,
  // CloseSnapshot (argument: the path for Start).
  Faults faults;
  std::vector<std::string> log;
  // Paths that Start accepts (compared without letter case); others fail as a missing file.
  std::set<WString> startable;
  std::vector<Process> processes;

  void AllowStart(WStringView path);
  // A process already running, as if started by someone else; returns its id. A given id
  // that an ended process had is used again, as the system reuses ids.
  std::uint32_t AddRunning(WStringView path, std::uint32_t id = 0);
  void End(std::uint32_t processId);
  // Running processes whose executable name equals name, ignoring letter case.
  int CountRunning(WStringView exeName) const;
  int OpenHandles() const { return static_cast<int>(handles_.size()); }

  bool Start(WStringView path, ProcessInfo* info) override;
  Handle Open(std::uint32_t access, std::uint32_t processId) override;
  bool Terminate(Handle process, std::uint32_t exitCode) override;
  std::uint32_t Wait(Handle process, std::uint32_t timeoutMilliseconds) override;
  bool Close(Handle handle) override;
  Handle CreateSnapshot(std::uint32_t flags, std::uint32_t processId) override;
  bool FirstProcess(Handle snapshot, ProcessEntry* entry) override;
  bool NextProcess(Handle snapshot, ProcessEntry* entry) override;
  bool CloseSnapshot(Handle snapshot) override;

 private:
  struct Snapshot {
    std::vector<Process> entries;
    std::size_t next = 0;
  };
  // The running process of that id, else the latest that had it.
  Process* Find(std::uint32_t processId);
  Process* Named(Handle handle);
  bool NextEntry(Handle snapshot, ProcessEntry* entry);

  // Process and thread handles -> position in processes.
  std::map<Handle, std::size_t> handles_;
  std::map<Handle, Snapshot> snapshots_;
  Handle nextHandle_ = 0x200;
  std::uint32_t nextId_ = 1000;
};

}  // namespace lectavo::fake
