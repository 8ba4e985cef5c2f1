// The voices of the speech engine at install: each delivered "<voice>.pil" at the top of the
// installation folder becomes "<voice>\svox.pil" there.
#pragma once

#include "platform/files.h"

namespace lectavo {

// The voices the product knows, in this order.
inline constexpr WStringView kVoiceNames[] = {u"ENG_W",    u"FRA_W",   u"GER_M",    u"GER_W",
                                              u"ITA_W",    u"SPA_W",   u"GERENG_W", u"FRAENG_W",
                                              u"SPAENG_W", u"ITAENG_W"};

// Whether a file at the top of the installation folder is a delivered voice: "*.pil", letter
// case ignored.
bool IsVoiceFile(WStringView fileName);

// Makes the folder of every known voice; existing or failing folders are passed over.
void CreateVoiceFolders(Files& files, WStringView installationFolder);

// Moves every "*.pil" at the top level of the installation folder to
// "<voice>\svox.pil", replacing an older one. A file that cannot be moved, or whose voice name
// does not fit the 31 characters the engine allows, stays where it is.
void PlaceVoiceFiles(Files& files, WStringView installationFolder);

}  // namespace lectavo
