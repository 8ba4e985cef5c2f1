// What the reading service relies on of its speech engine, wave-out and wave-in devices and
// events, as one typed test: it runs natively on the fakes and under Wine on the Win32
// adapters, so the fakes are trusted where they act as the real calls do. A backend gives
// SpeechRole(), AudioRole(), MicrophoneRole(), EventsRole(), SetFromOutside(name),
// PlayIntoMicrophone(seconds), which returns once it was played, and Wait(milliseconds).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_input.h"
#include "platform/service_events.h"
#include "platform/speech.h"
#include "service/rendered_speech.h"
#include "service/sound_level.h"

namespace lectavo::conformance {

template <class Backend>
class SpeechBehaviourTest : public ::testing::Test {
 protected:
  // The state once the rendering has ended, or kRendering after 30 s.
  RenderState Rendered(std::string& wav) {
    RenderState state = RenderState::kRendering;
    for (int waited = 0; waited < 30000 && state == RenderState::kRendering; waited += 20) {
      state = backend.SpeechRole().Poll(wav);
      if (state == RenderState::kRendering) backend.Wait(20);
    }
    return state;
  }
  static std::vector<std::int16_t> Tone(double seconds) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * 22050));
    for (std::size_t i = 0; i < samples.size(); ++i) {
      samples[i] = static_cast<std::int16_t>(8000 * std::sin(i * 0.1));
    }
    return samples;
  }

  Backend backend;
};

TYPED_TEST_SUITE_P(SpeechBehaviourTest);

TYPED_TEST_P(SpeechBehaviourTest, RendersTextIntoASixteenBitMonoWav) {
  ASSERT_TRUE(this->backend.SpeechRole().Available());
  ASSERT_TRUE(
      this->backend.SpeechRole().Begin(u"Guten Tag, \"$(Anna)\" `x`.", {"de+f3", 175, 0, 50}));
  std::string wav;
  ASSERT_EQ(this->Rendered(wav), RenderState::kDone);
  const std::optional<Pcm> pcm = ReadWav(wav);
  ASSERT_TRUE(pcm);
  EXPECT_GT(pcm->sampleRate, 0);
  EXPECT_FALSE(pcm->samples.empty());
}

TYPED_TEST_P(SpeechBehaviourTest, AVoiceNameThatIsNoPlainNameIsRefused) {
  for (const char* voice : {"de;touch x", "de\" -w \"x", ""}) {
    std::string wav;
    const bool begun = this->backend.SpeechRole().Begin(u"Hallo", {voice, 175, 0, 50});
    EXPECT_TRUE(!begun || this->Rendered(wav) == RenderState::kFailed) << voice;
  }
}

TYPED_TEST_P(SpeechBehaviourTest, PlaysWhileTheCallerGoesOnAndStopsAtOnce) {
  AudioOutput& audio = this->backend.AudioRole();
  ASSERT_TRUE(audio.Open(22050));
  ASSERT_TRUE(audio.Play(this->Tone(2.0), 22050));
  EXPECT_TRUE(audio.Playing());
  this->backend.Wait(200);
  EXPECT_TRUE(audio.Playing()) << "two seconds of sound still play";
  audio.Stop();
  EXPECT_FALSE(audio.Playing()) << "silent at once";

  ASSERT_TRUE(audio.Play(this->Tone(0.2), 22050));
  int waited = 0;
  for (; waited < 3000 && audio.Playing(); waited += 20) this->backend.Wait(20);
  EXPECT_GE(waited, 100) << "it plays for about its length";
  EXPECT_LT(waited, 3000) << "and then ends";
}

TYPED_TEST_P(SpeechBehaviourTest, AnEventIsSetFromOutsideUntilItsOwnerResetsIt) {
  ServiceEvents& events = this->backend.EventsRole();
  const Handle event = events.Create(u"Lectavo_Behaviour.Event");
  ASSERT_NE(event, kNoHandle);
  EXPECT_FALSE(events.IsSet(event));
  ASSERT_TRUE(this->backend.SetFromOutside(u"Lectavo_Behaviour.Event"));
  EXPECT_TRUE(events.IsSet(event));
  EXPECT_TRUE(events.IsSet(event)) << "looking does not reset it";
  events.Reset(event);
  EXPECT_FALSE(events.IsSet(event));
}

TYPED_TEST_P(SpeechBehaviourTest, RecordsWhatIsPlayedIntoTheMicrophoneWhileTheCallerGoesOn) {
  AudioInput& microphone = this->backend.MicrophoneRole();
  ASSERT_TRUE(microphone.Start(22050));
  std::vector<std::int16_t> samples;
  // Wine's wave-in begins to record 0.3 to 1 s after it started; then it delivers in tenths.
  for (int waited = 0; waited < 3000 && samples.empty(); waited += 100) {
    this->backend.Wait(100);
    ASSERT_TRUE(microphone.Take(samples));
  }
  this->backend.Wait(200);
  ASSERT_TRUE(microphone.Take(samples));
  const std::size_t before = samples.size();
  this->backend.PlayIntoMicrophone(1.0);
  this->backend.Wait(1000);
  ASSERT_TRUE(microphone.Take(samples));
  microphone.Stop();
  EXPECT_FALSE(microphone.Take(samples)) << "closed";
  ASSERT_GT(before, 0u) << "samples come while the caller goes on";
  EXPECT_LT(LevelDb(samples.data(), before), kSoundingDb) << "silence before the sound";
  std::size_t sounding = 0;
  for (std::size_t at = 0; at + 220 <= samples.size(); at += 220) {
    if (LevelDb(&samples[at], 220) > kSoundingDb) ++sounding;
  }
  EXPECT_NEAR(sounding * 0.01, 1.0, 0.05) << "what was played is heard, all of it";
  ASSERT_TRUE(microphone.Start(22050)) << "and it opens again";
  microphone.Stop();
}

REGISTER_TYPED_TEST_SUITE_P(SpeechBehaviourTest, RendersTextIntoASixteenBitMonoWav,
                            AVoiceNameThatIsNoPlainNameIsRefused,
                            PlaysWhileTheCallerGoesOnAndStopsAtOnce,
                            AnEventIsSetFromOutsideUntilItsOwnerResetsIt,
                            RecordsWhatIsPlayedIntoTheMicrophoneWhileTheCallerGoesOn);

}  // namespace lectavo::conformance
