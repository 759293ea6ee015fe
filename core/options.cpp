#include "options.h"

uint8_t alwyOnTop = 0;
int32_t snapTol = snapOnTol;
uint8_t copyOnPick = 0;
uint32_t pickHotkey = defaultPickHotkey;

uint32_t pickHotkeyFromSetting(uint32_t stored)
{
    bool shown = stored <= 0x1FFF && (stored & 0xFF) != 0;
    return stored == 0 || shown ? stored : defaultPickHotkey;
}
