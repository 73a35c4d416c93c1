// The data-aware glow button: its operation on click, its enabling from the data set and its
// built-in glyphs.
#include "RurGlowButton_DB.h"

#include <array>

const String SDeleteRecordQuestion = u"Delete record?";

TAVIN_PUBLISHED(TDBRurGlowButton)
{
    TAVIN_PROPERTY(bool, AutoDisable).Default(true);
    TAVIN_PROPERTY(bool, ConfirmAction).Default(false);
    TAVIN_PROPERTY(String, ConfirmActionString);
    TAVIN_PROPERTY(TDataSource*, DataSource);
    TAVIN_PROPERTY(TDBGlowButtonType, DBButtonType).Default(dbCustom);
    TAVIN_PROPERTY(TDBBDisableControls, DisableControl);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(TBasicAction*, Action);
    TAVIN_PROPERTY(TGlowButtonAppearance*, Appearance);
    TAVIN_PROPERTY(RurGlowButton::TButtonLayout, Layout).Default(RurGlowButton::blGlyphLeft);
    TAVIN_PROPERTY(TBeforeActionEvent, OnBeforeAction);
    TAVIN_PROPERTY(TAfterActionEvent, OnAfterAction);
    TAVIN_PROPERTY(TGetConfirmEvent, OnGetConfirm);
    TAVIN_PROPERTY(TGetEnabledEvent, OnGetEnabled);
    TAVIN_PROPERTY(TNotifyEvent, OnEnabledChanged);
}

namespace {

struct TTypeGlyph {
    TDBGlowButtonType Type;
    const char16_t* Resource;
    TDBBDisableControls Disable;
};

// Each operation's glyph resource and the conditions that disable it.
const std::array<TTypeGlyph, 11> TypeGlyphs{{
    {dbFirst, u"DBIMGFIRST", {drBOF, drEditing, drEmpty}},
    {dbPrior, u"DBIMGPRIOR", {drBOF, drEditing, drEmpty}},
    {dbNext, u"DBIMGNEXT", {drEOF, drEditing, drEmpty}},
    {dbLast, u"DBIMGLAST", {drEOF, drEditing, drEmpty}},
    {dbInsert, u"DBIMGINSERT", {drReadonly, drEditing}},
    {dbAppend, u"DBIMGINSERT", {drReadonly, drEditing}},
    {dbDelete, u"DBIMGDELETE", {drReadonly, drEditing, drEmpty}},
    {dbEdit, u"DBIMGEDIT", {drReadonly, drEditing, drEmpty}},
    {dbPost, u"DBIMGPOST", {drNotEditing}},
    {dbCancel, u"DBIMGCANCEL", {drNotEditing}},
    {dbRefresh, u"DBIMGREFRESH", {drEditing}},
}};

const TTypeGlyph* GlyphOf(TDBGlowButtonType type)
{
    for (const TTypeGlyph& g : TypeGlyphs)
        if (g.Type == type)
            return &g;
    return nullptr;
}

void RunOperation(TDataSet& data, TDBGlowButtonType type)
{
    switch (type) {
    case dbFirst: data.First(); break;
    case dbPrior: data.Prior(); break;
    case dbNext: data.Next(); break;
    case dbLast: data.Last(); break;
    case dbInsert: data.Insert(); break;
    case dbAppend: data.Append(); break;
    case dbDelete: data.Delete(); break;
    case dbEdit: data.Edit(); break;
    case dbPost: data.Post(); break;
    case dbCancel: data.Cancel(); break;
    case dbRefresh: data.Refresh(); break;
    case dbCustom: break;
    }
}

} // namespace

TDBRurGlowButton::TDBRurGlowButton(TComponent* owner)
    : TRurCustomGlowButton(owner), FDataLink(std::make_unique<TDBGlowButtonDataLink>())
{
    const TNotifyEvent changed = MakeHandler<&TDBRurGlowButton::DataChanged>(this);
    FDataLink->OnEditingChanged = changed;
    FDataLink->OnDataSetChanged = changed;
    FDataLink->OnActiveChanged = changed;
}

TDBRurGlowButton::~TDBRurGlowButton()
{
    // Leaving the data source tells the link, which must not reach back into a button going away.
    FDataLink->OnEditingChanged = FDataLink->OnDataSetChanged = FDataLink->OnActiveChanged = nullptr;
    if (TDataSource* source = FDataLink->DataSource())
        source->RemoveFreeNotification(this);
}

void TDBRurGlowButton::WndProc(TMessage& message)
{
    TRurCustomGlowButton::WndProc(message);
    if (message.Msg == CM_ENABLEDCHANGED && !FInProcUpdateEnabled && !LoadingOrDestroying())
        UpdateEnabled();
}

void TDBRurGlowButton::Loaded()
{
    TRurCustomGlowButton::Loaded();
    if (ImageIndex() <= 0)
        LoadGlyph();
    UpdateEnabled();
}

void TDBRurGlowButton::Notification(TComponent* component, TOperation operation)
{
    TRurCustomGlowButton::Notification(component, operation);
    if (operation == opRemove && FDataLink && component == FDataLink->DataSource())
        SetDataSource(nullptr);
}

void TDBRurGlowButton::SetDataSource(TDataSource* value)
{
    if (TDataSource* old = FDataLink->DataSource(); old && old != value)
        old->RemoveFreeNotification(this);
    FDataLink->SetDataSource(value);
    if (value)
        value->FreeNotification(this);
    if (!ComponentState().Contains(csLoading))
        UpdateEnabled();
}

void TDBRurGlowButton::SetDBButtonType(TDBGlowButtonType value)
{
    if (FDBButtonType == value)
        return;
    if (value == dbDelete && FConfirmActionString.empty())
        FConfirmActionString = SDeleteRecordQuestion;
    FDBButtonType = value;
    if (!ComponentState().Contains(csReading) && !ComponentState().Contains(csLoading))
        LoadGlyph();
    if (const TTypeGlyph* glyph = GlyphOf(value))
        FDisableControls = glyph->Disable;
}

void TDBRurGlowButton::Click()
{
    TRurCustomGlowButton::Click();
    DoAction();
}

void TDBRurGlowButton::DoBeforeAction(bool& doAction)
{
    if (!Designing())
        FOnBeforeAction(this, doAction);
}

void TDBRurGlowButton::GetConfirmation(String& question, TMsgDlgButtons& buttons, int& helpCtx)
{
    question.clear();
    if (!FConfirmAction)
        return;
    question = FConfirmActionString;
    buttons = TMsgDlgButtons{mbOK, mbCancel};
    helpCtx = 0;
    FOnGetConfirm(this, question, buttons, helpCtx);
}

bool TDBRurGlowButton::AskConfirmation()
{
    String question;
    TMsgDlgButtons buttons;
    int helpCtx = 0;
    GetConfirmation(question, buttons, helpCtx);
    if (question.empty())
        return true;
    const int answer = MessageDlgPosHelp(question, mtConfirmation, buttons, helpCtx, -1, -1, u"");
    return answer == mrOk || answer == mrYes;
}

void TDBRurGlowButton::DoAction()
{
    if (!AskConfirmation())
        return;
    bool doAction = FDBButtonType != dbCustom;
    DoBeforeAction(doAction);
    TDataSource* source = FDataLink->DataSource();
    if (!doAction || !source || source->State() == dsInactive)
        return;
    try {
        RunOperation(*source->DataSet(), FDBButtonType);
    } catch (...) {
        bool showException = true;
        FOnAfterAction(this, showException);
        if (showException)
            throw;
        return;
    }
    bool showException = false;
    FOnAfterAction(this, showException);
}

void TDBRurGlowButton::UpdateEnabled()
{
    if (Designing() || LoadingOrDestroying() || !FAutoDisable || FInProcUpdateEnabled)
        return;
    FInProcUpdateEnabled = true;
    bool enabled = false;
    if (FDataLink->Active()) {
        const TDataSet& data = *FDataLink->DataSet();
        TDBBDisableControls now;
        if (data.Bof())
            now.Include(drBOF);
        if (data.Eof())
            now.Include(drEOF);
        if (!data.CanModify())
            now.Include(drReadonly);
        if (data.Bof() && data.Eof())
            now.Include(drEmpty);
        now.Include(FDataLink->Editing() ? drEditing : drNotEditing);
        enabled = (now * (FDisableControls - TDBBDisableControls{drEvent})).Empty();
        if (FDisableControls.Contains(drEvent))
            FOnGetEnabled(this, enabled);
    }
    const bool changed = enabled != Enabled();
    SetEnabled(enabled);
    FInProcUpdateEnabled = false;
    if (changed)
        FOnEnabledChanged(this);
    LoadGlyph();
}

void TDBRurGlowButton::LoadGlyph()
{
    if (ComponentState().Contains(csLoading) || Images() || (!Enabled() && DisabledImages()))
        return;
    const TTypeGlyph* glyph = GlyphOf(FDBButtonType);
    if (!glyph)
        return;
    if (!FInternalImages)
        FInternalImages = std::make_unique<TImageList>(nullptr);
    FInternalImages->Clear();
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), String(glyph->Resource) + (Enabled() ? u"" : u"D"));
    bitmap.SetTransparent(true);
    FInternalImages->SetDrawingStyle(dsTransparent);
    FInternalImages->SetMasked(true);
    FInternalImages->AddMasked(&bitmap, TColor(0xFF00FF));
    SetImageIndex(0);
    Invalidate();
}
