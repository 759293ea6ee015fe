/* Shared by the resource script and the code. */
#ifndef TINCTORA_RESOURCE_H
#define TINCTORA_RESOURCE_H

/* Commands sent by the accelerator table. */
#define cmdCopy 100
#define cmdCopyAlt 101
#define cmdPaste 102
#define cmdSwap 103

/* cmdClickFirst plus a control's layout id: a click on that control, as
   assistive technology asks for it. */
#define cmdClickFirst 0x0200

/* Items of the window menu. The system keeps the low four bits of a
   window-menu command for itself, and its own commands start at 0xF000. */
#define cmdSnapping 0x0110
#define cmdOnTop 0x0120
/* The copy forms, one item each, 0x10 apart in the forms' order; the
   last, the copy template's, opens its dialog. */
#define cmdCopyFormFirst 0x0130
#define cmdCopyCustom 0x0180

/* The context menu's own items: a copy in each form, 0x10 apart in the
   forms' order, then the contrast report. */
#define cmdContextCopyFirst 0x0500
#define cmdContextContrast 0x05B0
/* The current colour in place of itself, fixed for contrast. */
#define cmdFixContrast 0x05C0

/* The Colour vision submenu: the colour as each simulation but normal
   vision shows it, 0x10 apart. The Variations submenu: the variations,
   0x10 apart, then all of them copied. */
#define cmdVisionFirst 0x0800
#define cmdVariationFirst 0x0900
#define cmdCopyVariations 0x0A00

/* The copy template's dialog: its edit box, the preview line, the label and
   the lines of placeholders. */
#define idTemplateEdit 0x0590
#define idTemplatePreview 0x0591
#define idTemplateLabel 0x0592
#define idTemplateLines 0x0593

#define cmdPickHotkey 0x0400
#define cmdCopyOnPick 0x0410
/* The sample sizes, 1, 3 and 5 pixels, 0x10 apart. */
#define cmdSampleFirst 0x0420

/* The Language submenu: Windows' choice, then each language, 0x10 apart. */
#define cmdLanguageFirst 0x2000

/* The pick hotkey's dialog and its controls. */
#define idHotkeyDialog 200
#define idHotkeyKeys 201
#define idHotkeyWin 202
#define idHotkeyNone 203
#define idHotkeyRefused 204
#define idHotkeyPrompt 205

/* The History submenu: pin or unpin the current colour, clear the recent
   colours, and the entries, 0x10 apart in the order shown. */
#define cmdPin 0x0300
#define cmdClearHistory 0x0310
#define cmdHistoryFirst 0x1000
/* Its last items: every colour copied, saved as a palette file, a palette
   file's colours pinned. */
#define cmdCopyAll 0x0320
#define cmdSavePalette 0x0330
#define cmdOpenPalette 0x0340

#ifndef RC_INVOKED
/* Which of count items 0x10 apart from first the command is, or -1 for a
   command that is none of them. */
static inline int commandItem(unsigned command, unsigned first, int count)
{
    unsigned item = (command - first) / 0x10;
    return command >= first && (command - first) % 0x10 == 0 && item < (unsigned)count
               ? (int)item
               : -1;
}
#endif

#endif
