#include "launcher/launcher_application.h"

namespace lectavo {
namespace {

// Unchanged polls from which every poll starts the service again, and the one at which a
// failed start ends the launcher.
constexpr std::uint32_t kRestartFromCount = 4;
constexpr std::uint32_t kGiveUpAtCount = 20;

// Sleep takes 32 bits and reads 0xFFFFFFFF as "forever", so a long delay is slept in parts.
constexpr std::uint32_t kLongestSleep = 0x7FFFFFFF;

// The launcher's own language rule: bits 22 to 24 of ValSpeak read as one number, and only
// 1 means German.
constexpr BitField MessageLanguage{22, 3};
constexpr std::uint32_t kGermanMessages = 1;

constexpr WChar kCaption[] = u"Lectavo";

struct FailureText {
  WStringView german;
  WStringView english;
};

constexpr FailureText kStartFailedText{
    u"Programm Lectavo konnte nicht gestartet werden.Wiederholen Sie bitte die Installation, "
    u"um den Fehler zu beheben",
    u"Application Lectavo could not be started.Please, you repeat the installation."};
constexpr FailureText kGivingUpText{u"Lectavo konnte nicht gestartet werden.",
                                    u"Application Lectavo could not be started."};

// A wait typed as negative on the General page arrives as a huge number; it counts as unset.
// 64 bits, so that no wait in seconds overflows.
std::uint64_t StartDelayMilliseconds(std::uint32_t waitStartSeconds) {
  const std::uint32_t seconds =
      static_cast<std::int32_t>(waitStartSeconds) < 0 ? kDefaultWaitStart : waitStartSeconds;
  return std::uint64_t{seconds} * 1000;
}

}  // namespace

LauncherApplication::LauncherApplication(Registry& registry, Processes& processes, Power& power,
                                         UserInterface& userInterface, Clock& clock)
    : processes_(processes),
      power_(power),
      userInterface_(userInterface),
      clock_(clock),
      store_(registry) {}

bool LauncherApplication::InitInstance() {
  record_.ValWaitStart = kDefaultWaitStart;
  // A failed load is not reported: the values read before the failure stay.
  store_.LoadLauncherSettings(record_);
  WaitStartDelay();
  StartService();
  Watch();
  return false;
}

void LauncherApplication::WaitStartDelay() {
  std::uint64_t remaining = StartDelayMilliseconds(record_.ValWaitStart);
  while (remaining > kLongestSleep) {
    clock_.Sleep(kLongestSleep);
    remaining -= kLongestSleep;
  }
  clock_.Sleep(static_cast<std::uint32_t>(remaining));
}

bool LauncherApplication::StartService() {
  power_.RequestPowerState(kPowerStateOn, kPowerForce);
  if (processes_.Start(kServicePath, nullptr)) return true;
  ShowFailure(Failure::kStartFailed);
  return false;
}

void LauncherApplication::Watch() {
  std::uint32_t lastSeen = 0;
  std::uint32_t unchangedCount = 0;
  for (;;) {
    // A heartbeat that cannot be read keeps its last value and so counts as unchanged.
    store_.LoadAlive(record_);
    if (record_.ValAlive == kAliveEndOfWatching) return;
    if (record_.ValAlive != lastSeen) {
      lastSeen = record_.ValAlive;
      unchangedCount = 0;
    } else if (++unchangedCount >= kRestartFromCount) {
      // Only the attempt at exactly this count may give up; after a success there the
      // launcher keeps trying for as long as the heartbeat stands still.
      if (!StartService() && unchangedCount == kGiveUpAtCount) {
        ShowFailure(Failure::kGivingUp);
        return;
      }
    }
    clock_.Sleep(kPollIntervalMilliseconds);
  }
}

void LauncherApplication::ShowFailure(Failure failure) {
  // The language follows the setting at the moment of the message.
  store_.LoadLauncherSettings(record_);
  const FailureText& text = failure == Failure::kStartFailed ? kStartFailedText : kGivingUpText;
  const bool german = MessageLanguage.Get(record_.ValSpeak) == kGermanMessages;
  userInterface_.ShowMessageBox(kNoHandle, german ? text.german : text.english, kCaption,
                                kMbIconHand);
}

}  // namespace lectavo
