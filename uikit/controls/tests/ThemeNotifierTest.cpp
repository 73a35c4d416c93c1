#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurStyleIF.h"
#include "StylingRegistry.h"
#include "WideText.h"

namespace {

int ProcessThreadCount()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    CloseHandle(snapshot);
    return count;
}

// A receiver of the monitor's message that notes who got it, in order.
struct TReceiver {
    TReceiver(TWinControl* parent, std::vector<String>& log, String name) : Window(new TThemeNotifierWindow(parent))
    {
        Window->SetParent(parent);
        Window->SetOnOfficeThemeChange(TNotifyEvent([&log, name](TObject*) { log.push_back(name); }));
        Window->SetWindowProc(TWndMethod([this](TMessage& m) {
            if (m.Msg == RM_OFFICETHEMECHANGE)
                Path = FromWidePtr(reinterpret_cast<const wchar_t*>(m.LParam));
            Window->WndProc(m);
        }));
    }
    HWND Handle() { return Window->Handle(); }
    TThemeNotifierWindow* Window;
    String Path;
};

class ThemeNotifierTest : public TStylingRegistryTest {
protected:
    void TouchTheme(const String& version, int value) { WriteInteger(OfficeRoot + u"\\" + version + u"\\Common", u"Theme", value); }
};

} // namespace

TEST_F(ThemeNotifierTest, WithoutOffice2007OrLaterNothingIsWatched)
{
    CreateKey(OfficeRoot + u"\\11.0\\Common\\General");
    TForm form(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(&form);
    ASSERT_TRUE(notifier);
    EXPECT_EQ(GetThemeNotifier(&form), notifier);
    EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->NotifierWindow(), nullptr);
    notifier->RegisterWindow(form.Handle()); // nothing to register with
    delete notifier;
    TThemeNotifier* next = GetThemeNotifier(&form); // a new one after the first is gone
    EXPECT_NE(next, nullptr);
    delete next;
}

TEST_F(ThemeNotifierTest, ChangesReachTheNotifierThenTheRegisteredWindowsOnce)
{
    CreateKey(OfficeRoot + u"\\12.0\\Common\\General");
    TouchTheme(u"12.0", 1);
    const int threadsBefore = ProcessThreadCount();
    TForm form(nullptr);
    form.HandleNeeded();
    std::vector<String> log;
    TReceiver first(&form, log, u"first"), second(&form, log, u"second");
    first.Handle();
    second.Handle();

    auto* notifier = GetThemeNotifier(&form);
    ASSERT_TRUE(notifier->RegMonitorThread());
    TRegMonitorThread& thread = *notifier->RegMonitorThread();
    EXPECT_EQ(thread.Key, u"Software\\Microsoft\\Office\\12.0\\Common");
    EXPECT_EQ(thread.Filter(), REG_NOTIFY_CHANGE_LAST_SET);
    EXPECT_TRUE(thread.WatchSub);
    EXPECT_EQ(thread.Wnd, notifier->NotifierWindow()->Handle());
    notifier->SetOnOfficeThemeChange(TNotifyEvent([&](TObject* sender) {
        EXPECT_EQ(sender, notifier);
        log.push_back(u"notifier");
    }));
    notifier->RegisterWindow(second.Handle());
    notifier->RegisterWindow(first.Handle());
    notifier->RegisterWindow(second.Handle());
    EXPECT_EQ(thread.Windows().size(), 2u);
    PumpFor(100); // the thread arms its notification

    TouchTheme(u"12.0", 2);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= 3; }));
    PumpFor(200);
    EXPECT_EQ(log, (std::vector<String>{u"notifier", u"second", u"first"}));
    EXPECT_EQ(first.Path, u"Software\\Microsoft\\Office\\12.0\\Common");

    // A change below the key counts too; an unregistered window hears no more.
    log.clear();
    notifier->UnRegisterWindow(second.Handle());
    WriteInteger(OfficeRoot + u"\\12.0\\Common\\Sub", u"Value", 1);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= 2; }));
    PumpFor(200);
    EXPECT_EQ(log, (std::vector<String>{u"notifier", u"first"}));

    delete notifier; // stops the thread at once and joins it
    log.clear();
    TouchTheme(u"12.0", 3);
    PumpFor(300);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ProcessThreadCount(), threadsBefore);

    auto* again = GetThemeNotifier(&form); // and it starts again
    ASSERT_TRUE(again->RegMonitorThread());
    again->RegisterWindow(first.Handle());
    PumpFor(100);
    TouchTheme(u"12.0", 1);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= 1; }));
    delete again;
}

TEST_F(ThemeNotifierTest, AKeyThatCannotBeOpenedEndsTheThreadQuietly)
{
    TForm form(nullptr);
    std::vector<String> log;
    TReceiver receiver(&form, log, u"receiver");
    auto thread = std::make_unique<TRegMonitorThread>();
    thread->Key = u"Software\\Microsoft\\Office\\99.0\\Missing";
    thread->Wnd = receiver.Handle();
    EXPECT_EQ(thread->Filter(), 15); // every kind of change unless told otherwise
    thread->Start();
    ASSERT_TRUE(PumpUntil([&] { return thread->Finished(); }));
    ASSERT_TRUE(thread->FatalException());
    EXPECT_EQ(thread->FatalException()->Message(), u"Unable to open registry key Software\\Microsoft\\Office\\99.0\\Missing");
    thread->AddWindow(receiver.Handle()); // the ended thread is still safe to talk to
    thread.reset();
    EXPECT_TRUE(log.empty());
}
