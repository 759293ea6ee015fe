#include "accessible.h"
#include "core/color.h"
#include "core/colorfamily.h"
#include "core/colornames.h"
#include "core/colortext.h"
#include "core/contrast.h"
#include "core/contrastfix.h"
#include "core/sample.h"
#include "core/history.h"
#include "input/actions.h"
#include "input/focus.h"
#include "res/resource.h"
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
    const char *name;
    const char *hint;
};

// The hints' common parts: the ways to step a row's value.
#define ARROW_KEYS ", arrow keys or wheel for 1, Page Up or Down for 20"

// An arrow's hint holds only its step and, last, its key; the words around
// them, the same on every arrow, are put in once, here.
static const char arrowHint[] =
    "click or Space for %s, press and drag for 1 per pixel" ARROW_KEYS "; key %c";

// Indexed like readingOrder.
static const ControlInfo controls[controlCount] = {
    {ROLE_SYSTEM_CHECKBUTTON, "Snap to screen edges", "click or Space to switch; Alt+Space, P"},
    {ROLE_SYSTEM_CHECKBUTTON, "Always on top", "click or Space to switch; Alt+Space, O"},
    {ROLE_SYSTEM_PUSHBUTTON, "Minimise", ""},
    {ROLE_SYSTEM_PUSHBUTTON, "Close", "Alt+F4"},
    {ROLE_SYSTEM_GRAPHIC, "Colour",
     "press and hold, then drag anywhere to pick a colour from the screen, or Enter, the arrow "
     "keys and Enter; double-click or Ctrl+V to paste one"},
    {ROLE_SYSTEM_PUSHBUTTON, "Lower red", "-20r"},
    {ROLE_SYSTEM_STATICTEXT, "Red", "right-click to copy" ARROW_KEYS},
    {ROLE_SYSTEM_PUSHBUTTON, "Raise red", "+20R"},
    {ROLE_SYSTEM_PUSHBUTTON, "Lower green", "-20g"},
    {ROLE_SYSTEM_STATICTEXT, "Green", "right-click to copy" ARROW_KEYS},
    {ROLE_SYSTEM_PUSHBUTTON, "Raise green", "+20G"},
    {ROLE_SYSTEM_PUSHBUTTON, "Lower blue", "-20b"},
    {ROLE_SYSTEM_STATICTEXT, "Blue", "right-click to copy" ARROW_KEYS},
    {ROLE_SYSTEM_PUSHBUTTON, "Raise blue", "+20B"},
    {ROLE_SYSTEM_PUSHBUTTON, "Darken", "-20 on every channelw"},
    {ROLE_SYSTEM_STATICTEXT, "Hexadecimal", "right-click or Ctrl+C to copy; arrow keys or wheel to lighten or darken by 1, Page Up or Down by 20"},
    {ROLE_SYSTEM_PUSHBUTTON, "Lighten", "+20 on every channelW"},
};
#undef ARROW_KEYS

// Every control of the face has a child id, so childIdOf is never 0 here.
static const ControlInfo &infoOf(AreaId control)
{
    return controls[childIdOf(control) - 1];
}

const char *controlName(AreaId control)
{
    return infoOf(control).name;
}

const char *controlHint(AreaId control)
{
    static char text[400];
    const char *hint = infoOf(control).hint;
    if (rowReadout(control) != areaCount && rowReadout(control) != control) {
        char step[24];
        int length = lstrlenA(hint);
        // All but the key, as much of it as the buffer holds.
        lstrcpynA(step, hint, length < (int)sizeof step ? length : (int)sizeof step);
        wsprintfA(text, arrowHint, step, hint[length - 1]);
        return text;
    }
    if (control != swatchId)
        return hint;
    // The swatch's hint leads with the colour's name and family, for those
    // who cannot tell the colour by sight, whether the colour is pinned,
    // which square a pick averages, its contrast with the previous colour
    // and, where that fails AA, the nearest colours that pass.
    static const char *const sizes[3] = {"", "; picks the 3 by 3 average", "; picks the 5 by 5 average"};
    char name[32], family[40], contrast[24], fix[64];
    formatColorName(curColor, name, sizeof name);
    formatColorFamily(curColor, family, sizeof family);
    formatContrast(curColor, oldColor, contrast, sizeof contrast);
    formatContrastFix(fixContrast(curColor, oldColor), fix, sizeof fix);
    wsprintfA(text, "%s (%s)%s%s; contrast with the previous colour %s%s; %s", name, family,
              isPinned(curColor) ? ", pinned" : "", sizes[sampleSize / 2], contrast, fix, hint);
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

static const char *defaultActionOf(int child)
{
    if (isToggle(child))
        return toggleOn(readingOrder[child - 1]) ? "Uncheck" : "Check";
    if (child && controls[child - 1].role == ROLE_SYSTEM_PUSHBUTTON)
        return "Press";
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

static BSTR bstrOf(const char *text)
{
    UINT n = (UINT)lstrlenA(text);
    BSTR b = ole.sysAllocStringLen(nullptr, n);
    if (b)
        for (UINT i = 0; i < n; i++)
            b[i] = (unsigned char)text[i];
    return b;
}

// A text property: S_OK with the text, DISP_E_MEMBERNOTFOUND without one.
static HRESULT textAnswer(const char *text, BSTR *out)
{
    if (!out)
        return E_POINTER;
    *out = text ? bstrOf(text) : nullptr;
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
        return textAnswer(child ? controls[child - 1].name : "Tinctora", name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT v, BSTR *value) override
    {
        HRESULT hr = check(v);
        return FAILED(hr) ? hr : textAnswer(valueOf(childOf(v)), value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT v, BSTR *description) override
    {
        HRESULT hr = check(v);
        if (FAILED(hr))
            return hr;
        int child = childOf(v);
        const char *hint = child ? controlHint(readingOrder[child - 1]) : nullptr;
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
        PostMessageA(window, WM_COMMAND, cmdClickFirst + readingOrder[child - 1], 0);
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
        return DefWindowProcA(window, WM_GETOBJECT, wp, lp);
    if (!faceObject) {
        void *memory = HeapAlloc(GetProcessHeap(), 0, sizeof(FaceObject));
        if (!memory)
            return DefWindowProcA(window, WM_GETOBJECT, wp, lp);
        faceObject = new (memory) FaceObject(window);
    }
    return ole.lresultFromObject(accessibleIid, wp, static_cast<IAccessible *>(faceObject));
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
