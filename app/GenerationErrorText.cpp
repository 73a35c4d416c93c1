#include "GenerationErrorText.h"

namespace {

String StepName(TCsrStep step)
{
    switch (step) {
    case TCsrStep::CheckFileName: return u"بررسی نام فایل";
    case TCsrStep::CreateRsa: return u"آماده سازی RSA";
    case TCsrStep::GenerateKey: return u"تولید کلید";
    case TCsrStep::ExportPrivateKey: return u"استخراج کلید خصوصی";
    case TCsrStep::CreateRequest: return u"ایجاد درخواست";
    case TCsrStep::SetSubjectField: return u"درج مشخصات درخواست";
    case TCsrStep::SignRequest: return u"امضای درخواست";
    case TCsrStep::SavePrivateKey: return u"ذخیره کلید خصوصی";
    case TCsrStep::CreateFileAccess: return u"دسترسی به فایل";
    case TCsrStep::WriteRequest: return u"ذخیره درخواست";
    case TCsrStep::ExportPublicKey: return u"استخراج کلید عمومی";
    case TCsrStep::CreatePublicKey: return u"ایجاد کلید عمومی";
    case TCsrStep::LoadPublicKey: return u"خواندن کلید عمومی";
    case TCsrStep::SavePublicKey: return u"ذخیره کلید عمومی";
    case TCsrStep::PrepareFiles: return u"ایجاد فایل در پوشه";
    case TCsrStep::ReplaceFiles: return u"جایگزینی فایل‌های قبلی";
    }
    return String();
}

} // namespace

String GenerationErrorDetails(const ECsrGenerationError& error)
{
    String details = u"مرحله: " + StepName(error.Step());
    if (!error.FileName().empty())
        details += u"\nفایل: " + error.FileName();
    return details;
}
