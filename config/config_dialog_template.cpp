#include "config/config_dialog.h"

namespace lectavo {

// No controls of its own: the tab control and the pages are made at its initialisation.
const DialogTemplate kConfigDialogTemplate{
    102,
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont,
    kWsExCaptionOkButton | kWsExAppWindow,
    kDialogCaption,
    196,
    90,
    {}};

}  // namespace lectavo
