#pragma once
// An ordered collection of records addressed by a text key, as the player
// record keeps its saved-game and buddy entries: insertion order is the file
// order, and a key may be used only once. Keys compare without regard to
// letter case ("s1" and "S1" are the same key), like the collections the
// player files were first written with.
//
// The keys are kept in a hash beside the list, so filing the tens of
// thousands of entries of a large player file takes linear time. An entry's
// key must not be changed in place: remove the entry and add it again.
#include <QHash>
#include <QList>
#include <QString>

template <typename T> class KeyedCollection {
public:
    using iterator = typename QList<T>::iterator;
    using const_iterator = typename QList<T>::const_iterator;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }

    // Appends the entry under its own key (T::CollectionKey()); false, and
    // nothing added, when the key is already in use.
    bool Add(const T& entry) {
        const QString folded = Folded(entry.CollectionKey());
        if (m_positions.contains(folded))
            return false;
        m_positions.insert(folded, m_items.size());
        m_items.append(entry);
        return true;
    }
    // Removes the entry with that key; false when there is none.
    bool Remove(const QString& key) {
        const int i = IndexOf(key);
        if (i < 0)
            return false;
        m_items.removeAt(i);
        m_positions.remove(Folded(key));
        for (auto it = m_positions.begin(); it != m_positions.end(); ++it) {
            if (it.value() > i)
                --it.value();
        }
        return true;
    }
    // The entry with that key, or nullptr. The pointer is valid until the
    // collection is next changed.
    T* Find(const QString& key) {
        const int i = IndexOf(key);
        return i < 0 ? nullptr : &m_items[i];
    }
    const T* Find(const QString& key) const {
        const int i = IndexOf(key);
        return i < 0 ? nullptr : &m_items[i];
    }
    bool Contains(const QString& key) const { return m_positions.contains(Folded(key)); }
    // Position (0-based) of the entry with that key, -1 when there is none.
    int IndexOf(const QString& key) const {
        return static_cast<int>(m_positions.value(Folded(key), -1));
    }
    // Entries by position, 0-based, in collection order.
    const T& at(int index) const { return m_items.at(index); }
    T& at(int index) { return m_items[index]; }
    void Clear() {
        m_items.clear();
        m_positions.clear();
    }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    static QString Folded(const QString& key) { return key.toCaseFolded(); }

    QList<T> m_items;
    QHash<QString, qsizetype> m_positions; // folded key -> position in m_items
};
