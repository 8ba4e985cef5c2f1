// The reading service's named manual-reset events. The running copy creates them; whoever
// wants to tell it something opens one with OpenEvent and sets it.
#pragma once

// The service ends; the heartbeat simply stops, so the launcher will start it again.
inline constexpr char16_t kServiceQuitEvent[] = u"Lectavo_Service.Quit";
// The service stores 0x7FFFFFFF in ValAlive, so that the launcher stops watching for good,
// and ends.
inline constexpr char16_t kServiceQuitForGoodEvent[] = u"Lectavo_Service.QuitForGood";
// The user's spoken answer to "Vorlesen?": yes or no. Only an answer set after the question
// began counts.
inline constexpr char16_t kServiceAnswerYesEvent[] = u"Lectavo_Service.AnswerYes";
inline constexpr char16_t kServiceAnswerNoEvent[] = u"Lectavo_Service.AnswerNo";
