#pragma once
// What the square windows' tests share: a program folder with a board file of
// known content (real pictures this time), a seat's player with a status
// entry, the media commands sent, a hand-stepped speech clock, and a click
// into the next modal window.
#include "../boardgame/BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/file/BoardFileWriter.h"
#include "media/MciInterpreter.h"
#include "media/SpeechVoice.h"
#include "players/ClassPlayerInfo.h"
#include "shell/AppSettings.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTimer>

#include <functional>
#include <memory>

namespace SquareTestKit {

inline const QString kStatus = QStringLiteral("-1=0=0|-3=0=0|-2=0=0|5=0=0|7=0=0");

inline QByteArray Jpeg(QColor colour) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// The layer's test board with real JPEG pictures.
inline BoardContent Content() {
    BoardContent c = BoardTestFiles::content();
    c.categories[0].questions[0].picture = Jpeg(Qt::blue);
    c.categories[0].questions[1].answers[1].picture = Jpeg(Qt::red);
    c.words[0].picture = Jpeg(Qt::darkYellow);
    return c;
}

inline void SetFilter(bool filter) {
    AppSettings::SaveSetting(QStringLiteral("BoardGame"), QStringLiteral("Settings"),
                             QStringLiteral("Filter"),
                             filter ? QStringLiteral("True") : QStringLiteral("False"));
}

struct Fixture {
    explicit Fixture(const BoardContent& content = Content()) {
        BoardFileWriter::WriteBoardFile(content, folder.file(QStringLiteral("test.mdb")));
        db = dao::DBEngine::OpenDatabase(folder.file(QStringLiteral("test.mdb")), false, false,
                                         QLatin1String(kBoardConnect));
        player.NickName = QStringLiteral("Ana");
        player.SavedGames.Add(
            ClassSavedGameInfo(kStatus, QStringLiteral("B1"), QStringLiteral("test.mdb")));
        player.SavedGamesIndex = QStringLiteral("B1");
        MciInterpreter::instance().setSilent(true);
        MciInterpreter::instance().setCommandObserver(
            [this](const QString& command) { commands << command; });
        SpVoice::setSilent(1);
        SpVoice::setClock([this] { return now; });
    }
    ~Fixture() {
        MciInterpreter::instance().setCommandObserver(nullptr);
        MciInterpreter::instance().sendString(QStringLiteral("close all"));
        SpVoice::setClock(nullptr);
        RandomSource::setInstance(nullptr);
    }
    QString Status() const { return player.SavedGames.Find(QStringLiteral("B1"))->GameInfo; }
    // QuestionAsk of a row found by an Access statement.
    int Asked(const QString& statement) {
        return db->OpenRecordset(statement)->Fields(QStringLiteral("QuestionAsk")).Value().toInt();
    }
    // The sound files opened on an alias, in order.
    QStringList Played(const QString& alias) const {
        QStringList files;
        for (const QString& c : commands) {
            if (c.startsWith(QLatin1String("open "), Qt::CaseInsensitive) &&
                c.contains(QStringLiteral(" Alias ") + alias))
                files << c.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('/'), -1);
        }
        return files;
    }

    TempProgramFolder folder;
    MsgBoxRecorder boxes;
    std::unique_ptr<dao::Database> db;
    ClassPlayerInfo player;
    QStringList commands;
    qint64 now = 0;
};

// Runs `act` once on the next window shown modally.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start(5);
}

} // namespace SquareTestKit
