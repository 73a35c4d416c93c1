// The toolbar unit's checked pointer list.
#include "RurToolBar_Lists.h"

#include "SysUtils.h"

void* TDbgList::GetItemsEx(int index) const
{
    if (index >= Count())
        throw Exception(u"Index out of bounds in list read access");
    return Items(index);
}

void TDbgList::SetItemsEx(int index, void* item)
{
    if (index >= Count())
        throw Exception(u"Index out of bounds in list write access");
    SetItems(index, item);
}

void TDbgList::AssignList(const TDbgList& list)
{
    Clear();
    for (int i = 0; i < list.Count(); ++i)
        Add(list.Items(i));
}
