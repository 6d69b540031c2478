#pragma once
#include <windows.h>
#include <oleauto.h>
#include <utility>

// Event-sink maps: control events bound by DISPID for a range of control
// ids. The handler gets the firing control's current id first, then the
// event's arguments, converted by the handler's own parameter types.

class CCmdTarget;
typedef void (*AFX_EVENT_THUNK)(CCmdTarget* target, UINT id, DISPPARAMS* params);

struct AFX_EVENTSINKMAP_ENTRY {
    DISPID dispid;
    UINT nFirstID;
    UINT nLastID;
    UINT nArgs;              // arguments the handler needs
    AFX_EVENT_THUNK pfn;     // null ends the table
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

namespace afx_event {

// DISPPARAMS keeps arguments last-first.
inline VARIANT& Arg(DISPPARAMS* p, UINT index) { return p->rgvarg[p->cArgs - 1 - index]; }

template <class T> struct Convert;

template <> struct Convert<IDispatch*> {
    static IDispatch* From(VARIANT& v)
    {
        if (v.vt == VT_DISPATCH) return v.pdispVal;
        if (v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal) return *v.ppdispVal;
        return nullptr;
    }
};
template <> struct Convert<IDispatch**> {
    static IDispatch** From(VARIANT& v)
    {
        static IDispatch* ignored;
        ignored = nullptr;
        return v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal ? v.ppdispVal : &ignored;
    }
};
template <> struct Convert<VARIANT*> {
    static VARIANT* From(VARIANT& v)
    {
        return v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal ? v.pvarVal : &v;
    }
};
template <> struct Convert<VARIANT_BOOL*> {
    static VARIANT_BOOL* From(VARIANT& v)
    {
        static VARIANT_BOOL ignored;
        ignored = VARIANT_FALSE;
        return v.vt == (VT_BYREF | VT_BOOL) && v.pboolVal ? v.pboolVal : &ignored;
    }
};
template <> struct Convert<long> {
    static long From(VARIANT& v)
    {
        VARIANT copy;
        ::VariantInit(&copy);
        long value = 0;
        if (SUCCEEDED(::VariantChangeType(&copy, &v, 0, VT_I4)))
            value = copy.lVal;
        ::VariantClear(&copy);
        return value;
    }
};
template <> struct Convert<BOOL> {
    static BOOL From(VARIANT& v) { return Convert<long>::From(v) != 0; }
};
template <> struct Convert<const wchar_t*> {
    static const wchar_t* From(VARIANT& v)
    {
        if (v.vt == VT_BSTR && v.bstrVal) return v.bstrVal;
        if (v.vt == (VT_BYREF | VT_BSTR) && v.pbstrVal && *v.pbstrVal) return *v.pbstrVal;
        return L"";
    }
};

template <class C, class... A, std::size_t... I>
void Call(C* target, void (C::*fn)(UINT, A...), UINT id, DISPPARAMS* p, std::index_sequence<I...>)
{
    (void)p;  // events without arguments
    (target->*fn)(id, Convert<A>::From(Arg(p, static_cast<UINT>(I)))...);
}

template <class C, class... A>
void Invoke(CCmdTarget* target, void (C::*fn)(UINT, A...), UINT id, DISPPARAMS* p)
{
    Call(static_cast<C*>(target), fn, id, p, std::index_sequence_for<A...>());
}

template <class C, class... A>
constexpr UINT ArgCount(void (C::*)(UINT, A...)) { return sizeof...(A); }

}  // namespace afx_event

#define DECLARE_EVENTSINK_MAP() \
protected: \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap(); \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override; \
private:

#define BEGIN_EVENTSINK_MAP(theClass, baseClass) \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { return GetThisEventSinkMap(); } \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap() \
    { \
        typedef baseClass TheBaseClass; \
        static const AFX_EVENTSINKMAP_ENTRY entries[] = {

#define END_EVENTSINK_MAP() \
            { 0, 0, 0, 0, nullptr } \
        }; \
        static const AFX_EVENTSINKMAP map = { &TheBaseClass::GetThisEventSinkMap, entries }; \
        return &map; \
    }

#define ON_EVENT_RANGE(theClass, idFirst, idLast, dispid, fn) \
    { (dispid), (idFirst), (idLast), afx_event::ArgCount(&theClass::fn), \
      [](CCmdTarget* t_, UINT id_, DISPPARAMS* p_) { afx_event::Invoke(t_, &theClass::fn, id_, p_); } },
