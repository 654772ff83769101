#pragma once
// An ordered collection of records addressed by a text key, as the player
// record keeps its saved-game and buddy entries: insertion order is the file
// order, and a key may be used only once. Keys compare without regard to
// letter case ("s1" and "S1" are the same key), like the collections the
// player files were first written with.
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
        if (Contains(entry.CollectionKey()))
            return false;
        m_items.append(entry);
        return true;
    }
    // Removes the entry with that key; false when there is none.
    bool Remove(const QString& key) {
        const int i = IndexOf(key);
        if (i < 0)
            return false;
        m_items.removeAt(i);
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
    bool Contains(const QString& key) const { return IndexOf(key) >= 0; }
    // Position (0-based) of the entry with that key, -1 when there is none.
    int IndexOf(const QString& key) const {
        for (int i = 0; i < m_items.size(); ++i) {
            if (m_items[i].CollectionKey().compare(key, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    // Entries by position, 0-based, in collection order.
    const T& at(int index) const { return m_items.at(index); }
    T& at(int index) { return m_items[index]; }
    void Clear() { m_items.clear(); }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    QList<T> m_items;
};
