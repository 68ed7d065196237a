// A published collection (gauge arrows, trend curves): a count, an append of one item
// with default values, and items by 0-based index, each item with published properties.
#pragma once

#include <QObject>
#include <utility>

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
