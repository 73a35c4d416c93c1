#include "WindowProcExceptions.h"

#include <windows.h>

#include "SysUtils.h"
#include "WideText.h"

namespace {

TWindowProcExceptionHandler& Handler()
{
    static TWindowProcExceptionHandler handler;
    return handler;
}

void ShowInMessageBox(std::exception_ptr error)
{
    String text;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        return;
    } catch (const Exception& e) {
        text = e.Message();
    } catch (const std::exception& e) {
        text = FromUtf8(e.what());
    } catch (...) {
        text = u"Unknown exception";
    }
    MessageBoxW(GetActiveWindow(), WidePtr(text), nullptr, MB_OK | MB_ICONERROR);
}

} // namespace

void SetWindowProcExceptionHandler(TWindowProcExceptionHandler handler)
{
    Handler() = std::move(handler);
}

void HandleWindowProcException(TObject* sender, std::exception_ptr error)
{
    if (Handler())
        Handler()(sender, error);
    else
        ShowInMessageBox(error);
}
