// The real program as assistive technology meets it: another process
// reads the face's accessible object through oleacc, works its controls by
// their default actions and listens for its events.
#include "win_fixture.h"
#include "app/accessible.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

struct Event {
    DWORD event;
    LONG child;
};
std::vector<Event> events;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        events.push_back({event, child});
}

VARIANT childVar(LONG id)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string narrow(BSTR b)
{
    std::string s;
    for (UINT i = 0; b && i < SysStringLen(b); i++)
        s += (char)b[i];
    SysFreeString(b);
    return s;
}

// tinctora.exe on a first run, its window and its client object.
struct Face : ::testing::Test {
    Child program;
    HWND w = nullptr;
    IAccessible *face = nullptr;
    HWINEVENTHOOK hook = nullptr;
    std::vector<LONG> described;  // children whose descriptions changed, in order

    void SetUp() override
    {
        CoInitialize(nullptr);
        clearSettings();
        ASSERT_TRUE(startChild(program, "tinctora.exe", ""));
        ASSERT_TRUE(w = waitForWindow());
        ASSERT_EQ(S_OK, AccessibleObjectFromWindow(w, OBJID_CLIENT, accessibleIid, (void **)&face));
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, onEvent,
                               program.pi.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    }
    void TearDown() override
    {
        if (hook)
            UnhookWinEvent(hook);
        if (face)
            face->Release();
        if (program.pi.hProcess)
            finishChild(program, 0);
        clearSettings();
        CoUninitialize();
    }
    std::string text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *), LONG id)
    {
        BSTR b = nullptr;
        (face->*get)(childVar(id), &b);
        return narrow(b);
    }
    std::string name(LONG id) { return text(&IAccessible::get_accName, id); }
    std::string value(LONG id) { return text(&IAccessible::get_accValue, id); }
    std::string action(LONG id) { return text(&IAccessible::get_accDefaultAction, id); }
    LONG property(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT *), LONG id)
    {
        VARIANT v = {};
        (face->*get)(childVar(id), &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    bool checked(LONG id) { return property(&IAccessible::get_accState, id) & STATE_SYSTEM_CHECKED; }
    // The children whose values changed, in order, until one for `last`
    // changed state or value.
    std::vector<LONG> eventsUntil(DWORD event, LONG last)
    {
        std::vector<LONG> changed;
        for (int i = 0; i < 300; i++) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            std::vector<Event> got;
            got.swap(events);
            for (const Event &e : got) {
                if (e.event == EVENT_OBJECT_VALUECHANGE)
                    changed.push_back(e.child);
                if (e.event == EVENT_OBJECT_DESCRIPTIONCHANGE)
                    described.push_back(e.child);
                if (e.event == event && e.child == last)
                    return changed;
            }
            Sleep(10);
        }
        ADD_FAILURE() << "no event " << event << " for child " << last;
        return changed;
    }
    void typeKeys(const char *keys)
    {
        for (const char *k = keys; *k; k++)
            SendMessageA(w, WM_CHAR, (WPARAM)*k, 1);
    }
};

// Every control by name, role and place, in reading order, after keys set
// the colour 0A1E28; the values are what the readouts show.
TEST_F(Face, TreeNamesRolesValuesPlacesAndHitTests)
{
    typeKeys("RGGGBBBB");
    const struct { const char *name; LONG role; const char *value; int l, t, r, b; } want[17] = {
        {"Snap to screen edges", ROLE_SYSTEM_CHECKBUTTON, "", 6, 5, 19, 15},
        {"Always on top", ROLE_SYSTEM_CHECKBUTTON, "", 22, 5, 35, 15},
        {"Minimise", ROLE_SYSTEM_PUSHBUTTON, "", 48, 5, 61, 15},
        {"Close", ROLE_SYSTEM_PUSHBUTTON, "", 64, 5, 77, 15},
        {"Colour", ROLE_SYSTEM_GRAPHIC, "0A1E28", 18, 20, 65, 60},
        {"Lower red", ROLE_SYSTEM_PUSHBUTTON, "10", 18, 69, 28, 80},
        {"Red", ROLE_SYSTEM_STATICTEXT, "10", 28, 69, 55, 80},
        {"Raise red", ROLE_SYSTEM_PUSHBUTTON, "10", 55, 69, 64, 80},
        {"Lower green", ROLE_SYSTEM_PUSHBUTTON, "30", 18, 81, 28, 92},
        {"Green", ROLE_SYSTEM_STATICTEXT, "30", 28, 81, 55, 92},
        {"Raise green", ROLE_SYSTEM_PUSHBUTTON, "30", 55, 81, 64, 92},
        {"Lower blue", ROLE_SYSTEM_PUSHBUTTON, "40", 18, 93, 28, 104},
        {"Blue", ROLE_SYSTEM_STATICTEXT, "40", 28, 93, 55, 104},
        {"Raise blue", ROLE_SYSTEM_PUSHBUTTON, "40", 55, 93, 64, 104},
        {"Darken", ROLE_SYSTEM_PUSHBUTTON, "0A1E28", 7, 111, 17, 122},
        {"Hexadecimal", ROLE_SYSTEM_STATICTEXT, "0A1E28", 17, 111, 67, 122},
        {"Lighten", ROLE_SYSTEM_PUSHBUTTON, "0A1E28", 67, 111, 76, 122},
    };
    // Where the window is now, not where it started.
    SetWindowPos(w, nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LONG count = 0;
    EXPECT_EQ(S_OK, face->get_accChildCount(&count));
    EXPECT_EQ(17, count);
    EXPECT_EQ("Tinctora", name(CHILDID_SELF));
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, property(&IAccessible::get_accRole, CHILDID_SELF));
    for (LONG id = 1; id <= 17; id++) {
        const auto &c = want[id - 1];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.name, name(id));
        EXPECT_EQ(c.role, property(&IAccessible::get_accRole, id));
        EXPECT_EQ(c.value, value(id));
        LONG x, y, cx, cy;
        ASSERT_EQ(S_OK, face->accLocation(&x, &y, &cx, &cy, childVar(id)));
        EXPECT_EQ(100 + c.l, x);
        EXPECT_EQ(50 + c.t, y);
        EXPECT_EQ(c.r - c.l, cx);
        EXPECT_EQ(c.b - c.t, cy);
        VARIANT hit = {};
        EXPECT_EQ(S_OK, face->accHitTest(100 + (c.l + c.r) / 2, 50 + c.b - 1, &hit));
        EXPECT_EQ(id, hit.vt == VT_I4 ? hit.lVal : -1);
    }
    EXPECT_TRUE(checked(1)) << "snapping is on at the first run";
    EXPECT_FALSE(checked(2));
    // The bare face is the face itself; a cut-out notch and a point beside
    // the window are nothing.
    VARIANT hit = {};
    EXPECT_EQ(S_OK, face->accHitTest(100 + 40, 50 + 125, &hit));
    EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF);
    EXPECT_EQ(S_FALSE, face->accHitTest(100 + 0, 50 + 40, &hit));
    EXPECT_EQ(VT_EMPTY, hit.vt);
    EXPECT_EQ(S_FALSE, face->accHitTest(100 + 83, 50 + 40, &hit));

    // Walking the children either way meets every control once, in order.
    for (LONG dir : {NAVDIR_NEXT, NAVDIR_PREVIOUS}) {
        VARIANT at = {};
        face->accNavigate(dir == NAVDIR_NEXT ? NAVDIR_FIRSTCHILD : NAVDIR_LASTCHILD,
                          childVar(CHILDID_SELF), &at);
        std::vector<LONG> met;
        while (at.vt == VT_I4 && met.size() < 20) {
            met.push_back(at.lVal);
            face->accNavigate(dir, childVar(at.lVal), &at);
        }
        ASSERT_EQ(17u, met.size());
        for (int i = 0; i < 17; i++)
            EXPECT_EQ(dir == NAVDIR_NEXT ? i + 1 : 17 - i, met[i]);
    }
    IDispatch *parent = nullptr;
    ASSERT_EQ(S_OK, face->get_accParent(&parent));
    IAccessible *window = nullptr;
    ASSERT_EQ(S_OK, parent->QueryInterface(accessibleIid, (void **)&window));
    HWND of = nullptr;
    EXPECT_EQ(S_OK, WindowFromAccessibleObject(window, &of));
    EXPECT_EQ(w, of) << "the parent is the window's own object";
    window->Release();
    parent->Release();
}

// Tab, or a reader's accSelect, gives the focus to a control, as its state,
// the focus query and the ring tell, with an event after the move that a
// reader follows; a change of the focused arrow's row is told for it too.
TEST_F(Face, TabAndSelectMoveTheFocusAndTellIt)
{
    VARIANT focus = {};
    EXPECT_EQ(S_OK, face->get_accFocus(&focus));
    EXPECT_EQ(CHILDID_SELF, focus.vt == VT_I4 ? focus.lVal : -1) << "the face has it at first";
    PostMessageA(w, WM_KEYDOWN, VK_TAB, 1);
    eventsUntil(EVENT_OBJECT_FOCUS, 1);
    EXPECT_EQ(S_OK, face->get_accFocus(&focus));
    EXPECT_EQ(1, focus.vt == VT_I4 ? focus.lVal : -1);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED,
              property(&IAccessible::get_accState, 1));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_READONLY, property(&IAccessible::get_accState, 7));
    // Minimised and restored, the window gets the focus back: the reader is told again where it is.
    ShowWindow(w, SW_MINIMIZE);
    ShowWindow(w, SW_RESTORE);
    eventsUntil(EVENT_OBJECT_FOCUS, 1);

    // Raise red's dotted ring, one face pixel left of it, shown or not once
    // the screen has it; the window is at the screen's top-left.
    auto ringShown = [](bool shown) {
        for (int i = 0; i < 50; i++, Sleep(20))
            if ((screenPixel(54, 74) != skinPixel(54, 74, false) ||
                 screenPixel(54, 75) != skinPixel(54, 75, false)) == shown)
                return true;
        return false;
    };
    EXPECT_TRUE(ringShown(false));
    EXPECT_EQ(E_INVALIDARG, face->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, childVar(8)));
    EXPECT_EQ(E_INVALIDARG, face->accSelect(SELFLAG_TAKEFOCUS, childVar(18)));
    EXPECT_EQ(S_OK, face->accSelect(SELFLAG_TAKEFOCUS, childVar(8)));
    eventsUntil(EVENT_OBJECT_FOCUS, 8);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, property(&IAccessible::get_accState, 8));
    EXPECT_TRUE(ringShown(true));
    PostMessageA(w, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ((std::vector<LONG>{7, 8, 16, 5}), eventsUntil(EVENT_OBJECT_VALUECHANGE, 5));
    EXPECT_EQ(S_OK, face->accSelect(SELFLAG_TAKEFOCUS, childVar(17)));
    PostMessageA(w, WM_KEYDOWN, VK_PRIOR, 1);
    EXPECT_EQ((std::vector<LONG>{7, 10, 13, 16, 17, 5}), eventsUntil(EVENT_OBJECT_VALUECHANGE, 5));
    EXPECT_EQ("151414", value(17));
    // Another window has the focus: the face's stays where it was.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    EXPECT_EQ(S_FALSE, face->accSelect(SELFLAG_TAKEFOCUS, childVar(8)));
    DestroyWindow(other);
    SetForegroundWindow(w);
    eventsUntil(EVENT_OBJECT_FOCUS, 17);  // back where it was, not on Raise red
}

// Default actions do what a click does, with its undo point, its events
// and, for close, its save; the object answers harmlessly once the window
// is gone.
TEST_F(Face, DefaultActionsEventsAndTheEnd)
{
    typeKeys("R");
    EXPECT_EQ((std::vector<LONG>{7, 16, 5}), eventsUntil(EVENT_OBJECT_VALUECHANGE, 5))
        << "red, the hex readout and the swatch change; green and blue do not";
    EXPECT_EQ(std::vector<LONG>{5}, described) << "black became near black";
    EXPECT_EQ(0u, text(&IAccessible::get_accDescription, 5)
                      .find("near black (black); contrast with the previous colour 1.01:1, fails; "
                            "nearest with AA #"));

    EXPECT_EQ("Press", action(11));
    EXPECT_EQ(S_OK, face->accDoDefaultAction(childVar(11)));  // Raise green: +20
    EXPECT_EQ("0A1400", value(5));
    EXPECT_EQ((std::vector<LONG>{10, 16, 5}), eventsUntil(EVENT_OBJECT_VALUECHANGE, 5));
    EXPECT_EQ((std::vector<LONG>{5, 5}), described) << "still near black, a new contrast";
    SendMessageA(w, WM_SYSCOMMAND, cmdPin, 0);
    EXPECT_TRUE(eventsUntil(EVENT_OBJECT_DESCRIPTIONCHANGE, 5).empty()) << "a pin changes no value";
    EXPECT_EQ(0u, text(&IAccessible::get_accDescription, 5)
                      .find("near black (dark greyish green), pinned; contrast with the previous "
                            "colour 1.09:1, fails; nearest"));
    SendMessageA(w, WM_SYSCOMMAND, cmdSampleFirst + 0x10, 0);
    eventsUntil(EVENT_OBJECT_DESCRIPTIONCHANGE, 5);
    EXPECT_EQ(0u, text(&IAccessible::get_accDescription, 5)
                      .find("near black (dark greyish green), pinned; picks the 3 by 3 average; "
                            "contrast"));
    EXPECT_EQ(S_OK, face->accDoDefaultAction(childVar(17)));  // Lighten keeps the undo point
    EXPECT_EQ("1E2814", value(5));
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ("0A0000", value(5)) << "undo goes back to before the click on Raise green";
    SendMessageA(w, WM_COMMAND, cmdSwap, 0);
    EXPECT_EQ("", action(5));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, face->accDoDefaultAction(childVar(5)));

    EXPECT_EQ("Uncheck", action(1));
    EXPECT_EQ(S_OK, face->accDoDefaultAction(childVar(1)));
    EXPECT_FALSE(checked(1));
    EXPECT_EQ("Check", action(1));
    eventsUntil(EVENT_OBJECT_STATECHANGE, 1);
    EXPECT_EQ(S_OK, face->accDoDefaultAction(childVar(2)));
    EXPECT_TRUE(checked(2));
    EXPECT_NE(0, GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    eventsUntil(EVENT_OBJECT_STATECHANGE, 2);
    // Another program takes the window out of the topmost band: the toggle
    // follows, unlit, and the close stores it off.
    SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    eventsUntil(EVENT_OBJECT_STATECHANGE, 2);
    EXPECT_FALSE(checked(2));
    flushScreen();
    EXPECT_EQ(skinPixel(28, 7, false), screenPixel(28, 7));

    // Minimised, the object still answers; the window comes back as it was.
    // (The actions come as posted messages; a call made after one is
    // answered after it.)
    EXPECT_EQ(S_OK, face->accDoDefaultAction(childVar(3)));
    EXPECT_EQ("1E2814", value(16));
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);

    // Close: the program may end before the call's answer is sent, so the
    // exit status and the saved settings tell what it did.
    face->accDoDefaultAction(childVar(4));
    EXPECT_EQ(0u, finishChild(program, 10000));
    program.pi.hProcess = nullptr;
    auto stored = [](const char *name) {
        DWORD v = 99, size = sizeof v;
        RegGetValueA(HKEY_CURRENT_USER, "Software\\Arvex\\Tinctora", name, RRF_RT_DWORD, nullptr, &v, &size);
        return v;
    };
    EXPECT_EQ(0u, stored("snapTol"));
    EXPECT_EQ(0u, stored("alwyOnTop"));
    EXPECT_EQ(0x14281Eu, stored("curColor"));
    LONG count = 0;
    EXPECT_TRUE(FAILED(face->get_accChildCount(&count)));
    EXPECT_TRUE(FAILED(face->accDoDefaultAction(childVar(8))));
}

}  // namespace
