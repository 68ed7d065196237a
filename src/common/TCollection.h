// A published collection (gauge arrows, trend curves): a count, an append of one item
// with default values, and items by 0-based index, each item with published properties.
#pragma once

#include <QObject>

class TCollection : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual int count() const = 0;
    // Appends one item with default values and returns it.
    virtual QObject* add() = 0;
    // The item at index, or nullptr outside 0 … count() − 1.
    virtual QObject* item(int index) const = 0;
};
