#pragma once
// Data access as controls see it: a data set (a row cursor with browse, edit and insert states), the
// data source that connects data sets to controls, and the data link through which a control hears
// of the data set's opening and closing, editing and moves. Concrete data sets supply the rows.
#include <vector>

#include "Classes.h"

TAVIN_ENUM(TDataSetState, dsInactive, dsBrowse, dsEdit, dsInsert)

TAVIN_EXCEPTION(EDatabaseError, Exception);

class TDataSource;

// Rows behind a cursor. BOF and EOF tell that a move ran into the first or last row (both hold on
// an empty set). Insert and Append open a new row that Post keeps and Cancel drops; Edit changes
// the current row until Post or Cancel.
class TDataSet : public TComponent {
    TAVIN_CLASS(TDataSet, TComponent)
public:
    explicit TDataSet(TComponent* owner);
    ~TDataSet() override;

    bool Active() const { return FState != dsInactive; }
    void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return FState; }
    bool Bof() const { return FBof; }
    bool Eof() const { return FEof; }
    bool IsEmpty() const { return RecordCount() == 0; }
    // Whether rows may be changed, added and deleted.
    virtual bool CanModify() const { return true; }
    int RecordCount() const { return Active() ? InternalRecordCount() : 0; }
    // 1 for the first row; 0 with no row.
    int RecNo() const { return FRecNo; }

    void First();
    void Prior();
    void Next();
    void Last();
    void MoveBy(int distance);
    void Insert();
    void Append();
    void Delete();
    void Edit();
    void Post();
    void Cancel();
    void Refresh();

protected:
    // What a concrete data set supplies; rows are numbered from 0.
    virtual int InternalRecordCount() const = 0;
    virtual void InternalInsertRow(int index) = 0;
    // Edit begins on the row.
    virtual void InternalEdit(int) {}
    virtual void InternalDeleteRow(int index) = 0;
    // The changes of Edit (or of a new row) are kept or given up.
    virtual void InternalPost(int index) = 0;
    virtual void InternalCancel(int index) = 0;
    virtual void InternalRefresh() {}
    // Raises unless the set is open (and, for changes, can be modified).
    void CheckActive() const;
    void CheckBrowse() const;
    void CheckCanModify() const;

private:
    friend class TDataSource;
    enum class TDataEvent { ActiveChanged, StateChanged, DataSetChanged };
    void SetState(TDataSetState value);
    void Notify(TDataEvent event);
    void MoveTo(int recNo);
    void StartInsert(int index);

    TDataSetState FState = dsInactive;
    bool FBof = true, FEof = true;
    int FRecNo = 0;
    // The state before Insert/Append: where Cancel returns.
    int FInsertedFrom = 0;
    std::vector<TDataSource*> FSources;
};

// A data link: the control's side of a data source. Descendants hear of the changes.
class TDataLink : public TPersistent {
    TAVIN_CLASS(TDataLink, TPersistent)
public:
    TDataLink();
    ~TDataLink() override;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* value);
    TDataSet* DataSet() const;
    // An open data set is linked.
    bool Active() const { return FActive; }
    // The data set is editing or inserting.
    bool Editing() const { return FEditing; }

protected:
    virtual void ActiveChanged() {}
    virtual void EditingChanged() {}
    virtual void DataSetChanged() {}

private:
    friend class TDataSource;
    void UpdateState();

    TDataSource* FDataSource = nullptr;
    bool FActive = false;
    bool FEditing = false;
};

// Connects a data set to the links of controls.
class TDataSource : public TComponent {
    TAVIN_PUBLISHED_CLASS(TDataSource, TComponent)
public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* value);
    // The data set's state; dsInactive without one.
    TDataSetState State() const { return FDataSet ? FDataSet->State() : dsInactive; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataSet::TDataEvent event);

    TDataSet* FDataSet = nullptr;
    std::vector<TDataLink*> FLinks;
};

// Rows held in memory, one text value each: a data set for tests and small lists.
class TMemoryDataSet : public TDataSet {
    TAVIN_CLASS(TMemoryDataSet, TDataSet)
public:
    explicit TMemoryDataSet(TComponent* owner) : TDataSet(owner) {}

    bool CanModify() const override { return !FReadOnly; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Rows before opening.
    std::vector<String>& Rows() { return FRows; }
    // The current row's value (the edit buffer while editing).
    String Value() const;
    void SetValue(const String& value);

protected:
    int InternalRecordCount() const override { return static_cast<int>(FRows.size()); }
    void InternalInsertRow(int index) override;
    void InternalEdit(int index) override { FBuffer = FRows[static_cast<size_t>(index)]; }
    void InternalDeleteRow(int index) override;
    void InternalPost(int index) override;
    void InternalCancel(int index) override;

private:
    std::vector<String> FRows;
    String FBuffer;
    bool FReadOnly = false;
};
