#include "framework/accessible_link.h"

#include <oleacc.h>

#include <atomic>

namespace {

// The accessibility library and the text allocator its answers use, loaded
// from the system's folder when a client first asks, and kept: a client
// may hold an object of ours until the process ends.
struct AccessibilityLibrary {
    decltype(&CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
};

template <typename Function>
void Find(HMODULE module, const char* name, Function& function)
{
    function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

const AccessibilityLibrary* Library()
{
    static const AccessibilityLibrary library = [] {
        AccessibilityLibrary found;
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return found;
        const std::wstring system(folder);
        HMODULE oleacc = LoadLibraryW((system + L"\\oleacc.dll").c_str());
        HMODULE oleaut = LoadLibraryW((system + L"\\oleaut32.dll").c_str());
        Find(oleacc, "CreateStdAccessibleObject", found.createStandardObject);
        Find(oleacc, "LresultFromObject", found.lresultFromObject);
        Find(oleaut, "SysAllocString", found.allocString);
        return found;
    }();
    const bool complete = library.createStandardObject && library.lresultFromObject && library.allocString;
    return complete ? &library : nullptr;
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_EMPTY || (child.vt == VT_I4 && child.lVal == CHILDID_SELF);
}

}  // namespace

// The system's object for the control, with a link's role, state, name and
// default action. Called on the window's thread: the object lives in its
// apartment, and other threads and processes reach it through COM.
class LinkAccessibleObject final : public IAccessible, public IOleWindow {
public:
    LinkAccessibleObject(HWND window, IAccessible* standard, LinkFacts& facts, const AccessibilityLibrary& library)
        : m_window(window), m_standard(standard), m_facts(&facts), m_library(library)
    {}

    void Disconnect()
    {
        m_window = nullptr;
        m_facts = nullptr;
        if (m_standard)
            m_standard->Release();
        m_standard = nullptr;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else
            *object = nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) {
            Disconnect();
            delete this;
        }
        return left;
    }

    // What makes it a link.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const HRESULT checked = Check(child, role);
        if (checked != S_OK)
            return checked;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT checked = Check(child, state);
        if (checked != S_OK)
            return checked;
        // What the window itself says of being shown and enabled, and a link's own states.
        VARIANT shown{};
        const LONG kept = SUCCEEDED(m_standard->get_accState(child, &shown)) && shown.vt == VT_I4 ? shown.lVal : 0;
        state->vt = VT_I4;
        state->lVal = (kept & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_UNAVAILABLE)) |
                      STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE |
                      (GetFocus() == m_window ? STATE_SYSTEM_FOCUSED : 0) |
                      (m_facts->LinkVisited() ? STATE_SYSTEM_TRAVERSED : 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const HRESULT checked = Check(child, name);
        return checked == S_OK ? Text(m_facts->LinkAddress(), name) : checked;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        const HRESULT checked = Check(child, action);
        return checked == S_OK ? Text(m_facts->LinkActionName(), action) : checked;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (!m_facts)
            return CO_E_OBJNOTCONNECTED;
        if (!IsSelf(child))
            return E_INVALIDARG;
        // Queued, so that the caller never waits for the shell.
        m_facts->OpenLinkLater();
        return S_OK;
    }

    // Everything else as the system answers for the window.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return m_standard ? m_standard->GetTypeInfoCount(count) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return m_standard ? m_standard->GetTypeInfo(index, locale, info) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return m_standard ? m_standard->GetIDsOfNames(iid, names, count, locale, ids) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override
    {
        return m_standard ? m_standard->Invoke(id, iid, locale, flags, parameters, result, exception, wrong)
                          : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return m_standard ? m_standard->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return m_standard ? m_standard->get_accChildCount(count) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return m_standard ? m_standard->get_accChild(child, object) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return m_standard ? m_standard->get_accValue(child, value) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return m_standard ? m_standard->get_accDescription(child, description) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_standard ? m_standard->get_accHelp(child, help) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return m_standard ? m_standard->get_accHelpTopic(file, child, topic) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return m_standard ? m_standard->get_accKeyboardShortcut(child, shortcut) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override
    {
        return m_standard ? m_standard->get_accFocus(focused) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override
    {
        return m_standard ? m_standard->get_accSelection(selected) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override
    {
        return m_standard ? m_standard->accSelect(how, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return m_standard ? m_standard->accLocation(left, top, width, height, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return m_standard ? m_standard->accNavigate(direction, start, end) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return m_standard ? m_standard->accHitTest(x, y, child) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard ? m_standard->put_accName(child, name) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard ? m_standard->put_accValue(child, value) : CO_E_OBJNOTCONNECTED;
    }

    // IOleWindow: the window, for clients that start from an object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window)
            return E_POINTER;
        *window = m_window;
        return m_window ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~LinkAccessibleObject() = default;

    // S_OK when a question about the link itself can be answered into `out`.
    template <typename Out>
    HRESULT Check(const VARIANT& child, Out* out) const
    {
        if (!out)
            return E_POINTER;
        *out = Out{};
        if (!m_facts)
            return CO_E_OBJNOTCONNECTED;
        return IsSelf(child) ? S_OK : E_INVALIDARG;
    }

    HRESULT Text(const std::wstring& text, BSTR* out) const
    {
        *out = m_library.allocString(text.c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    std::atomic<ULONG> m_references{1};
    HWND m_window;
    IAccessible* m_standard;  // null once disconnected
    LinkFacts* m_facts;       // null once disconnected
    const AccessibilityLibrary& m_library;
};

LRESULT AccessibleLink::Answer(HWND window, WPARAM wParam, LPARAM lParam, LinkFacts& facts)
{
    // Clients pass the object id as a 32-bit number, sign-extended or not.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return 0;
    const AccessibilityLibrary* library = Library();
    if (!library)
        return 0;
    if (!m_object) {
        IAccessible* standard = nullptr;
        if (FAILED(library->createStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard))) ||
            !standard)
            return 0;
        m_object = new LinkAccessibleObject(window, standard, facts, *library);
    }
    const LRESULT answer =
        library->lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(m_object));
    return answer > 0 ? answer : 0;
}

void AccessibleLink::Disconnect()
{
    if (!m_object)
        return;
    m_object->Disconnect();
    m_object->Release();
    m_object = nullptr;
}
