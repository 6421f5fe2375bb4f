#include "VQTranslateSetup.h"

#include "VQPopupWindowTool.h"
#include "VQTranslateWindow.h"

void VQTranslateSetup::install()
{
    // The window lives for the process, as the popup tool expects of its factories' objects.
    VQPopupWindowTool::sharedInstance().setTranslateWindowFactory(
        []() -> VQTranslateWindowInterface* { return new VQTranslateWindow(); });
}
