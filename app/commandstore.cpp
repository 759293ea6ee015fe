#include "commandstore.h"
#include "commandclient.h"
#include "commandrequest.h"
#include "console.h"
#include "instance.h"
#include "settings.h"
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
        status = printLine(formatAnswer(curColor, request.form, request.templateText, text,
                                        sizeof text)) ? 0 : 1;
    } else if (readSetColor(request.colorText, SIZE_MAX, color)) {
        takeColor(nullptr, takenBySet, color);
        char why[400] = "tinctora: the colour was not set. ";
        if (!saveColors()) {
            saveFailure(why + lstrlenA(why), sizeof why - lstrlenA(why) - 1);
            lstrcatA(why, "\n");
            writeText(STD_ERROR_HANDLE, why);
            status = 1;
        }
    } else {
        status = 1;
    }
    leaveInstance();
    return status;
}
