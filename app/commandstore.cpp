#include "commandstore.h"
#include "commandclient.h"
#include "console.h"
#include "instance.h"
#include "settings.h"
#include "texts.h"
#include "core/color.h"
#include "input/taking.h"

#include <cstdint>

int useStoredSettings(const CommandRequest &request)
{
    loadSettings();
    int status = 0;
    uint32_t color;
    if (request.action == commandGet) {
        char text[copyTextSize];
        status = printLine(formatCommandText(curColor, request.form, request.templateText, text,
                                             sizeof text)) ? 0 : 1;
    } else if (readSetColor(request.colorText, SIZE_MAX, color)) {
        takeColor(nullptr, takenBySet, color);
        if (!saveColors()) {
            wchar_t why[600];
            loadTexts();
            complainText(saveFailure(why, 600));
            status = 1;
        }
    } else {
        status = 1;
    }
    leaveInstance();
    return status;
}
