// The accessible object the library's windows hand to screen readers: the
// system's standard object for the window, with what the window's object
// knows better put in its place.
#include "framework/accessible_object.h"

#include "framework/host_call.h"
#include "framework/wnd.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>

namespace {
// Loaded on the first request, so that a host without a screen reader never
// loads oleacc and the COM libraries it brings; kept for the process's life:
// objects handed out may call into it at any time.
struct OleAccess {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    decltype(&SysFreeString) freeString = nullptr;
    decltype(&VariantClear) clearVariant = nullptr;
};

const OleAccess* LoadOleAccess() {
    static OleAccess api;
    static bool tried = false;
    if (!tried) {
        tried = true;
        HMODULE oleacc = LoadLibraryA("oleacc.dll");
        HMODULE oleaut = LoadLibraryA("oleaut32.dll");
        if (oleacc && oleaut) {
            api.createStandard = reinterpret_cast<decltype(api.createStandard)>(
                GetProcAddress(oleacc, "CreateStdAccessibleObject"));
            api.resultFromObject = reinterpret_cast<decltype(api.resultFromObject)>(
                GetProcAddress(oleacc, "LresultFromObject"));
            api.allocString = reinterpret_cast<decltype(api.allocString)>(
                GetProcAddress(oleaut, "SysAllocString"));
            api.freeString =
                reinterpret_cast<decltype(api.freeString)>(GetProcAddress(oleaut, "SysFreeString"));
            api.clearVariant = reinterpret_cast<decltype(api.clearVariant)>(
                GetProcAddress(oleaut, "VariantClear"));
        }
    }
    const bool complete = api.createStandard && api.resultFromObject && api.allocString &&
                          api.freeString && api.clearVariant;
    return complete ? &api : nullptr;
}

bool IsChildId(const VARIANT& id) {
    return id.vt == VT_I4;
}

class CAccessibleObject final : public IAccessible {
public:
    CAccessibleObject(HWND window, LONG objectId, IAccessible* standard, const OleAccess& api)
        : m_window(window), m_objectId(objectId), m_standard(standard), m_api(api) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_refs); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG refs = --m_refs;
        if (refs == 0) {
            m_standard->Release();
            delete this;
        }
        return static_cast<ULONG>(refs);
    }

    // IDispatch: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Answer(
            [&](CAccessibleSource& source) {
                *count = Items(source);
                return *count > 0 ? S_OK : m_standard->get_accChildCount(count);
            },
            [&] { return m_standard->get_accChildCount(count); });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
        if (!IsItem(id))
            return m_standard->get_accChild(id, child);
        *child = nullptr; // an item is no object of its own
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
        AccessibleFacts facts;
        if (!Describe(id, &facts))
            return m_standard->get_accName(id, name);
        return Text(facts.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
        return Number(id, role, &AccessibleFacts::role, &IAccessible::get_accRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
        return Number(id, state, &AccessibleFacts::state, &IAccessible::get_accState);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT id) override {
        AccessibleFacts facts;
        if (!IsItem(id) || !Describe(id, &facts))
            return m_standard->accLocation(left, top, width, height, id);
        *left = facts.screen.left;
        *top = facts.screen.top;
        *width = facts.screen.right - facts.screen.left;
        *height = facts.screen.bottom - facts.screen.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
        AccessibleFacts facts;
        if (!IsItem(id) || !Describe(id, &facts))
            return m_standard->get_accDefaultAction(id, action);
        return Text(facts.defaultAction, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
        AccessibleFacts facts;
        if (!IsItem(id) || !Describe(id, &facts))
            return m_standard->accDoDefaultAction(id);
        if (facts.defaultAction.empty())
            return DISP_E_MEMBERNOTFOUND;
        return Answer(
            [&](CAccessibleSource& source) {
                source.DoAccessibleDefaultAction(id.lVal);
                return S_OK;
            },
            [] { return E_FAIL; });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        return Answer(
            [&](CAccessibleSource& source) {
                const LONG item = source.AccessibleItemAt(POINT{x, y});
                if (item <= 0)
                    return m_standard->accHitTest(x, y, hit);
                hit->vt = VT_I4;
                hit->lVal = item;
                return S_OK;
            },
            [&] { return m_standard->accHitTest(x, y, hit); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Answer(
            [&](CAccessibleSource& source) {
                const LONG item = ::GetFocus() == m_window ? source.FocusedAccessibleItem() : 0;
                if (item <= 0)
                    return m_standard->get_accFocus(focus);
                focus->vt = VT_I4;
                focus->lVal = item;
                return S_OK;
            },
            [&] { return m_standard->get_accFocus(focus); });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Answer(
            [&](CAccessibleSource& source) {
                const LONG count = Items(source);
                const LONG from = IsChildId(start) ? start.lVal : -1;
                LONG to = 0;
                if (count <= 0 || from < 0 || from > count)
                    return m_standard->accNavigate(direction, start, end);
                if (from == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
                    to = 1;
                else if (from == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
                    to = count;
                else if (from > 0 && direction == NAVDIR_NEXT)
                    to = from < count ? from + 1 : 0;
                else if (from > 0 && direction == NAVDIR_PREVIOUS)
                    to = from - 1;
                else
                    return m_standard->accNavigate(direction, start, end);
                end->vt = to > 0 ? VT_I4 : VT_EMPTY;
                end->lVal = to;
                return to > 0 ? S_OK : S_FALSE;
            },
            [&] { return m_standard->accNavigate(direction, start, end); });
    }

    // The rest is the standard object's; items have none of it.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
        return IsItem(id) ? Nothing(value) : m_standard->get_accValue(id, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override {
        return IsItem(id) ? Nothing(text) : m_standard->get_accDescription(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* text) override {
        return IsItem(id) ? Nothing(text) : m_standard->get_accHelp(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, long* topic) override {
        return IsItem(id) ? Nothing(file) : m_standard->get_accHelpTopic(file, id, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* keys) override {
        return IsItem(id) ? Nothing(keys) : m_standard->get_accKeyboardShortcut(id, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return m_standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT id) override {
        return IsItem(id) ? DISP_E_MEMBERNOTFOUND : m_standard->accSelect(flags, id);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override {
        return m_standard->put_accName(id, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override {
        return m_standard->put_accValue(id, value);
    }

private:
    ~CAccessibleObject() = default;

    // The window's object, while the window lives and the call comes on its
    // thread (window objects belong to their thread); otherwise null.
    CAccessibleSource* Source() const {
        if (!::IsWindow(m_window) ||
            ::GetWindowThreadProcessId(m_window, nullptr) != ::GetCurrentThreadId())
            return nullptr;
        return dynamic_cast<CAccessibleSource*>(CWnd::FromHandlePermanent(m_window));
    }

    // ours(source) when the window's object answers, else standard(); no
    // exception leaves for the caller.
    template <class Ours, class Standard> HRESULT Answer(Ours ours, Standard standard) const {
        return CallGuarded(E_OUTOFMEMORY, [&] {
            CAccessibleSource* source = Source();
            return source ? ours(*source) : standard();
        });
    }

    // Items belong to the client area's object.
    LONG Items(const CAccessibleSource& source) const {
        return m_objectId == OBJID_CLIENT ? source.AccessibleItemCount() : 0;
    }

    bool IsItem(const VARIANT& id) const {
        if (!IsChildId(id) || id.lVal <= 0)
            return false;
        const CAccessibleSource* source = Source();
        return source && id.lVal <= Items(*source);
    }

    // The facts of the window or an item; false when the window's object
    // cannot tell them (the standard object answers then).
    bool Describe(const VARIANT& id, AccessibleFacts* facts) const {
        return CallGuarded(false, [&] {
            const CAccessibleSource* source = Source();
            if (!source || !IsChildId(id) || id.lVal < 0 || id.lVal > Items(*source))
                return false;
            if (id.lVal == CHILDID_SELF)
                StandardFacts(facts);
            source->DescribeAccessible(id.lVal, facts);
            return true;
        });
    }

    // What the system's object says of the window; a role it does not tell
    // is the object's kind.
    void StandardFacts(AccessibleFacts* facts) const {
        facts->role = m_objectId == OBJID_WINDOW ? ROLE_SYSTEM_WINDOW : ROLE_SYSTEM_CLIENT;
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        if (m_standard->get_accName(self, &name) == S_OK && name)
            facts->name = name;
        m_api.freeString(name);
        VARIANT value;
        value.vt = VT_EMPTY;
        if (SUCCEEDED(m_standard->get_accRole(self, &value)) && value.vt == VT_I4)
            facts->role = value.lVal;
        m_api.clearVariant(&value);
        value.vt = VT_EMPTY;
        if (SUCCEEDED(m_standard->get_accState(self, &value)) && value.vt == VT_I4)
            facts->state = value.lVal;
        m_api.clearVariant(&value);
    }

    // A role or state: the window object's fact, else the standard object's answer.
    HRESULT Number(const VARIANT& id, VARIANT* out, LONG AccessibleFacts::*fact,
                   HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, VARIANT*)) const {
        AccessibleFacts facts;
        if (!Describe(id, &facts))
            return (m_standard->*standard)(id, out);
        out->vt = VT_I4;
        out->lVal = facts.*fact;
        return S_OK;
    }

    HRESULT Text(const std::wstring& text, BSTR* out) const {
        if (text.empty())
            return Nothing(out);
        *out = m_api.allocString(text.c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT Nothing(BSTR* out) {
        *out = nullptr;
        return S_FALSE;
    }

    LONG m_refs = 1;
    HWND m_window;
    LONG m_objectId;         // OBJID_CLIENT or OBJID_WINDOW
    IAccessible* m_standard; // the system's object for the window, owned
    const OleAccess& m_api;
};
} // namespace

LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, bool windowToo) {
    const auto id = static_cast<LONG>(objectId);
    if (id != OBJID_CLIENT && !(windowToo && id == OBJID_WINDOW))
        return 0;
    const OleAccess* api = LoadOleAccess();
    IAccessible* standard = nullptr;
    if (!api || FAILED(api->createStandard(window, id, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new (std::nothrow) CAccessibleObject(window, id, standard, *api);
    if (!object) {
        standard->Release();
        return 0;
    }
    // The result holds its own reference; a failure (negative) is no answer.
    const LRESULT result = api->resultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result > 0 ? result : 0;
}

void NotifyAccessibleEvent(DWORD event, HWND window, LONG item) {
    ::NotifyWinEvent(event, window, OBJID_CLIENT, item);
}

std::wstring AccessibleText(const std::string& text) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                              length);
    return wide;
}
