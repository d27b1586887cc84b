// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small key-to-value table that keeps insertion order. Keys are stored as texts.
#include "foundation/Value.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace taxilo {

struct TAssocItem {
    std::unique_ptr<TAssocItem> Next;
    Value Key;
    Value Value_;
};

class TAssocArray {
public:
    TAssocArray() = default;
    ~TAssocArray();
    TAssocArray(const TAssocArray&) = delete;
    TAssocArray& operator=(const TAssocArray&) = delete;

    // The stored value, or Null when no item has the key.
    Value Get(const Value& key) const;
    // The stored value of a text key without a copy, or nothing.
    const Value* Find(const std::string& key) const;
    // Replaces or appends; a Null value removes the key (and is never stored).
    void Put(const Value& key, const Value& value);

    const TAssocItem* First() const { return first_.get(); }
    const TAssocItem* Last() const { return last_; }
    size_t Count() const { return index_.size(); }

private:
    void Remove(TAssocItem* item);

    std::unique_ptr<TAssocItem> first_;
    TAssocItem* last_ = nullptr;
    // Beside the list, so that a package of thousands of scripts loads without quadratic lookups.
    std::unordered_map<std::string, TAssocItem*> index_;
};

} // namespace taxilo
