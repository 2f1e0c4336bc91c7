#include "accessible_names.h"

#include <objbase.h>

namespace involute::ui::win32 {

AccessibleNames::AccessibleNames() {
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already in this apartment, which still counts one more entry.
    leaveApartment_ = SUCCEEDED(joined);
    if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) {
        return;
    }
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
        services_ = nullptr;
    }
}

AccessibleNames::~AccessibleNames() {
    if (services_ != nullptr) {
        services_->Release();
    }
    if (leaveApartment_) {
        CoUninitialize();
    }
}

void AccessibleNames::name(HWND control, const std::wstring& name) {
    if (services_ != nullptr) {
        services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  PROPID_ACC_NAME, name.c_str());
    }
}

void AccessibleNames::forget(HWND control) {
    if (services_ != nullptr) {
        MSAAPROPID name = PROPID_ACC_NAME;
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name,
                                  1);
    }
}

}  // namespace involute::ui::win32
