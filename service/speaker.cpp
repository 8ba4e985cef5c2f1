#include "service/speaker.h"

#include "service/reading_plan.h"
#include "service/rendered_speech.h"

namespace lectavo {
namespace {

// Short enough that a stop is heard at once and the first sound starts quickly.
constexpr std::uint32_t kSliceMilliseconds = 20;

}  // namespace

std::vector<Voiced> Joined(std::vector<Voiced> said) {
  std::vector<Voiced> joined;
  for (Voiced& next : said) {
    if (!joined.empty() && joined.back().voice.engine == next.voice.engine &&
        joined.back().voice.gain == next.voice.gain &&
        joined.back().text.size() + 1 + next.text.size() <= kLongestPiece) {
      joined.back().text += u" " + next.text;
    } else {
      joined.push_back(std::move(next));
    }
  }
  return joined;
}

bool Speaker::Rendered(std::string& wav, const KeepGoing& keepGoing, bool* stopped) {
  const std::uint64_t begun = clock_.Milliseconds();
  for (;;) {
    const RenderState state = speech_.Poll(wav);
    if (state != RenderState::kRendering) return state == RenderState::kDone;
    if (!keepGoing()) {
      *stopped = true;
      return false;
    }
    if (clock_.Milliseconds() - begun > kLongestRenderMilliseconds) return false;
    clock_.Sleep(kSliceMilliseconds);
  }
}

bool Speaker::Played(const KeepGoing& keepGoing) {
  while (audio_.Playing()) {
    if (!keepGoing()) {
      audio_.Stop();
      return false;
    }
    clock_.Sleep(kSliceMilliseconds);
  }
  return true;
}

Said Speaker::Say(const std::vector<Voiced>& said, const KeepGoing& keepGoing) {
  if (said.empty()) return Said::kAll;
  if (!speech_.Available()) return Said::kFailed;
  if (!speech_.Begin(said[0].text, said[0].voice.engine)) return Said::kFailed;
  for (std::size_t piece = 0; piece < said.size(); ++piece) {
    std::string wav;
    bool stopped = false;
    const bool rendered = Rendered(wav, keepGoing, &stopped);
    if (stopped) {
      audio_.Stop();
      return Said::kStopped;
    }
    std::optional<Pcm> pcm = rendered ? ReadWav(wav) : std::nullopt;
    if (!pcm) {
      if (!Played(keepGoing)) return Said::kStopped;
      return Said::kFailed;
    }
    ApplyGain(pcm->samples, said[piece].voice.gain);
    // The piece before ends first; this one was rendered while it played.
    if (!Played(keepGoing)) return Said::kStopped;
    if (!pcm->samples.empty() && !audio_.Play(pcm->samples, pcm->sampleRate)) return Said::kFailed;
    if (piece + 1 < said.size() &&
        !speech_.Begin(said[piece + 1].text, said[piece + 1].voice.engine)) {
      if (!Played(keepGoing)) return Said::kStopped;
      return Said::kFailed;
    }
  }
  return Played(keepGoing) ? Said::kAll : Said::kStopped;
}

}  // namespace lectavo
