// The names screen readers get for the window's fields and buttons. Wine's
// oleacc keeps no annotations (its SetHwndPropStr answers E_NOTIMPL), so this
// test puts an annotation service of its own in the process's class table,
// where CoCreateInstance finds it before the system's, and reads back what
// the window gave each control.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "utf16_windows.h"
#include "window_driver.h"

namespace involute::testing {
namespace {

using ui::Control;

// Keeps the name given to each window's client object; every other
// annotation is refused.
class RecordedNames final : public IAccPropServices {
  public:
    std::map<HWND, std::wstring> names;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IAccPropServices ? this : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND window, DWORD object, DWORD child,
                                             MSAAPROPID property, LPCWSTR text) override {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF ||
            property != PROPID_ACC_NAME) {
            return E_INVALIDARG;
        }
        names[window] = text;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD /*object*/, DWORD /*child*/,
                                             const MSAAPROPID* /*properties*/,
                                             int /*count*/) override {
        names.erase(window);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                            IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                                IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**,
                                                        DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                          DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                                 IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                           DWORD*) override {
        return E_NOTIMPL;
    }
};

class RecordedNamesFactory final : public IClassFactory {
  public:
    explicit RecordedNamesFactory(RecordedNames& names) : names_(names) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        return outer != nullptr ? CLASS_E_NOAGGREGATION : names_.QueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL /*lock*/) override { return S_OK; }

  private:
    RecordedNames& names_;
};

class Win32WindowNames : public Win32WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_EQ(CoRegisterClassObject(CLSID_AccPropServices, &factory_, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &registration_),
                  S_OK);
        Win32WindowTest::SetUp();
    }
    void TearDown() override {
        Win32WindowTest::TearDown();
        CoRevokeClassObject(registration_);
        CoUninitialize();
    }

    [[nodiscard]] std::string spokenName(Control control) const {
        const auto found = names_.names.find(of(control));
        return found == names_.names.end() ? "(unnamed)" : utf8::utf8FromUtf16(found->second);
    }

    RecordedNames names_;

  private:
    RecordedNamesFactory factory_{names_};
    DWORD registration_ = 0;
};

TEST_F(Win32WindowNames, EachFieldHasItsLabelsNameAndEachButtonItsCaption) {
    const std::map<Control, std::string> expected{
        {Control::Text1, "模数"},        {Control::Text2, "齿数"},
        {Control::Text3, "压力角"},      {Control::Text4, "螺旋角"},
        {Control::Text6, "大径"},        {Control::Text8, "渐开线起始圆"},
        {Control::Text9, "分度圆直径"},  {Control::Text10, "基圆直径"},
        {Control::Text11, "基圆螺旋角"}, {Control::Text12, "基节"},
        {Control::Text13, "安装距离"},   {Control::Text14, "记录长度"},
        {Control::Command1, "开始"},     {Control::Command2, "退出"},
    };
    for (const auto& [control, name] : expected) {
        EXPECT_EQ(spokenName(control), name) << ui::controlName(control);
    }
    EXPECT_EQ(names_.names.size(), expected.size());
}

TEST_F(Win32WindowNames, StartsNameFollowsItsCaption) {
    click(Control::Command1);
    EXPECT_EQ(spokenName(Control::Command1), "计算结束");
}

TEST_F(Win32WindowNames, GoWithTheWindow) {
    DestroyWindow(window().handle());
    EXPECT_TRUE(names_.names.empty());
}

}  // namespace
}  // namespace involute::testing
