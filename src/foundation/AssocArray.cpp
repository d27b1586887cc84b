// SPDX-License-Identifier: GPL-3.0-or-later
// TAssocArray: the small insertion-ordered key-to-value table.
#include "foundation/AssocArray.h"

namespace taxilo {

TAssocArray::~TAssocArray()
{
    // Unlink iteratively: a recursive chain of unique_ptr destructors could exhaust the stack.
    while (first_)
        first_ = std::move(first_->Next);
}

Value TAssocArray::Get(const Value& key) const
{
    auto it = index_.find(key.ToText());
    return it == index_.end() ? Value::MakeNull() : it->second->Value_;
}

const Value* TAssocArray::Find(const std::string& key) const
{
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : &it->second->Value_;
}

void TAssocArray::Put(const Value& key, const Value& value)
{
    const std::string text = key.ToText();
    auto it = index_.find(text);
    if (it != index_.end()) {
        if (value.IsNull())
            Remove(it->second);
        else
            it->second->Value_ = value;
        return;
    }
    if (value.IsNull())
        return;
    auto item = std::make_unique<TAssocItem>();
    item->Key = Value::MakeText(text);
    item->Value_ = value;
    TAssocItem* raw = item.get();
    if (last_)
        last_->Next = std::move(item);
    else
        first_ = std::move(item);
    last_ = raw;
    index_.emplace(text, raw);
}

void TAssocArray::Remove(TAssocItem* item)
{
    index_.erase(item->Key.TextValue());
    TAssocItem* prev = nullptr;
    for (TAssocItem* p = first_.get(); p != item; p = p->Next.get())
        prev = p;
    const bool wasLast = last_ == item;
    std::unique_ptr<TAssocItem>& link = prev ? prev->Next : first_;
    link = std::move(item->Next); // releases item
    if (wasLast)
        last_ = prev;
}

} // namespace taxilo
