#pragma once
#include <windows.h>
#include <windowsx.h>
// windowsx.h defines these as macros; they are member names here.
#undef SubclassWindow
#include "framework/Types.h"

// Static message maps. Each entry names a message (or a command or
// notification code with its id range) and a small thunk that unpacks the
// arguments and calls the handler; a map chains to its base class's map.

class CCmdTarget;

struct AFX_MSG {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Returns false when the handler declined the message (ON_NOTIFY_EX).
typedef bool (*AFX_THUNK)(CCmdTarget* target, const AFX_MSG& msg, UINT id, LRESULT& result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message, WM_COMMAND, WM_NOTIFY, or a reflected form
    UINT nCode;      // notification code for WM_COMMAND and WM_NOTIFY
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of the range
    AFX_THUNK pfn;   // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages a parent reflects back to the control that sent them.
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override; \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static const AFX_MSGMAP map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map; \
    }

// The handler may decline with SetMsgHandled(FALSE); its result is then
// not used.
#define AFX_THUNK_OF(body) \
    [](CCmdTarget* t_, const AFX_MSG& m_, UINT id_, LRESULT& r_) -> bool { \
        ThisClass* p_ = static_cast<ThisClass*>(t_); \
        (void)p_; (void)m_; (void)id_; (void)r_; \
        const CCmdTarget::HandledScope handled_(*t_); \
        body \
        return handled_.Handled(); \
    }

// Commands and control notifications (WM_COMMAND)
#define ON_COMMAND(id, fn) { WM_COMMAND, 0, (id), (id), AFX_THUNK_OF(p_->fn();) },
#define ON_COMMAND_RANGE(first, last, fn) { WM_COMMAND, 0, (first), (last), AFX_THUNK_OF(p_->fn(id_);) },
#define ON_CONTROL(code, id, fn) { WM_COMMAND, (code), (id), (id), AFX_THUNK_OF(p_->fn();) },
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)

// Notifications (WM_NOTIFY); the _EX form may decline by returning FALSE.
#define ON_NOTIFY(code, id, fn) \
    { WM_NOTIFY, (UINT)(code), (id), (id), \
      AFX_THUNK_OF(p_->fn(reinterpret_cast<NMHDR*>(m_.lParam), &r_);) },
#define ON_NOTIFY_EX_RANGE(code, first, last, fn) \
    { WM_NOTIFY, (UINT)(code), (first), (last), \
      [](CCmdTarget* t_, const AFX_MSG& m_, UINT id_, LRESULT& r_) -> bool { \
          return static_cast<ThisClass*>(t_)->fn(id_, reinterpret_cast<NMHDR*>(m_.lParam), &r_) != FALSE; } },
#define ON_NOTIFY_REFLECT(code, fn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, \
      AFX_THUNK_OF(p_->fn(reinterpret_cast<NMHDR*>(m_.lParam), &r_);) },

// A part of the window that keeps its own map (a CCmdTarget member) takes
// the messages that reach this entry unhandled; what it declines goes on
// down this map. Reflected messages stay with the control they belong to.
#define AFX_CHAIN_MESSAGE 0xFFFFFFFFu
bool AfxChainMessage(CCmdTarget& member, const AFX_MSG& msg, UINT id, LRESULT& result);
#define CHAIN_MSG_MAP_MEMBER(member) \
    { AFX_CHAIN_MESSAGE, 0, 0, 0, \
      [](CCmdTarget* t_, const AFX_MSG& m_, UINT id_, LRESULT& r_) -> bool { \
          return AfxChainMessage(static_cast<ThisClass*>(t_)->member, m_, id_, r_); } },

// Private messages
#define ON_MESSAGE(message, fn) { (message), 0, 0, 0, AFX_THUNK_OF(r_ = p_->fn(m_.wParam, m_.lParam);) },
// A message the handler only takes note of: it goes on down the map and to
// the window's own procedure as if no entry had matched.
#define ON_MESSAGE_NOTED(message, fn) \
    { (message), 0, 0, 0, \
      [](CCmdTarget* t_, const AFX_MSG&, UINT, LRESULT&) -> bool { static_cast<ThisClass*>(t_)->fn(); return false; } },
// A message the handler acts on first, with its arguments: then it goes on
// down the map and to the window's own procedure as if no entry had matched.
#define ON_MESSAGE_BEFORE_DEFAULT(message, fn) \
    { (message), 0, 0, 0, \
      [](CCmdTarget* t_, const AFX_MSG& m_, UINT, LRESULT&) -> bool { \
          static_cast<ThisClass*>(t_)->fn(m_.wParam, m_.lParam); return false; } },
// A message numbered at run time (RegisterWindowMessage): the expression is
// evaluated once, when the map is first used.
#define ON_REGISTERED_MESSAGE(message, fn) ON_MESSAGE(message, fn)

// Window messages used by the program
#define ON_WM_CREATE() { WM_CREATE, 0, 0, 0, AFX_THUNK_OF(r_ = p_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(m_.lParam));) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, AFX_THUNK_OF(p_->OnDestroy();) },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, 0, AFX_THUNK_OF(p_->OnClose();) },
#define ON_WM_SIZE() { WM_SIZE, 0, 0, 0, AFX_THUNK_OF(p_->OnSize((UINT)m_.wParam, GET_X_LPARAM(m_.lParam), GET_Y_LPARAM(m_.lParam));) },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, 0, AFX_THUNK_OF(p_->OnPaint();) },
#define ON_WM_QUERYDRAGICON() { WM_QUERYDRAGICON, 0, 0, 0, AFX_THUNK_OF(r_ = (LRESULT)p_->OnQueryDragIcon();) },
#define ON_WM_SYSCOMMAND() { WM_SYSCOMMAND, 0, 0, 0, AFX_THUNK_OF(p_->OnSysCommand((UINT)m_.wParam, m_.lParam);) },
#define ON_WM_TIMER() { WM_TIMER, 0, 0, 0, AFX_THUNK_OF(p_->OnTimer((UINT_PTR)m_.wParam);) },
#define ON_WM_DRAWITEM() { WM_DRAWITEM, 0, 0, 0, AFX_THUNK_OF(p_->OnDrawItem((int)m_.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(m_.lParam)); r_ = TRUE;) },
#define ON_WM_MEASUREITEM() { WM_MEASUREITEM, 0, 0, 0, AFX_THUNK_OF(p_->OnMeasureItem((int)m_.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(m_.lParam)); r_ = TRUE;) },
#define ON_WM_MENUSELECT() { WM_MENUSELECT, 0, 0, 0, AFX_THUNK_OF(p_->OnMenuSelect(LOWORD(m_.wParam), HIWORD(m_.wParam), (HMENU)m_.lParam);) },
#define ON_WM_CONTEXTMENU() { WM_CONTEXTMENU, 0, 0, 0, AFX_THUNK_OF(p_->OnContextMenu((HWND)m_.wParam, CPoint(GET_X_LPARAM(m_.lParam), GET_Y_LPARAM(m_.lParam)));) },
#define ON_WM_DROPFILES() { WM_DROPFILES, 0, 0, 0, AFX_THUNK_OF(p_->OnDropFiles((HDROP)m_.wParam);) },
#define ON_WM_HSCROLL() { WM_HSCROLL, 0, 0, 0, AFX_THUNK_OF(p_->OnHScroll(LOWORD(m_.wParam), HIWORD(m_.wParam), (HWND)m_.lParam);) },
#define ON_WM_CAPTURECHANGED() { WM_CAPTURECHANGED, 0, 0, 0, AFX_THUNK_OF(p_->OnCaptureChanged((HWND)m_.lParam);) },
#define ON_WM_KEYDOWN() { WM_KEYDOWN, 0, 0, 0, AFX_THUNK_OF(p_->OnKeyDown((UINT)m_.wParam, LOWORD(m_.lParam), HIWORD(m_.lParam));) },
#define ON_WM_GETDLGCODE() { WM_GETDLGCODE, 0, 0, 0, AFX_THUNK_OF(r_ = p_->OnGetDlgCode();) },
#define AFX_ON_MOUSE(msg, fn) { (msg), 0, 0, 0, AFX_THUNK_OF(p_->fn((UINT)m_.wParam, CPoint(GET_X_LPARAM(m_.lParam), GET_Y_LPARAM(m_.lParam)));) },
#define ON_WM_LBUTTONDOWN() AFX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_RBUTTONDOWN() AFX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_MOUSEMOVE() AFX_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
