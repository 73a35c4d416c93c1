// The theme-change monitor: a thread blocked on registry-change notifications of the Office
// "Common" key, and the process-wide notifier that owns it.
#include "RurStyleIF.h"

#include "Forms.h"
#include "Registry.h"
#include "SysUtils.h"
#include "WideText.h"

namespace {

TThemeNotifier* GNotifier = nullptr;

constexpr const char16_t* OfficeCommonKeys[] = {
    u"Software\\Microsoft\\Office\\12.0\\Common", u"Software\\Microsoft\\Office\\14.0\\Common",
    u"Software\\Microsoft\\Office\\15.0\\Common", u"Software\\Microsoft\\Office\\16.0\\Common",
};

} // namespace

void THandleList::DeleteValue(HWND AHandle)
{
    const int index = IndexOf(AHandle);
    if (index >= 0)
        Delete(index);
}

// ---- TRegMonitorThread ---------------------------------------------------------------------------

TRegMonitorThread::TRegMonitorThread()
    : FReg(std::make_unique<TRegistry>(KEY_READ)),
      // Unnamed: a named event would be shared with every other process that watches.
      FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
}

TRegMonitorThread::~TRegMonitorThread()
{
    if (Started()) {
        Stop();
        // The thread may be inside SendMessageW to a window of this thread: handle such messages
        // until it ends, then join it.
        while (!Finished())
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
                MSG msg;
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
        WaitFor();
    }
    if (FEvent)
        CloseHandle(FEvent);
}

void TRegMonitorThread::Stop()
{
    Terminate();
    SetEvent(FEvent);
}

int TRegMonitorThread::Filter()
{
    if (FFilter == 0)
        FFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET
                  | REG_NOTIFY_CHANGE_SECURITY;
    return FFilter;
}

void TRegMonitorThread::AddWindow(HWND AHandle)
{
    std::lock_guard<std::mutex> lock(FLock);
    if (!FWinList.HasValue(AHandle))
        FWinList.Add(AHandle);
}

void TRegMonitorThread::RemoveWindow(HWND AHandle)
{
    std::lock_guard<std::mutex> lock(FLock);
    FWinList.DeleteValue(AHandle);
}

std::vector<HWND> TRegMonitorThread::Windows() const
{
    std::lock_guard<std::mutex> lock(FLock);
    std::vector<HWND> result;
    for (int i = 0; i < FWinList.Count(); ++i)
        result.push_back(FWinList.GetInteger(i));
    return result;
}

void TRegMonitorThread::Execute()
{
    FReg->SetRootKey(RootKey);
    if (!FReg->OpenKeyReadOnly(Key))
        throw Exception(u"Unable to open registry key " + Key);
    const DWORD filter = DWORD(Filter());
    RegNotifyChangeKeyValue(FReg->CurrentKey(), TRUE, filter, FEvent, TRUE);
    while (!Terminated()) {
        if (WaitForSingleObject(FEvent, INFINITE) != WAIT_OBJECT_0)
            continue;
        if (Terminated())
            break;
        Notify();
        ResetEvent(FEvent);
        RegNotifyChangeKeyValue(FReg->CurrentKey(), TRUE, filter, FEvent, TRUE);
    }
}

void TRegMonitorThread::Notify()
{
    const String key = Key;
    const WPARAM root = reinterpret_cast<WPARAM>(RootKey);
    const LPARAM path = reinterpret_cast<LPARAM>(WidePtr(key));
    if (Wnd)
        SendMessageW(Wnd, RM_OFFICETHEMECHANGE, root, path);
    // A copy, so that windows may register and unregister while the messages are handled.
    for (HWND window : Windows())
        SendMessageW(window, RM_OFFICETHEMECHANGE, root, path);
}

// ---- TThemeNotifierWindow ------------------------------------------------------------------------

TAVIN_PUBLISHED(TThemeNotifierWindow) { TAVIN_PROPERTY(TNotifyEvent, OnOfficeThemeChange); }

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) { SetVisible(false); }

void TThemeNotifierWindow::WndProc(TMessage& AMessage)
{
    if (AMessage.Msg == RM_OFFICETHEMECHANGE && FOnOfficeThemeChange)
        FOnOfficeThemeChange(this);
    TWinControl::WndProc(AMessage);
}

// ---- TThemeNotifier ------------------------------------------------------------------------------

TAVIN_PUBLISHED(TThemeNotifier) { TAVIN_PROPERTY(TNotifyEvent, OnOfficeThemeChange); }

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    if (ComponentState().Contains(csDesigning))
        return;
    const int version = GetInstalledOfficeVersion();
    if (version < 1 || version > 4)
        return;
    FNotifier = new TThemeNotifierWindow(this);
    if (auto* parent = dynamic_cast<TWinControl*>(AOwner))
        FNotifier->SetParent(parent);
    else
        FNotifier->SetParentWindow(HWND_MESSAGE);
    FNotifier->SetOnOfficeThemeChange(MakeHandler<&TThemeNotifier::NotifierThemeChange>(this));
    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->Wnd = FNotifier->Handle();
    FRegMonitorThread->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
    FRegMonitorThread->Key = OfficeCommonKeys[version - 1];
    FRegMonitorThread->RootKey = HKEY_CURRENT_USER;
    FRegMonitorThread->WatchSub = true;
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    FRegMonitorThread.reset();
    if (GNotifier == this)
        GNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND AHandle)
{
    if (FRegMonitorThread)
        FRegMonitorThread->AddWindow(AHandle);
}

void TThemeNotifier::UnRegisterWindow(HWND AHandle)
{
    if (FRegMonitorThread)
        FRegMonitorThread->RemoveWindow(AHandle);
}

void TThemeNotifier::NotifierThemeChange(TObject*)
{
    if (FOnOfficeThemeChange)
        FOnOfficeThemeChange(this);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    if (!GNotifier) {
        TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
        GNotifier = new TThemeNotifier(mainForm && mainForm->HandleAllocated() ? mainForm : AOwner);
    }
    return GNotifier;
}
