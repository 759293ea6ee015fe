#include "accessible.h"
#include "core/color.h"
#include "core/colortext.h"
#include "core/contrastfix.h"
#include "core/sample.h"
#include "core/history.h"
#include "input/actions.h"
#include "input/focus.h"
#include "res/resource.h"
#include "colorwords.h"
#include "texts.h"
#include "core/textfill.h"
#include "skin/announce.h"
#include "skin/regions.h"

#include <new>
#include <oleacc.h>

// mingw's import library resolves IID_IAccessible to an import stub, not
// the GUID, and marshalling under a wrong id fails: the GUID is spelt out.
const IID accessibleIid = {0x618736e0, 0x3c3d, 0x11cf,
                           {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// OLE and oleacc are loaded at the first request from assistive technology,
// which most sessions never make: under Wine, loading them with the program
// took a good share of its start-up and 2 MB of its memory.
static struct {
    HRESULT(WINAPI *coInitialize)(void *);
    HRESULT(WINAPI *coDisconnectObject)(IUnknown *, DWORD);
    BSTR(WINAPI *sysAllocStringLen)(const OLECHAR *, UINT);
    LRESULT(WINAPI *lresultFromObject)(REFIID, WPARAM, IUnknown *);
    HRESULT(WINAPI *createStdAccessibleObject)(HWND, LONG, REFIID, void **);
} ole;

// Casts a looked-up address to the type of the pointer that takes it.
template <typename F> static bool lookUp(F &f, HMODULE module, const char *name)
{
    f = module ? (F)(void *)GetProcAddress(module, name) : nullptr;
    return f != nullptr;
}

static bool loadOle()
{
    if (ole.lresultFromObject)
        return true;
    HMODULE ole32 = LoadLibraryA("ole32.dll"), oleaut32 = LoadLibraryA("oleaut32.dll");
    HMODULE oleacc = LoadLibraryA("oleacc.dll");
    decltype(ole) got;
    if (!lookUp(got.coInitialize, ole32, "CoInitialize") ||
        !lookUp(got.coDisconnectObject, ole32, "CoDisconnectObject") ||
        !lookUp(got.sysAllocStringLen, oleaut32, "SysAllocStringLen") ||
        !lookUp(got.createStdAccessibleObject, oleacc, "CreateStdAccessibleObject") ||
        !lookUp(got.lresultFromObject, oleacc, "LresultFromObject"))
        return false;
    // Clients in other processes call the object through this thread's
    // message loop, in its single-threaded apartment.
    got.coInitialize(nullptr);
    ole = got;
    return true;
}

struct ControlInfo {
    LONG role;
    TextId name;
    TextId hint;
    const wchar_t *step;  // an arrow's step and, last, its key
};

// Indexed like readingOrder.
static const ControlInfo controls[controlCount] = {
    {ROLE_SYSTEM_CHECKBUTTON, textSnapName, textToggleHint, nullptr},
    {ROLE_SYSTEM_CHECKBUTTON, textOnTopName, textToggleHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textMinimiseName, textCount, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textCloseName, textCount, L"Alt+F4"},
    {ROLE_SYSTEM_GRAPHIC, textColourName, textSwatchHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textLowerRedName, textArrowHint, L"-20r"},
    {ROLE_SYSTEM_STATICTEXT, textRedName, textReadoutHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textRaiseRedName, textArrowHint, L"+20R"},
    {ROLE_SYSTEM_PUSHBUTTON, textLowerGreenName, textArrowHint, L"-20g"},
    {ROLE_SYSTEM_STATICTEXT, textGreenName, textReadoutHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textRaiseGreenName, textArrowHint, L"+20G"},
    {ROLE_SYSTEM_PUSHBUTTON, textLowerBlueName, textArrowHint, L"-20b"},
    {ROLE_SYSTEM_STATICTEXT, textBlueName, textReadoutHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textRaiseBlueName, textArrowHint, L"+20B"},
    {ROLE_SYSTEM_PUSHBUTTON, textDarkenName, textArrowHint, L"-20w"},
    {ROLE_SYSTEM_STATICTEXT, textHexName, textHexHint, nullptr},
    {ROLE_SYSTEM_PUSHBUTTON, textLightenName, textArrowHint, L"+20W"},
};

// Every control of the face has a child id, so childIdOf is never 0 here.
static const ControlInfo &infoOf(AreaId control)
{
    return controls[childIdOf(control) - 1];
}

const wchar_t *controlName(AreaId control)
{
    return uiText(infoOf(control).name);
}

// The parts of a hint joined as the language joins them.
static void joinHint(wchar_t text[hintSize], const wchar_t *part)
{
    wchar_t before[hintSize];
    lstrcpynW(before, text, hintSize);
    formatText(text, hintSize, textHintJoin, before, part);
}

const wchar_t *controlHint(AreaId control)
{
    static wchar_t text[hintSize];
    const ControlInfo &info = infoOf(control);
    if (info.hint == textCount)
        return lstrcpynW(text, info.step ? info.step : L"", hintSize);
    if (info.hint == textToggleHint) {
        // The letter of the switch's item in the window menu.
        wchar_t letter[2] = {markedLetter(uiText(control == snapId ? textSnapItem : textOnTopItem))};
        return formatText(text, hintSize, textToggleHint, letter);
    }
    if (info.hint == textArrowHint) {
        // The step, and the key, the last character.
        wchar_t step[8], key[2] = {info.step[lstrlenW(info.step) - 1]}, channels[hintSize];
        lstrcpynW(step, info.step, 4);
        bool everyChannel = control == darkenId || control == lightenId;
        return formatText(text, hintSize, textArrowHint,
                          everyChannel ? formatText(channels, hintSize, textEveryChannelStep, step)
                                       : step,
                          key);
    }
    if (control != swatchId)
        return uiText(info.hint);
    // The swatch's hint leads with the colour's name and family, for those
    // who cannot tell the colour by sight, whether the colour is pinned,
    // which square a pick averages, its contrast with the previous colour
    // and, where that fails AA, the nearest colours that pass.
    wchar_t name[colorWordsSize], family[colorWordsSize], contrast[colorWordsSize], part[hintSize];
    formatText(part, hintSize, textFamilyPart, colorNameText(curColor, name),
               colorFamilyText(curColor, family));
    if (isPinned(curColor))
        formatText(text, hintSize, textPinnedPart, part);
    else
        lstrcpynW(text, part, hintSize);
    if (sampleSize > 1)
        joinHint(text, uiText(sampleSize == 3 ? textSample3Part : textSample5Part));
    joinHint(text, formatText(part, hintSize, textContrastPart,
                              contrastText(curColor, oldColor, contrast)));
    if (*contrastFixText(fixContrast(curColor, oldColor), contrast))
        joinHint(text, contrast);
    joinHint(text, uiText(info.hint));
    return text;
}

// What the face answers, as plain functions of a child id: 0 for the face
// itself (CHILDID_SELF), 1 to controlCount for a control.

static bool isToggle(int child)
{
    return child && controls[child - 1].role == ROLE_SYSTEM_CHECKBUTTON;
}

// The child with the keyboard focus: a control, the face itself
// (CHILDID_SELF) before the first Tab, or -1 while the window has not got
// the focus.
static int focusChild(HWND window)
{
    return GetFocus() == window ? childIdOf(focusedControl()) : -1;
}

// Every control takes the keyboard focus, the face too.
static LONG stateOf(HWND window, int child)
{
    LONG state = STATE_SYSTEM_FOCUSABLE | (focusChild(window) == child ? STATE_SYSTEM_FOCUSED : 0);
    if (child && controls[child - 1].role == ROLE_SYSTEM_STATICTEXT)
        return state | STATE_SYSTEM_READONLY;
    return isToggle(child) && toggleOn(readingOrder[child - 1]) ? state | STATE_SYSTEM_CHECKED
                                                                 : state;
}

// The swatch's value is the colour as copied; a row's readout and arrows
// share the readout's text, a channel without its leading zeros, so that a
// reader on an arrow hears what it changes. Null for a control without a
// value.
static const char *valueOf(int child)
{
    AreaId control = child ? readingOrder[child - 1] : areaCount;
    if (control == swatchId)
        return formatCopyText();
    AreaId readout = rowReadout(control);
    if (readout == hexValueId)
        return formatColorHex();
    if (readout == areaCount)
        return nullptr;
    const char *text = formatChannelDecimal(ChannelIndex(readout - redValueId));
    while (text[0] == '0' && text[1])
        text++;
    return text;
}

static const wchar_t *defaultActionOf(int child)
{
    if (isToggle(child))
        return uiText(toggleOn(readingOrder[child - 1]) ? textUncheckAction : textCheckAction);
    if (child && controls[child - 1].role == ROLE_SYSTEM_PUSHBUTTON)
        return uiText(textPressAction);
    return nullptr;
}

// The child's rectangle in screen pixels, where the window is now and at
// the face's scale.
static RECT placeOf(HWND window, int child)
{
    RECT r;
    GetWindowRect(window, &r);
    if (!child)
        return r;
    const FaceRect &a = faceAreas[readingOrder[child - 1]];
    int k = faceScale;
    return {r.left + a.left * k, r.top + a.top * k, r.left + a.right * k, r.top + a.bottom * k};
}

// The child under a screen point; -1 outside the window's shape.
static int childAt(HWND window, POINT p)
{
    RECT r;
    GetWindowRect(window, &r);
    int x = p.x - r.left, y = p.y - r.top, k = faceScale;
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    bool inside = PtInRect(&r, p) &&
                  (GetWindowRgn(window, shape) == ERROR || PtInRegion(shape, x, y));
    DeleteObject(shape);
    if (!inside)
        return -1;
    AreaId control = controlAt(x / k, y / k);
    return control == areaCount ? CHILDID_SELF : childIdOf(control);
}

// A text property: S_OK with the text, DISP_E_MEMBERNOTFOUND without one.
static HRESULT textAnswer(const wchar_t *text, BSTR *out)
{
    if (!out)
        return E_POINTER;
    *out = text ? ole.sysAllocStringLen(text, (UINT)lstrlenW(text)) : nullptr;
    if (!text)
        return DISP_E_MEMBERNOTFOUND;
    return *out ? S_OK : E_OUTOFMEMORY;
}

static HRESULT childAnswer(int child, VARIANT *out)
{
    if (!out)
        return E_POINTER;
    out->vt = child < 0 ? VT_EMPTY : VT_I4;
    out->lVal = child < 0 ? 0 : child;
    return child < 0 ? S_FALSE : S_OK;
}

// The thin COM object: each method checks its arguments and forwards to
// the functions above. The window holds one reference from the first
// request to WM_DESTROY, every client its own; the object is freed with
// the last.
struct FaceObject : IAccessible {
    LONG refs = 1;
    HWND window;  // null once the window is gone

    explicit FaceObject(HWND w) : window(w) {}

    // The child a VARIANT names, or -1 for none the face has.
    static int childOf(const VARIANT &v)
    {
        return v.vt == VT_I4 && v.lVal >= 0 && v.lVal <= controlCount ? (int)v.lVal : -1;
    }
    // CO_E_OBJNOTCONNECTED once the window is gone, E_INVALIDARG for a
    // child that does not exist, else S_OK.
    HRESULT check(const VARIANT &v) const
    {
        if (!window)
            return CO_E_OBJNOTCONNECTED;
        return childOf(v) < 0 ? E_INVALIDARG : S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, accessibleIid)) {
            *out = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&refs);
        if (!left) {
            this->~FaceObject();
            HeapFree(GetProcessHeap(), 0, this);
        }
        return left;
    }

    // No type information: clients call the methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                     EXCEPINFO *, UINT *) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!window)
            return CO_E_OBJNOTCONNECTED;
        return ole.createStdAccessibleObject(window, OBJID_WINDOW, IID_IDispatch, (void **)parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override
    {
        if (!count)
            return E_POINTER;
        *count = controlCount;
        return window ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    // The controls are simple elements, not objects of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT v, IDispatch **child) override
    {
        if (!child)
            return E_POINTER;
        *child = nullptr;
        HRESULT hr = check(v);
        return FAILED(hr) ? hr : childOf(v) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT v, BSTR *name) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        int child = childOf(v);
        return textAnswer(child ? uiText(controls[child - 1].name) : L"Tinctora", name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT v, BSTR *value) override
    {
        HRESULT hr = check(v);
        wchar_t text[copyTextSize];
        const char *shown = valueOf(childOf(v));
        return FAILED(hr) ? hr : textAnswer(shown ? widen(shown, text, copyTextSize) : nullptr, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT v, BSTR *description) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        int child = childOf(v);
        const wchar_t *hint = child ? controlHint(readingOrder[child - 1]) : nullptr;
        return textAnswer(hint && *hint ? hint : nullptr, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT v, VARIANT *role) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        int child = childOf(v);
        return childAnswer(child ? controls[child - 1].role : ROLE_SYSTEM_CLIENT, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT v, VARIANT *state) override
    {
        HRESULT hr = check(v);
        return FAILED(hr) ? hr : childAnswer(stateOf(window, childOf(v)), state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR *help) override
    {
        return textAnswer(nullptr, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, LONG *) override
    {
        return textAnswer(nullptr, file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR *keys) override
    {
        return textAnswer(nullptr, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override
    {
        if (!window)
            return CO_E_OBJNOTCONNECTED;
        return childAnswer(focusChild(window), focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override
    {
        childAnswer(-1, selection);
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT v, BSTR *action) override
    {
        HRESULT hr = check(v);
        return FAILED(hr) ? hr : textAnswer(defaultActionOf(childOf(v)), action);
    }
    // The controls take the focus but are never selected: any selection
    // flag makes no sense for them. The focus moves only within the window
    // that has it, as for any child of a window (S_FALSE otherwise).
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT v) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        if (flags & ~SELFLAG_TAKEFOCUS)
            return E_INVALIDARG;
        int child = childOf(v);
        if (!flags)
            return S_OK;
        return focusControl(window, child ? readingOrder[child - 1] : areaCount) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *x, LONG *y, LONG *width, LONG *height,
                                          VARIANT v) override
    {
        if (!x || !y || !width || !height)
            return E_POINTER;
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        RECT r = placeOf(window, childOf(v));
        *x = r.left;
        *y = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    // Next and previous among the controls, first and last from the face.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override
    {
        HRESULT hr = check(start);
        if (FAILED(hr))
            return hr;
        int from = childOf(start), to = -1;
        if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
            to = 1;
        else if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
            to = controlCount;
        else if (from && direction == NAVDIR_NEXT && from < controlCount)
            to = from + 1;
        else if (from && direction == NAVDIR_PREVIOUS && from > 1)
            to = from - 1;
        return childAnswer(to, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *found) override
    {
        if (!window)
            return CO_E_OBJNOTCONNECTED;
        return childAnswer(childAt(window, {x, y}), found);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT v) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        int child = childOf(v);
        if (!defaultActionOf(child))
            return DISP_E_MEMBERNOTFOUND;
        // Posted, like the click it stands for: the caller does not wait
        // for the action, and a close ends this process only after the
        // call has returned.
        PostMessageW(window, WM_COMMAND, cmdClickFirst + readingOrder[child - 1], 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }
};

// Made at the first request and kept, with the window's reference, until
// the window goes.
static FaceObject *faceObject;

LRESULT onGetObject(HWND window, WPARAM wp, LPARAM lp)
{
    // The object id arrives as a 32-bit value, whatever the width of lp.
    if ((DWORD)lp != (DWORD)OBJID_CLIENT || !loadOle())
        return DefWindowProcW(window, WM_GETOBJECT, wp, lp);
    if (!faceObject) {
        void *memory = HeapAlloc(GetProcessHeap(), 0, sizeof(FaceObject));
        if (!memory)
            return DefWindowProcW(window, WM_GETOBJECT, wp, lp);
        faceObject = new (memory) FaceObject(window);
    }
    return ole.lresultFromObject(accessibleIid, wp, static_cast<IAccessible *>(faceObject));
}

void announceNamesChanged(HWND window)
{
    for (LONG child = 0; child <= controlCount; child++) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, child);
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, child);
    }
}

void disconnectAccessibleFace()
{
    if (!faceObject)
        return;
    faceObject->window = nullptr;
    // Clients in other processes lose their connection now rather than
    // when this process ends.
    ole.coDisconnectObject(static_cast<IAccessible *>(faceObject), 0);
    faceObject->Release();
    faceObject = nullptr;
}
