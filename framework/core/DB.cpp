#include "DB.h"

#include <algorithm>

TAVIN_PUBLISHED(TDataSource)
{
    TAVIN_PROPERTY(TDataSet*, DataSet);
}

// ---- Data set ------------------------------------------------------------------------------------

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet()
{
    for (TDataSource* source : std::vector<TDataSource*>(FSources))
        source->SetDataSet(nullptr);
}

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(u"Cannot perform this operation on a closed dataset");
}

void TDataSet::CheckBrowse() const
{
    CheckActive();
    if (FState != dsBrowse)
        throw EDatabaseError(u"Dataset not in edit or insert mode");
}

void TDataSet::CheckCanModify() const
{
    if (!CanModify())
        throw EDatabaseError(u"Cannot modify a read-only dataset");
}

void TDataSet::Notify(TDataEvent event)
{
    for (TDataSource* source : std::vector<TDataSource*>(FSources))
        source->DataEvent(event);
}

void TDataSet::SetState(TDataSetState value)
{
    if (FState == value)
        return;
    FState = value;
    Notify(TDataEvent::StateChanged);
}

void TDataSet::SetActive(bool value)
{
    if (value == Active())
        return;
    if (value) {
        FState = dsBrowse;
        FRecNo = InternalRecordCount() > 0 ? 1 : 0;
        FBof = true;
        FEof = InternalRecordCount() == 0;
    } else {
        FState = dsInactive;
        FRecNo = 0;
        FBof = FEof = true;
    }
    Notify(TDataEvent::ActiveChanged);
}

void TDataSet::MoveTo(int recNo)
{
    const int count = InternalRecordCount();
    FRecNo = count == 0 ? 0 : std::clamp(recNo, 1, count);
    Notify(TDataEvent::DataSetChanged);
}

void TDataSet::First()
{
    CheckBrowse();
    FBof = true;
    FEof = InternalRecordCount() == 0;
    MoveTo(1);
}

void TDataSet::Last()
{
    CheckBrowse();
    FEof = true;
    FBof = InternalRecordCount() == 0;
    MoveTo(InternalRecordCount());
}

void TDataSet::MoveBy(int distance)
{
    CheckBrowse();
    if (distance == 0)
        return;
    const int count = InternalRecordCount();
    const int target = FRecNo + distance;
    FBof = target < 1 || count == 0;
    FEof = target > count || count == 0;
    MoveTo(target);
}

void TDataSet::Prior() { MoveBy(-1); }
void TDataSet::Next() { MoveBy(1); }

void TDataSet::StartInsert(int index)
{
    CheckBrowse();
    CheckCanModify();
    FInsertedFrom = FRecNo;
    InternalInsertRow(index);
    FRecNo = index + 1;
    FBof = FEof = false;
    SetState(dsInsert);
    Notify(TDataEvent::DataSetChanged);
}

void TDataSet::Insert() { StartInsert(FRecNo > 0 ? FRecNo - 1 : 0); }
void TDataSet::Append() { StartInsert(InternalRecordCount()); }

void TDataSet::Edit()
{
    CheckActive();
    if (FState == dsEdit || FState == dsInsert)
        return;
    CheckCanModify();
    if (InternalRecordCount() == 0) {
        Append();
        return;
    }
    InternalEdit(FRecNo - 1);
    SetState(dsEdit);
}

void TDataSet::Post()
{
    CheckActive();
    if (FState != dsEdit && FState != dsInsert)
        throw EDatabaseError(u"Dataset not in edit or insert mode");
    InternalPost(FRecNo - 1);
    SetState(dsBrowse);
    Notify(TDataEvent::DataSetChanged);
}

void TDataSet::Cancel()
{
    CheckActive();
    if (FState == dsInsert) {
        InternalCancel(FRecNo - 1);
        InternalDeleteRow(FRecNo - 1);
        FRecNo = FInsertedFrom;
        FBof = FEof = InternalRecordCount() == 0;
    } else if (FState == dsEdit) {
        InternalCancel(FRecNo - 1);
    } else {
        return;
    }
    SetState(dsBrowse);
    MoveTo(FRecNo);
}

void TDataSet::Delete()
{
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    CheckCanModify();
    if (InternalRecordCount() == 0)
        throw EDatabaseError(u"Cannot perform this operation on an empty dataset");
    if (FState == dsEdit)
        SetState(dsBrowse);
    InternalDeleteRow(FRecNo - 1);
    const int count = InternalRecordCount();
    FBof = count == 0;
    FEof = count == 0 || FRecNo > count;
    MoveTo(std::min(FRecNo, count));
}

void TDataSet::Refresh()
{
    CheckBrowse();
    InternalRefresh();
    MoveTo(FRecNo);
}

// ---- Data link -----------------------------------------------------------------------------------

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() { SetDataSource(nullptr); }

TDataSet* TDataLink::DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }

void TDataLink::SetDataSource(TDataSource* value)
{
    if (value == FDataSource)
        return;
    if (FDataSource)
        std::erase(FDataSource->FLinks, this);
    FDataSource = value;
    if (value)
        value->FLinks.push_back(this);
    UpdateState();
}

// Active and Editing follow the data set; each change is told once.
void TDataLink::UpdateState()
{
    TDataSet* dataSet = DataSet();
    const bool active = dataSet && dataSet->Active();
    const bool editing = active && (dataSet->State() == dsEdit || dataSet->State() == dsInsert);
    if (active != FActive) {
        FActive = active;
        ActiveChanged();
    }
    if (editing != FEditing) {
        FEditing = editing;
        EditingChanged();
    }
}

// ---- Data source ---------------------------------------------------------------------------------

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource()
{
    SetDataSet(nullptr);
    for (TDataLink* link : std::vector<TDataLink*>(FLinks))
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* value)
{
    if (value == FDataSet)
        return;
    if (FDataSet)
        std::erase(FDataSet->FSources, this);
    FDataSet = value;
    if (value) {
        value->FSources.push_back(this);
        value->FreeNotification(this);
    }
    for (TDataLink* link : std::vector<TDataLink*>(FLinks))
        link->UpdateState();
}

void TDataSource::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FDataSet)
        SetDataSet(nullptr);
}

void TDataSource::DataEvent(TDataSet::TDataEvent event)
{
    for (TDataLink* link : std::vector<TDataLink*>(FLinks)) {
        link->UpdateState();
        if (event == TDataSet::TDataEvent::DataSetChanged && link->Active())
            link->DataSetChanged();
    }
}

// ---- In memory -------------------------------------------------------------------------------------

String TMemoryDataSet::Value() const
{
    if (State() == dsEdit || State() == dsInsert)
        return FBuffer;
    return RecNo() > 0 ? FRows[static_cast<size_t>(RecNo() - 1)] : String();
}

void TMemoryDataSet::SetValue(const String& value)
{
    if (State() != dsEdit && State() != dsInsert)
        throw EDatabaseError(u"Dataset not in edit or insert mode");
    FBuffer = value;
}

void TMemoryDataSet::InternalInsertRow(int index)
{
    FRows.insert(FRows.begin() + index, String());
    FBuffer.clear();
}

void TMemoryDataSet::InternalDeleteRow(int index) { FRows.erase(FRows.begin() + index); }

void TMemoryDataSet::InternalPost(int index) { FRows[static_cast<size_t>(index)] = FBuffer; }

void TMemoryDataSet::InternalCancel(int) { FBuffer.clear(); }
