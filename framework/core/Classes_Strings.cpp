#include <algorithm>

#include "Classes.h"
#include "Streaming.h"

namespace {

int Sign(int c)
{
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool IsBlank(Char c)
{
    return c >= 1 && c <= u' ';
}

} // namespace

void TStrings::IndexError(int index) const
{
    Error(u"List index out of bounds (" + IntToStr(index) + u")");
}

void TStrings::Error(const String& message) const
{
    throw EStringListError(message);
}

void TStrings::SetStrings(int index, const String& s)
{
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, s, object);
}

TObject* TStrings::Objects(int) const
{
    return nullptr;
}

void TStrings::SetObjects(int, TObject*) {}

int TStrings::AddObject(const String& s, TObject* object)
{
    int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::InsertObject(int index, const String& s, TObject* object)
{
    Insert(index, s);
    SetObjects(index, object);
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    for (int i = 0; i < strings.Count(); ++i)
        AddObject(strings.Strings(i), strings.Objects(i));
    EndUpdate();
}

int TStrings::CompareStrings(const String& a, const String& b) const
{
    return Sign(AnsiUpperCase(a).compare(AnsiUpperCase(b)));
}

int TStrings::IndexOf(const String& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const String& name) const
{
    for (int i = 0; i < Count(); ++i) {
        String s = Strings(i);
        size_t sep = s.find(FNameValueSeparator);
        if (sep != String::npos && CompareStrings(s.substr(0, sep), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == object)
            return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    String s = Strings(index1);
    TObject* o = Objects(index1);
    SetStrings(index1, Strings(index2));
    SetObjects(index1, Objects(index2));
    SetStrings(index2, s);
    SetObjects(index2, o);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    String s = Strings(curIndex);
    TObject* o = Objects(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

String TStrings::Names(int index) const
{
    String s = Strings(index);
    size_t sep = s.find(FNameValueSeparator);
    return sep == String::npos ? String() : s.substr(0, sep);
}

String TStrings::ValueFromIndex(int index) const
{
    if (index < 0)
        return String();
    String s = Strings(index);
    size_t sep = s.find(FNameValueSeparator);
    return sep == String::npos ? String() : s.substr(sep + 1);
}

void TStrings::SetValueFromIndex(int index, const String& value)
{
    if (!value.empty()) {
        if (index < 0)
            index = Add(String());
        SetStrings(index, Names(index) + FNameValueSeparator + value);
    } else if (index >= 0) {
        Delete(index);
    }
}

String TStrings::Values(const String& name) const
{
    int index = IndexOfName(name);
    return index >= 0 ? ValueFromIndex(index) : String();
}

void TStrings::SetValues(const String& name, const String& value)
{
    int index = IndexOfName(name);
    if (!value.empty()) {
        if (index < 0)
            index = Add(String());
        SetStrings(index, name + FNameValueSeparator + value);
    } else if (index >= 0) {
        Delete(index);
    }
}

String TStrings::Text() const
{
    String text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + FLineBreak;
    return text;
}

void TStrings::SetText(const String& text)
{
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t start = i;
        while (i < text.size() && text[i] != u'\r' && text[i] != u'\n')
            ++i;
        Add(text.substr(start, i - start));
        if (i < text.size() && text[i] == u'\r')
            ++i;
        if (i < text.size() && text[i] == u'\n')
            ++i;
    }
    EndUpdate();
}

String TStrings::QuotedItem(const String& item, Char delimiter, Char quote, bool strict) const
{
    bool needsQuotes = std::any_of(item.begin(), item.end(), [&](Char c) {
        return c == quote || c == delimiter || c == 0 || (!strict && c <= u' ');
    });
    if (!needsQuotes)
        return item;
    String quoted(1, quote);
    for (Char c : item) {
        quoted += c;
        if (c == quote)
            quoted += c;
    }
    return quoted + quote;
}

String TStrings::DelimitedText() const
{
    if (Count() == 1 && Strings(0).empty())
        return String(2, FQuoteChar);
    String text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += FDelimiter;
        text += QuotedItem(Strings(i), FDelimiter, FQuoteChar, FStrictDelimiter);
    }
    return text;
}

void TStrings::ParseDelimited(const String& text, Char delimiter, Char quote, bool strict)
{
    BeginUpdate();
    Clear();
    const size_t n = text.size();
    size_t p = 0;
    auto skipBlanks = [&] {
        if (!strict)
            while (p < n && IsBlank(text[p]))
                ++p;
    };
    skipBlanks();
    while (p < n) {
        String item;
        if (text[p] == quote) {
            // Quoted: doubled quotes stand for one; an unclosed quote runs to the end.
            ++p;
            while (p < n) {
                if (text[p] == quote) {
                    if (p + 1 < n && text[p + 1] == quote) {
                        item += quote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            size_t start = p;
            while (p < n && text[p] != delimiter && (strict || text[p] > u' '))
                ++p;
            item = text.substr(start, p - start);
        }
        Add(item);
        skipBlanks();
        if (p < n && text[p] == delimiter) {
            if (p + 1 == n)
                Add(String());
            ++p;
            skipBlanks();
        }
    }
    EndUpdate();
}

void TStrings::SetDelimitedText(const String& text)
{
    ParseDelimited(text, FDelimiter, FQuoteChar, FStrictDelimiter);
}

String TStrings::CommaText() const
{
    if (Count() == 1 && Strings(0).empty())
        return u"\"\"";
    String text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += u',';
        text += QuotedItem(Strings(i), u',', u'"', false);
    }
    return text;
}

void TStrings::SetCommaText(const String& text)
{
    ParseDelimited(text, u',', u'"', false);
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& stream, const TEncoding* encoding)
{
    Int64 size = stream.Size() - stream.Position();
    TBytes bytes(static_cast<size_t>(std::max<Int64>(size, 0)));
    stream.ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    size_t preamble = TEncoding::GetBufferEncoding(bytes, encoding);
    FEncoding = encoding;
    SetText(encoding->GetString(bytes.data() + preamble, bytes.size() - preamble));
}

void TStrings::SaveToStream(TStream& stream, const TEncoding* encoding) const
{
    if (!encoding)
        encoding = FEncoding ? FEncoding : &TEncoding::Default();
    if (FWriteBOM) {
        TBytes preamble = encoding->GetPreamble();
        stream.WriteBuffer(preamble.data(), static_cast<Int64>(preamble.size()));
    }
    TBytes bytes = encoding->GetBytes(Text());
    stream.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
}

void TStrings::LoadFromFile(const String& fileName, const TEncoding* encoding)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream, encoding);
}

void TStrings::SaveToFile(const String& fileName, const TEncoding* encoding) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream, encoding);
}

void TStrings::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TStrings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    FLineBreak = other->FLineBreak;
    FNameValueSeparator = other->FNameValueSeparator;
    FDelimiter = other->FDelimiter;
    FQuoteChar = other->FQuoteChar;
    FStrictDelimiter = other->FStrictDelimiter;
    Clear();
    AddStrings(*other);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other.Strings(i))
            return false;
    return true;
}

void TStrings::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(
        u"Strings",
        [this](TReader& reader) {
            reader.ReadListBegin();
            BeginUpdate();
            Clear();
            while (!reader.EndOfList())
                Add(reader.ReadString());
            EndUpdate();
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Strings(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}

// ---------------------------------------------------------------------------------------------

TStringList::~TStringList()
{
    FOnChange = nullptr;
    FOnChanging = nullptr;
    if (FOwnsObjects)
        for (TItem& item : FItems)
            delete item.Object;
}

void TStringList::Check(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
}

String TStringList::Strings(int index) const
{
    Check(index);
    return FItems[static_cast<size_t>(index)].Text;
}

void TStringList::SetStrings(int index, const String& s)
{
    if (FSorted)
        Error(u"Operation not allowed on sorted list");
    Check(index);
    Changing();
    FItems[static_cast<size_t>(index)].Text = s;
    Changed();
}

TObject* TStringList::Objects(int index) const
{
    Check(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object)
{
    Check(index);
    Changing();
    FItems[static_cast<size_t>(index)].Object = object;
    Changed();
}

void TStringList::Insert(int index, const String& s)
{
    if (FSorted)
        Error(u"Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        IndexError(index);
    InsertItem(index, s, nullptr);
}

void TStringList::InsertItem(int index, const String& s, TObject* object)
{
    Changing();
    FItems.insert(FItems.begin() + index, TItem{s, object});
    Changed();
}

int TStringList::AddObject(const String& s, TObject* object)
{
    int index = Count();
    if (FSorted && Find(s, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            Error(u"String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Delete(int index)
{
    Check(index);
    Changing();
    TObject* object = FItems[static_cast<size_t>(index)].Object;
    FItems.erase(FItems.begin() + index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty())
        return;
    Changing();
    std::vector<TItem> items;
    items.swap(FItems);
    if (FOwnsObjects)
        for (TItem& item : items)
            delete item.Object;
    Changed();
}

int TStringList::IndexOf(const String& s) const
{
    if (!FSorted)
        return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (FSorted)
        Error(u"Operation not allowed on sorted list");
    if (curIndex == newIndex)
        return;
    Check(curIndex);
    Check(newIndex);
    Changing();
    TItem item = FItems[static_cast<size_t>(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
    Changed();
}

bool TStringList::Find(const String& s, int& index) const
{
    bool found = false;
    int low = 0, high = Count() - 1;
    while (low <= high) {
        int mid = low + (high - low) / 2;
        int c = CompareStrings(FItems[static_cast<size_t>(mid)].Text, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::ExchangeItems(int index1, int index2)
{
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TStringList::QuickSort(int left, int right, const TStringListSortCompare& compare)
{
    // Bounded scans: a comparer that is not a consistent order cannot walk off the list.
    while (left < right) {
        int i = left, j = right, pivot = left + (right - left) / 2;
        do {
            while (i < right && compare(*this, i, pivot) < 0)
                ++i;
            while (j > left && compare(*this, j, pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    ExchangeItems(i, j);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            QuickSort(left, j, compare);
        left = i;
    }
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (FSorted || Count() < 2)
        return;
    Changing();
    QuickSort(0, Count() - 1, compare);
    Changed();
}

void TStringList::Sort()
{
    if (FSorted || Count() < 2)
        return;
    Changing();
    QuickSort(0, Count() - 1, [](TStringList& list, int a, int b) {
        return list.CompareStrings(list.FItems[static_cast<size_t>(a)].Text, list.FItems[static_cast<size_t>(b)].Text);
    });
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == FSorted)
        return;
    if (sorted)
        Sort();
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == FCaseSensitive)
        return;
    FCaseSensitive = caseSensitive;
    if (FSorted) {
        FSorted = false;
        SetSorted(true);
    }
}

int TStringList::CompareStrings(const String& a, const String& b) const
{
    return FCaseSensitive ? Sign(a.compare(b)) : TStrings::CompareStrings(a, b);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && FOnChanging)
        FOnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && FOnChange)
        FOnChange(this);
}
