#pragma once
// A buddy entry of a player file: three texts and a flag, keyed by the second
// text. Nothing in the program makes buddies; entries found in a file are kept
// and written back (the flag always as "False").
#include "players/KeyedCollection.h"

#include <QString>

class ClassBuddy {
public:
    ClassBuddy() = default;
    ClassBuddy(const QString& first, const QString& key, const QString& third, bool flag = false);

    QString First;
    QString Key; // the entry's key in the collection
    QString Third;
    bool Flag = false;

    QString CollectionKey() const { return Key; }
    // The entry as the file stores it: "first:key:third:True|False".
    QString FileText() const;
    bool operator==(const ClassBuddy&) const = default;
};

using BuddyCollection = KeyedCollection<ClassBuddy>;
