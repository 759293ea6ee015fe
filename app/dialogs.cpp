#include "dialogs.h"

INT_PTR runDialog(HWND owner, const wchar_t *name, DLGPROC proc)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(owner, GWLP_HINSTANCE);
    HRSRC found = FindResourceW(instance, name, (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void *resource = loaded ? LockResource(loaded) : nullptr;
    DWORD size = resource ? SizeofResource(instance, found) : 0;
    if (size < 16)
        return -1;
    // A copy of the template, made right to left where the language is, so
    // that the dialog and its controls are laid out so from the start. A
    // DIALOGEX template holds its extended style at byte 8.
    BYTE *copy = (BYTE *)HeapAlloc(GetProcessHeap(), 0, size);
    if (!copy)
        return -1;
    CopyMemory(copy, resource, size);
    if (textsRightToLeft())
        *(DWORD *)(copy + 8) |= WS_EX_LAYOUTRTL;
    INT_PTR result = DialogBoxIndirectParamW(instance, (LPCDLGTEMPLATEW)copy, owner, proc, 0);
    HeapFree(GetProcessHeap(), 0, copy);
    return result;
}

// The controls' places as the template has them, for each dialog laid out:
// every layout starts from them, so that a shorter language shrinks the
// dialog back.
const int maxControls = 16;
static struct Layout {
    HWND dialog;
    int count;
    SIZE client;
    HWND control[maxControls];
    RECT place[maxControls];
} layouts[2];

static Layout &layoutOf(HWND dialog)
{
    for (Layout &layout : layouts)
        if (layout.dialog == dialog)
            return layout;
    Layout &layout = IsWindow(layouts[0].dialog) ? layouts[1] : layouts[0];
    layout = {};
    layout.dialog = dialog;
    RECT client;
    GetClientRect(dialog, &client);
    layout.client = {client.right, client.bottom};
    for (HWND c = GetWindow(dialog, GW_CHILD); c && layout.count < maxControls;
         c = GetWindow(c, GW_HWNDNEXT)) {
        layout.control[layout.count] = c;
        GetWindowRect(c, &layout.place[layout.count]);
        MapWindowPoints(nullptr, dialog, (POINT *)&layout.place[layout.count], 2);
        // Mirrored, a rectangle's left is its right.
        RECT &r = layout.place[layout.count++];
        if (r.left > r.right) {
            LONG left = r.right;
            r.right = r.left;
            r.left = left;
        }
    }
    return layout;
}

// The width a control's text needs in its own font: the widest line, with
// a check box's box, or a button's sides, around it.
static int neededWidth(HWND control)
{
    wchar_t text[600];
    int length = GetWindowTextW(control, text, ARRAYSIZE(text));
    if (!length)
        return 0;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(control, WM_GETFONT, 0, 0));
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc, text, length, &r, DT_CALCRECT | DT_NOCLIP);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    wchar_t kind[16];
    GetClassNameW(control, kind, ARRAYSIZE(kind));
    if (lstrcmpiW(kind, L"Button"))
        return r.right;
    LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON)
        return r.right + 2 * metrics.tmAveCharWidth + 8;
    return r.right + GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth;
}

static bool isPushButton(HWND control)
{
    wchar_t kind[16];
    GetClassNameW(control, kind, ARRAYSIZE(kind));
    LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return !lstrcmpiW(kind, L"Button") && (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON);
}

static void setDirection(HWND window, bool rightToLeft)
{
    LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    LONG wanted = rightToLeft ? style | WS_EX_LAYOUTRTL : style & ~WS_EX_LAYOUTRTL;
    if (wanted != style)
        SetWindowLongW(window, GWL_EXSTYLE, wanted);
}

// Whether two controls share a row of the template: they overlap in height.
static bool sameRow(const RECT &a, const RECT &b)
{
    return a.top < b.bottom && b.top < a.bottom;
}

// Each control grows to its text, pushing those to its right on its row
// along; the controls that reach the dialog's right margin in the template
// grow with the dialog, which grows to the widest row. The push buttons
// keep their row at the bottom right, each at least as wide as its text.
static void growToTexts(HWND dialog, Layout &layout, const int *leftToRight, int ltrCount)
{
    int margin = layout.client.cx, width = layout.client.cx, buttons = 0, gap;
    for (int i = 0; i < layout.count; i++)
        margin = layout.place[i].left < margin ? layout.place[i].left : margin;
    gap = margin / 2;
    int grow[maxControls], left[maxControls];
    for (int i = 0; i < layout.count; i++) {
        const RECT &r = layout.place[i];
        // What the user types or the colour shows may be cut; the texts not.
        bool content = false;
        for (int k = 0; k < ltrCount; k++)
            content = content || GetDlgCtrlID(layout.control[i]) == leftToRight[k];
        int needed = content ? 0 : neededWidth(layout.control[i]);
        grow[i] = needed > r.right - r.left ? needed - (r.right - r.left) : 0;
    }
    for (int i = 0; i < layout.count; i++) {
        const RECT &r = layout.place[i];
        left[i] = r.left;
        for (int k = 0; k < layout.count; k++)
            if (k != i && sameRow(r, layout.place[k]) && layout.place[k].right <= r.left)
                left[i] += grow[k];
        if (isPushButton(layout.control[i]))
            buttons += r.right - r.left + grow[i] + gap;
        else if (left[i] + r.right - r.left + grow[i] + margin > width)
            width = left[i] + r.right - r.left + grow[i] + margin;
    }
    if (margin + buttons - gap + margin > width)
        width = margin + buttons - gap + margin;
    int right = width - margin;
    for (int i = layout.count - 1; i >= 0; i--) {
        const RECT &r = layout.place[i];
        int x = left[i], w = r.right - r.left + grow[i];
        if (isPushButton(layout.control[i])) {
            x = right - w;
            right = x - gap;
        } else if (r.right >= layout.client.cx - margin - 1) {
            w = width - margin - x;
        }
        SetWindowPos(layout.control[i], nullptr, x, r.top, w, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame, client;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    int change = width - client.right;
    SetWindowPos(dialog, nullptr, frame.left - change / 2, frame.top,
                 frame.right - frame.left + change, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void fitDialogToTexts(HWND dialog, const int *leftToRight, int ltrCount)
{
    growToTexts(dialog, layoutOf(dialog), leftToRight, ltrCount);
    InvalidateRect(dialog, nullptr, TRUE);
}

void showDialogTexts(HWND dialog, const DialogText *texts, int count, const int *leftToRight,
                     int ltrCount)
{
    Layout &layout = layoutOf(dialog);
    bool rightToLeft = textsRightToLeft();
    setDirection(dialog, rightToLeft);
    for (int i = 0; i < layout.count; i++) {
        bool ltr = false;
        for (int k = 0; k < ltrCount; k++)
            ltr = ltr || GetDlgCtrlID(layout.control[i]) == leftToRight[k];
        setDirection(layout.control[i], rightToLeft && !ltr);
    }
    for (int i = 0; i < count; i++)
        SetWindowTextW(texts[i].id ? GetDlgItem(dialog, texts[i].id) : dialog,
                       uiText(texts[i].text));
    growToTexts(dialog, layout, leftToRight, ltrCount);
    InvalidateRect(dialog, nullptr, TRUE);
}
