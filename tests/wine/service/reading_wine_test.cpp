// The reading service heard: it runs on the device with the speech engine and the messaging
// library, mail is delivered into a store's inbox, and the device's sound server is recorded.
// Each case is judged by the recording, against espeak-ng run natively with the engine's
// arguments for the same text.
#include <gtest/gtest.h>

#include <cmath>

#include "device_control/speech_measures.h"
#include "service/service_control.h"
#include "tests/wine/service/reading_device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

const std::string kBody =
    "Guten Tag Anna. Das Treffen am Montag beginnt um zehn Uhr im kleinen Saal.";
// What is said for it without asking: the announcement and the body, in one voice.
const std::string kSaid = "Neue Nachricht. " + kBody;

double Seconds(const Samples& samples) { return double(samples.values.size()) / samples.rate; }

// The text as the engine hears it at speed, pitch and volume 100.
Samples Reference(const std::string& text, const std::string& voice, int pitch = 50,
                  int wordsPerMinute = 175, int wordGap = 0) {
  return RenderNatively(text, voice, wordsPerMinute, wordGap, pitch);
}

TEST(ReadingWineTest, SpeedChangesTheDurationInProportion) {
  ReadingDevice device(kBodyOnly);
  ASSERT_TRUE(device.Start());
  const Samples normal = Sounding(device.Heard(kBody));
  device.SetSpeak(WithVoice(kBodyOnly, 200, 100, 100));
  const Samples fast = Sounding(device.Heard(kBody));
  ASSERT_GT(Seconds(normal), 2.0) << "the body was heard";
  const double ratio = Seconds(fast) / Seconds(normal);
  EXPECT_GT(ratio, 0.40);
  EXPECT_LT(ratio, 0.55);
  const Samples rendered = Sounding(Reference(kSaid, "de+f3"));
  EXPECT_NEAR(Seconds(normal), Seconds(rendered), 0.05 * Seconds(rendered))
      << "all of the rendering is heard";
}

TEST(ReadingWineTest, PitchAndTheMasculineVoiceChangeTheFundamental) {
  struct Case {
    DWORD speak;
    const char* voice;
    int enginePitch;
  };
  const Case cases[] = {{kBodyOnly, "de+f3", 50},
                        {kBodyOnly | kMale, "de+m3", 50},
                        {WithVoice(kBodyOnly, 100, 200, 100), "de+f3", 99}};
  ReadingDevice device(kBodyOnly);
  ASSERT_TRUE(device.Start());
  std::vector<double> heard;
  for (const Case& c : cases) {
    device.SetSpeak(c.speak);
    const double fundamental = MedianFundamental(device.Heard(kBody));
    const double reference = MedianFundamental(Reference(kSaid, c.voice, c.enginePitch));
    EXPECT_NEAR(fundamental, reference, 0.05 * reference) << c.voice << " pitch " << c.enginePitch;
    heard.push_back(fundamental);
  }
  EXPECT_GT(heard[0], 160) << "the female voice at pitch 100";
  EXPECT_LT(heard[1], 130) << "the masculine voice at pitch 100";
  EXPECT_GT(heard[2], heard[0] * 1.4) << "pitch 200";
}

// All the energy of a recording, in dB: silence adds nothing, so recordings of different
// lengths compare.
double EnergyDb(const Samples& samples) {
  return RmsDb(samples) + 10 * std::log10(double(samples.values.size()));
}

TEST(ReadingWineTest, VolumeChangesTheLevelAndZeroIsSilence) {
  ReadingDevice device(kBodyOnly);
  ASSERT_TRUE(device.Start());
  const Samples full = device.Heard(kBody);
  ASSERT_GT(Seconds(Sounding(full)), 2.0) << "the body was heard";
  // Energy, not sounding time: volume 2 lies below the sounding threshold. Each recording
  // lasts a second longer than the one at full volume.
  for (int volume : {50, 10, 2, 0}) {
    device.SetSpeak(WithVoice(kBodyOnly, 100, 100, volume));
    HostRecording& recording = device.Record();
    ASSERT_TRUE(device.Deliver(L"Büro", "Anna <anna@example.org>", "", kBody));
    device::WaitUntil([&] { return Seconds(recording.SoFar()) > Seconds(full) + 1; }, 20000);
    const Samples heard = recording.Stop();
    if (volume == 0) {
      EXPECT_LT(RmsDb(heard), -90) << "volume 0 is silence";
    } else {
      EXPECT_NEAR(EnergyDb(heard) - EnergyDb(full), 20 * std::log10(volume / 100.0), 0.5)
          << "volume " << volume;
    }
  }
}

TEST(ReadingWineTest, TheReadingLanguagesVoiceSpeaksTheBody) {
  // English dialogs too, so that all of it is said in one voice.
  const std::string english = "Good morning Anna. The meeting on Monday starts at ten.";
  const std::string said = "New message. " + english;
  ReadingDevice device(kBodyOnly | kEnglishDialogs, 2);
  ASSERT_TRUE(device.Start());
  const Samples heard = device.Heard(english);
  const double own = EnvelopeMatch(heard, Reference(said, "en+f3"));
  EXPECT_GE(own, 0.9);
  for (const char* other : {"de+f3", "fr+f3", "es+f3"}) {
    EXPECT_LT(EnvelopeMatch(heard, Reference(said, other)), own) << other;
  }
}

TEST(ReadingWineTest, ASubjectThatLooksLikeACommandIsSpokenNotRun) {
  const std::string marker = std::string(LECTAVO_SERVICE_SCRATCH) + "/subject-ran";
  DeleteFileW(HostPath(marker).c_str());
  const std::string subject = "$(touch " + marker + ") `touch " + marker + "`";
  const DWORD subjectOnly = 0x58323232;  // reading on, unasked, the subject alone
  ReadingDevice device(subjectOnly);
  ASSERT_TRUE(device.Start());
  HostRecording& recording = device.Record();
  ASSERT_TRUE(device.Deliver(L"Büro", "Anna <anna@example.org>", subject, "Text"));
  const Samples heard = RecordUntilQuiet(recording, 1500, 20000);
  EXPECT_GT(Seconds(Sounding(heard)), 2.0) << "the subject was spoken";
  EXPECT_FALSE(device::Exists(HostPath(marker))) << "and nothing of it ran";
}

TEST(ReadingWineTest, NothingIsHeardWhenTheStoreIsNotChosenOrReadingIsOff) {
  ReadingDevice device(kBodyOnly);
  device.SetAccounts(L"Privat\t");
  ASSERT_TRUE(device.Start());
  // Mail is heard within 1.5 s of its delivery; 4 s of silence is none.
  EXPECT_EQ(SoundBeginsSeconds(device.HeardWithin(kBody, 4)), -1) << "store not chosen";
  device.SetAccounts(L"Büro\t");
  device.SetSpeak(kBodyOnly & ~kReadOn);
  EXPECT_EQ(SoundBeginsSeconds(device.HeardWithin(kBody, 4)), -1) << "reading off";
  device.SetSpeak(kBodyOnly);
  EXPECT_GT(SoundBeginsSeconds(device.HeardWithin(kBody, 4)), 0) << "the next one is heard";
  EXPECT_TRUE(device.ServiceRunning());
}

TEST(ReadingWineTest, WithoutASpeechEngineNothingIsReadAndTheServiceKeepsBeating) {
  ReadingDevice device(kBodyOnly);
  device.RemoveSpeechEngine();
  ASSERT_TRUE(device.Start());
  EXPECT_EQ(SoundBeginsSeconds(device.HeardWithin(kBody, 3)), -1);
  EXPECT_TRUE(device.Beating());
  EXPECT_TRUE(device.ServiceRunning());
}

TEST(ReadingWineTest, AskingReadsOnlyAfterAYesAndANoIsSilence) {
  const DWORD asking = 0xE8323232;  // the install default
  ReadingDevice device(asking);
  ASSERT_TRUE(device.Start());
  const std::string question = "Neue Nachricht von Anna Beispiel. Vorlesen?";
  const Samples declined = [&] {
    HostRecording& recording = device.Record();
    device.Deliver(L"Büro", "Anna Beispiel <anna@example.org>", "Treffen", kBody);
    device::WaitUntil([&] { return SoundEndsSeconds(recording.SoFar()) > 0; }, 10000);
    const HANDLE no = OpenEventW(EVENT_MODIFY_STATE, FALSE,
                                 reinterpret_cast<const wchar_t*>(kServiceAnswerNoEvent));
    ::SetEvent(no);
    CloseHandle(no);
    return RecordUntilQuiet(recording, 3000, 15000);
  }();
  EXPECT_GE(EnvelopeMatch(declined, Reference(question, "de+f3")), 0.9) << "only the question";
  EXPECT_NEAR(Seconds(Sounding(declined)), Seconds(Sounding(Reference(question, "de+f3"))), 0.3);

  HostRecording& recording = device.Record();
  device.Deliver(L"Büro", "Anna Beispiel <anna@example.org>", "Treffen", kBody);
  device::WaitUntil([&] { return SoundEndsSeconds(recording.SoFar()) > 0; }, 10000);
  const HANDLE yes = OpenEventW(EVENT_MODIFY_STATE, FALSE,
                                reinterpret_cast<const wchar_t*>(kServiceAnswerYesEvent));
  ::SetEvent(yes);
  CloseHandle(yes);
  const Samples read = RecordUntilQuiet(recording, 3000, 20000);
  const std::string reading = question + " Von Anna Beispiel. Betreff: Treffen " + kBody;
  EXPECT_NEAR(Seconds(Sounding(read)), Seconds(Sounding(Reference(reading, "de+f3"))), 1.0)
      << "the question, then the message";
}

TEST(ReadingWineTest, ReadingSwitchedOffMidMessageStopsTheSoundWithinHalfASecond) {
  std::string longBody;
  for (int i = 0; i < 6; ++i) longBody += kBody + " ";
  ReadingDevice device(kBodyOnly);
  ASSERT_TRUE(device.Start());
  HostRecording& recording = device.Record();
  ASSERT_TRUE(device.Deliver(L"Büro", "Anna <anna@example.org>", "", longBody));
  // Well into the message: a second of it heard.
  ASSERT_TRUE(device::WaitUntil(
      [&] {
        const Samples sofar = recording.SoFar();
        const double began = SoundBeginsSeconds(sofar);
        return began >= 0 && Seconds(sofar) > began + 1;
      },
      10000));
  const double offAt = Seconds(recording.SoFar());
  device.SetSpeak(kBodyOnly & ~kReadOn);
  const Samples heard = RecordUntilQuiet(recording, 1500, 10000);
  EXPECT_LT(SoundEndsSeconds(heard) - offAt, 0.5);
  EXPECT_TRUE(device.ServiceRunning());
}

}  // namespace
}  // namespace lectavo::wine
