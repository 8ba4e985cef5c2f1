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

std::uint32_t FakeProcesses::AddRunning(WStringView path) {
  processes.push_back({nextId_++, WString(path), BaseName(path)});
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
  auto found = std::find_if(processes.begin(), processes.end(),
                            [&](const Process& p) { return p.id == processId; });
  return found == processes.end() ? nullptr : &*found;
}

bool FakeProcesses::Start(WStringView path, ProcessInfo* info) {
  log.push_back("Start " + Narrow(path));
  if (faults.Fails("Start", path) || startable.count(Folded(path)) == 0) return false;
  const std::uint32_t id = AddRunning(path);
  if (info != nullptr) {
    info->process = nextHandle_++;
    info->thread = nextHandle_++;
    handles_[info->process] = id;
    handles_[info->thread] = id;
    info->processId = id;
    info->threadId = id + 1;
  }
  return true;
}

Handle FakeProcesses::Open(std::uint32_t access, std::uint32_t processId) {
  log.push_back("Open " + std::to_string(processId) + " " + std::to_string(access));
  const Process* process = Find(processId);
  if (faults.Fails("Open") || process == nullptr || !process->running) return kNoHandle;
  handles_[nextHandle_] = processId;
  return nextHandle_++;
}

bool FakeProcesses::Terminate(Handle process, std::uint32_t exitCode) {
  log.push_back("Terminate " + std::to_string(exitCode));
  auto handle = handles_.find(process);
  if (faults.Fails("Terminate") || handle == handles_.end()) return false;
  Process* target = Find(handle->second);
  if (target == nullptr || !target->running) return false;
  target->running = false;
  target->exitCode = exitCode;
  return true;
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
