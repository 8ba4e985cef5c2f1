#include "tests/support/fake_processes.h"

#include <algorithm>

#include "tests/support/text.h"

namespace lectavo::fake {
namespace {

WString BaseName(WStringView path) {
  const auto slash = path.find_last_of(u"\\/");
  return WString(slash == WStringView::npos ? path : path.substr(slash + 1));
}

}  // namespace

void FakeProcesses::AllowStart(WStringView path) { startable.insert(Folded(path)); }

std::uint32_t FakeProcesses::AddRunning(WStringView path, std::uint32_t id) {
  processes.push_back({id == 0 ? nextId_++ : id, WString(path), BaseName(path)});
  return processes.back().id;
}

void FakeProcesses::End(std::uint32_t processId) {
  if (Process* process = Find(processId)) process->running = false;
}

int FakeProcesses::CountRunning(WStringView exeName) const {
  return static_cast<int>(std::count_if(processes.begin(), processes.end(), [&](const Process& p) {
    return p.running && Folded(p.exeName) == Folded(exeName);
  }));
}

FakeProcesses::Process* FakeProcesses::Find(std::uint32_t processId) {
  Process* latest = nullptr;
  for (Process& process : processes) {
    if (process.id != processId) continue;
    if (process.running) return &process;
    latest = &process;
  }
  return latest;
}

FakeProcesses::Process* FakeProcesses::Named(Handle handle) {
  auto found = handles_.find(handle);
  return found == handles_.end() ? nullptr : &processes[found->second];
}

bool FakeProcesses::Start(WStringView path, ProcessInfo* info) {
  log.push_back("Start " + Narrow(path));
  if (faults.Fails("Start", path) || startable.count(Folded(path)) == 0) return false;
  const std::uint32_t id = AddRunning(path);
  if (info != nullptr) {
    info->process = nextHandle_++;
    info->thread = nextHandle_++;
    handles_[info->process] = processes.size() - 1;
    handles_[info->thread] = processes.size() - 1;
    info->processId = id;
    info->threadId = id + 1;
  }
  return true;
}

Handle FakeProcesses::Open(std::uint32_t access, std::uint32_t processId) {
  log.push_back("Open " + std::to_string(processId) + " " + std::to_string(access));
  const Process* process = Find(processId);
  if (faults.Fails("Open") || process == nullptr) return kNoHandle;
  const auto position = static_cast<std::size_t>(process - processes.data());
  const bool held = std::any_of(handles_.begin(), handles_.end(),
                                [position](const auto& handle) { return handle.second == position; });
  if (!process->running && !held) return kNoHandle;
  handles_[nextHandle_] = position;
  return nextHandle_++;
}

bool FakeProcesses::Terminate(Handle process, std::uint32_t exitCode) {
  log.push_back("Terminate " + std::to_string(exitCode));
  Process* target = Named(process);
  if (faults.Fails("Terminate") || target == nullptr) return false;
  // Ending an ended process succeeds and keeps its first exit code, as on the device.
  if (!target->running) return true;
  target->running = false;
  target->exitCode = exitCode;
  return true;
}

std::uint32_t FakeProcesses::Wait(Handle process, std::uint32_t timeoutMilliseconds) {
  log.push_back("Wait " + std::to_string(timeoutMilliseconds));
  const Process* target = Named(process);
  if (faults.Fails("Wait") || target == nullptr) return kWaitFailed;
  return target->running ? kWaitTimeout : kWaitObject0;
}

bool FakeProcesses::Close(Handle handle) {
  log.push_back("Close");
  if (faults.Fails("Close")) return false;
  return handles_.erase(handle) != 0;
}

Handle FakeProcesses::CreateSnapshot(std::uint32_t flags, std::uint32_t processId) {
  log.push_back("CreateSnapshot " + std::to_string(flags) + " " + std::to_string(processId));
  if (faults.Fails("CreateSnapshot")) return kInvalidHandle;
  Snapshot snapshot;
  std::copy_if(processes.begin(), processes.end(), std::back_inserter(snapshot.entries),
               [](const Process& p) { return p.running; });
  snapshots_[nextHandle_] = std::move(snapshot);
  return nextHandle_++;
}

bool FakeProcesses::NextEntry(Handle snapshot, ProcessEntry* entry) {
  auto found = snapshots_.find(snapshot);
  if (found == snapshots_.end() || found->second.next >= found->second.entries.size()) {
    return false;
  }
  const Process& process = found->second.entries[found->second.next++];
  entry->processId = process.id;
  std::fill(std::begin(entry->exeFile), std::end(entry->exeFile), u'\0');
  std::copy_n(process.exeName.begin(), std::min<std::size_t>(process.exeName.size(), 259),
              entry->exeFile);
  return true;
}

bool FakeProcesses::FirstProcess(Handle snapshot, ProcessEntry* entry) {
  log.push_back("FirstProcess");
  if (faults.Fails("FirstProcess")) return false;
  if (auto found = snapshots_.find(snapshot); found != snapshots_.end()) found->second.next = 0;
  return NextEntry(snapshot, entry);
}

bool FakeProcesses::NextProcess(Handle snapshot, ProcessEntry* entry) {
  log.push_back("NextProcess");
  if (faults.Fails("NextProcess")) return false;
  return NextEntry(snapshot, entry);
}

bool FakeProcesses::CloseSnapshot(Handle snapshot) {
  log.push_back("CloseSnapshot");
  if (faults.Fails("CloseSnapshot")) return false;
  return snapshots_.erase(snapshot) != 0;
}

}  // namespace lectavo::fake
