#pragma once
// Closes the named modal windows as soon as each allows it (a window may
// refuse to close until it is ready), for runs that nobody watches: the
// start-up measurement, benchmarks and tests. It counts what it closed.
#include <QHash>
#include <QObject>
#include <QStringList>

class ModalCloser : public QObject {
public:
    // Watches every window of the application for as long as it lives (Qt
    // drops the filter when it is destroyed).
    explicit ModalCloser(const QStringList& objectNames, QObject* parent = nullptr);

    // How many modal windows of this object name were shown so far.
    int Shown(const QString& objectName) const { return m_shown.value(objectName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList m_names;
    QHash<QString, int> m_shown;
};
