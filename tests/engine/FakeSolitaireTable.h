#pragma once
// A table that records what the engine tells it: what it shows is kept as
// plain values, and calls whose order matters are written to `log`.
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakeSolitaireTable final : public SolitaireTable {
public:
    struct Card {
        QString letter;
        qint16 pile = 0;
        bool faceUp = false;
        qint16 wordPlace = 0;
    };

    QStringList log;
    QString caption;
    QString help;
    QString points = QStringLiteral("0");
    bool lettersLeft = true;
    QStringList hints;  // as listed, top to bottom
    QStringList greyed; // the listed words out of reach
    QString hintCount;  // "makeable of all"
    bool hintsLive = true;
    bool lookup = true;
    QStringList words;
    QList<Card> cards; // dealt since the last ClearCards
    QString discards;  // slots 1 up, the top discard last
    qint16 playable = 0;
    bool busy = false;
    QStringList sounds;
    // Runs when a card has been dealt (after it is recorded).
    std::function<void(const Card&)> onDeal;

    void ShowCaption(const QString& text) override { caption = text; }
    void ShowHelp(const QString& text) override { help = text; }
    void ShowPoints(qint16 value) override { points = QString::number(value); }
    void EnableLettersLeft(bool enabled) override { lettersLeft = enabled; }
    void ResetHints(bool wizardOn) override {
        hints = wizardOn ? QStringList() : QStringList{QStringLiteral("Off")};
        hintsLive = wizardOn;
        greyed.clear();
        hintCount.clear();
    }
    void ClearHints() override {
        hints.clear();
        greyed.clear();
    }
    void AddHints(const QStringList& more, bool makeable) override {
        hints << more;
        if (!makeable)
            greyed << more;
    }
    void ShowHintCount(int makeable, int all) override {
        hintCount = QStringLiteral("%1 of %2").arg(makeable).arg(all);
    }
    void EnableLookup(bool enabled) override { lookup = enabled; }
    void FocusPile(qint16 pile) override { log << QStringLiteral("focus %1").arg(pile); }
    void ShowWords(const QStringList& list) override { words = list; }
    void ClearCards() override {
        cards.clear();
        log << QStringLiteral("clear");
    }
    void DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace) override {
        cards.append({letter, pile, faceUp, wordPlace});
        if (onDeal)
            onDeal(cards.last());
    }
    void ShowDiscards(const QString& shown, qint16 slot) override {
        discards = shown;
        playable = slot;
    }
    void SetBusy(bool value) override {
        busy = value;
        log << (value ? QStringLiteral("busy") : QStringLiteral("idle"));
    }
    void StopMusic() override { log << QStringLiteral("stopMusic"); }
    void PlaySong() override { log << QStringLiteral("playSong"); }
    void PlaySound(const QString& file) override { sounds << file; }
};

// An engine on a recording table, with a player of its own.
struct FakeGame {
    explicit FakeGame(const ClDictionary* words = nullptr) : game(table, player, words) {
        player.NickName = QStringLiteral("anna");
    }
    FakeSolitaireTable table;
    ClassPlayerInfo player;
    ClSolitary game;
};
