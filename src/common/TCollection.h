// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A published collection (gauge arrows, trend curves): a count, an append of one item
// with default values, and items by 0-based index, each item with published properties.
#pragma once

#include <QObject>
#include <utility>
#include <vector>

class TCollection : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A profile makes no more items than this, as it makes no more widgets than its cap: a
    // file of endless item lines must load as fast as a sound one.
    static constexpr int MaxItems = 256;

    virtual int count() const = 0;
    // Appends one item with default values and returns it.
    virtual QObject* add() = 0;
    // The item at index, or nullptr outside 0 … count() − 1.
    virtual QObject* item(int index) const = 0;

    // True the first time only: a collection that reached MaxItems says so once.
    bool firstOverflow() { return !std::exchange(m_overflowed, true); }

private:
    bool m_overflowed = false;
};

// A collection of items it owns, in order: each a child of the collection, made by the
// owner's makeItem() and copied by the item's assign(); every change calls changed(), for
// the owner to repaint.
template <typename Item> class TItemCollection : public TCollection {
public:
    using TCollection::TCollection;

    int count() const override { return int(m_items.size()); }
    Item* add() override
    {
        Item* item = makeItem();
        m_items.push_back(item);
        changed();
        return item;
    }
    QObject* item(int index) const override { return at(index); }
    Item* at(int index) const
    {
        return index >= 0 && index < count() ? m_items[size_t(index)] : nullptr;
    }
    void remove(int index)
    {
        if (Item* item = at(index)) {
            m_items.erase(m_items.begin() + index);
            delete item;
            changed();
        }
    }
    void clear()
    {
        for (Item* item : m_items)
            delete item;
        m_items.clear();
        changed();
    }

protected:
    // A new item with default values, a child of this collection.
    virtual Item* makeItem() = 0;
    virtual void changed() = 0;
    // Replaces the items with copies of the other collection's items.
    void assignItems(const TItemCollection& other)
    {
        if (&other == this)
            return;
        clear();
        for (const Item* source : other.m_items)
            add()->assign(*source);
    }

private:
    std::vector<Item*> m_items; // children of this object
};
