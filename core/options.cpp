#include "options.h"

uint8_t alwyOnTop = 0;
int32_t snapTol = snapOnTol;
uint8_t copyOnPick = 0;
uint32_t pickHotkey = defaultPickHotkey;
uint8_t freezeScreen = 0;

bool hotkeySparesTyping(uint32_t hotkey)
{
    const uint32_t ctrlFlag = 0x02, altFlag = 0x04;
    return (hotkey >> 8 & (ctrlFlag | altFlag | hotkeyWinFlag)) != 0;
}

uint32_t pickHotkeyFromSetting(uint32_t stored)
{
    bool shown = stored <= 0x1FFF && (stored & 0xFF) != 0 && hotkeySparesTyping(stored);
    return stored == 0 || shown ? stored : defaultPickHotkey;
}
