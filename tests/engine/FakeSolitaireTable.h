#pragma once
// A table that records what the engine does to it: the controls' state is
// kept as plain values and every call is written to `log` so tests can check
// order and content.
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class FakeSolitaireTable final : public SolitaireTable {
public:
    struct PileCard {
        QString letter;
        qint16 pile = 0;
        bool faceUp = false;
        bool loaded = true;
    };
    struct Flight {
        int index = 0;
        QString letter;
        qint16 pile = 0;
        bool faceUp = false;
        qint16 saveGameCardPos = 0;
    };
    struct DiscardSlot {
        QString letter;
        bool visible = false;
        quint32 mask = 0; // 0: no mask
        int left = 0;
        int top = 0;
    };

    ClSolitary* engine = nullptr; // the deck button draws through it
    QStringList log;

    QString formCaption;
    bool helpVisible = false;
    QString helpCaption;
    QString pointsCaption = QStringLiteral("0");
    QString wizardCaption;
    bool lettersLeftEnabled = true;
    bool netDictionaryEnabled = true;
    int deckPicture = 0;
    QStringList wizardItems;
    int wizardListIndex = 0;
    bool wizardEnabled = true;
    QString wizardTag = QStringLiteral("0");
    QStringList words;
    QList<PileCard> pileCards{PileCard{QString(), 0, false, true}}; // element 0, the template
    QList<Flight> flights;
    DiscardSlot discards[7];
    bool formEnabled = true;
    bool busy = false;
    bool deckTimer = true;
    bool soundsOn = false;
    QStringList sounds;
    qint16 pileOver = 0;
    qint16 picCardsIndex = 0;
    qint16 saveGameCardPos = 0;
    qint16 deleteIndex = 0;
    int wizardAddCalls = 0;
    // Runs while a card flies (after it is recorded).
    std::function<void(const Flight&)> onFlight;

    int LoadedPileCards() const {
        int n = 0;
        for (int i = 1; i < pileCards.size(); ++i)
            n += pileCards[i].loaded ? 1 : 0;
        return n;
    }

    void SetFormCaption(const QString& caption) override { formCaption = caption; }
    void SetHelpPlay(bool visible, const QString& caption) override {
        helpVisible = visible;
        if (visible)
            helpCaption = caption;
    }
    void SetPointsCaption(const QString& caption) override { pointsCaption = caption; }
    void SetWizardCaption(const QString& caption) override { wizardCaption = caption; }
    void SetLettersLeftEnabled(bool enabled) override { lettersLeftEnabled = enabled; }
    void SetNetDictionaryEnabled(bool enabled) override { netDictionaryEnabled = enabled; }
    void SetDeckPicture(int resId) override {
        deckPicture = resId;
        log << QStringLiteral("deck %1").arg(resId);
    }

    void WizardClear() override {
        wizardItems.clear();
        log << QStringLiteral("wizardClear");
    }
    void WizardAddItems(const QStringList& items) override {
        wizardItems << items;
        ++wizardAddCalls;
    }
    int WizardCount() const override { return static_cast<int>(wizardItems.size()); }
    void WizardSetListIndex(int index) override { wizardListIndex = index; }
    void WizardSetEnabled(bool enabled) override { wizardEnabled = enabled; }
    QString GetWizardTag() const override { return wizardTag; }
    void SetWizardTag(const QString& tag) override { wizardTag = tag; }

    void WordsClear() override { words.clear(); }
    void WordsAddItem(const QString& word) override { words << word; }

    int PileCardCount() const override { return static_cast<int>(pileCards.size()); }
    void LoadPileCard(int index, const QString& letter, qint16 pile, bool faceUp) override {
        if (index != pileCards.size())
            log << QStringLiteral("BAD INDEX %1").arg(index);
        pileCards.append(PileCard{letter, pile, faceUp, true});
    }
    void UnloadPileCards() override {
        pileCards.resize(1);
        log << QStringLiteral("unloadPileCards");
    }
    void FlyCardToPile(int index) override {
        const PileCard& card = pileCards.at(index);
        flights.append(Flight{index, card.letter, card.pile, card.faceUp, saveGameCardPos});
        if (onFlight)
            onFlight(flights.last());
    }

    void DiscardMaskRemove(int slot) override { discards[slot].mask = 0; }
    void DiscardMaskSet(int slot, quint32 colour) override { discards[slot].mask = colour; }
    void DiscardMove(int slot, int left, int top) override {
        discards[slot].left = left;
        discards[slot].top = top;
    }
    void DiscardBringToFront(int) override {}
    void DiscardSetVisible(int slot, bool visible) override { discards[slot].visible = visible; }
    void DiscardSetLetter(int slot, const QString& letter) override {
        discards[slot].letter = letter;
    }

    void SetFormEnabled(bool enabled) override {
        formEnabled = enabled;
        log << (enabled ? QStringLiteral("formOn") : QStringLiteral("formOff"));
    }
    void SetBusyPointer(bool b) override { busy = b; }
    void SetTimerDeckAnimation(bool enabled) override { deckTimer = enabled; }
    void StopMusic() override { log << QStringLiteral("stopMusic"); }
    void PlaySong() override { log << QStringLiteral("playSong"); }
    void MusicOff() override { log << QStringLiteral("musicOff"); }
    bool SoundsOn() const override { return soundsOn; }
    void PlaySoundEffect(const QString& file) override {
        if (soundsOn)
            sounds << file;
    }

    void cmdDeck_Click() override {
        log << QStringLiteral("cmdDeck_Click");
        if (engine != nullptr)
            engine->PickFromDeck();
    }
    void PileFocus(qint16 pile) override { log << QStringLiteral("PileFocus %1").arg(pile); }
    void moveCardBack() override { log << QStringLiteral("moveCardBack"); }
    void LayCardDown(qint16 pile) override {
        log << QStringLiteral("LayCardDown %1").arg(pile);
        if (engine != nullptr)
            engine->LayLetterOnPile(pile, engine->CardsInDiscards.left(1));
    }
    void MoveCardsToWordList() override { log << QStringLiteral("MoveCardsToWordList"); }
    void FilpNextCardOver() override { log << QStringLiteral("FilpNextCardOver"); }
    void LoadFlexGrid() override { log << QStringLiteral("LoadFlexGrid"); }
    void DisableButtons() override { log << QStringLiteral("DisableButtons"); }
    void RunAds() override { log << QStringLiteral("RunAds"); }
    void OpenNetDictionary(const QString& word) override {
        log << QStringLiteral("NetDictionary ") + word;
    }

    void LoadGameDefaults() override { log << QStringLiteral("LoadGameDefaults"); }
    void LoadWordMade(const QString& word) override {
        log << QStringLiteral("LoadWordMade ") + word;
    }
    void LoadMistake() override { log << QStringLiteral("LoadMistake"); }
    void GameWon() override { log << QStringLiteral("GameWon"); }

    qint16 GetPileOver() const override { return pileOver; }
    void SetPileOver(qint16 pile) override { pileOver = pile; }
    void SetPicCardsIndex(qint16 index) override { picCardsIndex = index; }
    qint16 GetSaveGameCardPos() const override { return saveGameCardPos; }
    void SetSaveGameCardPos(qint16 pos) override { saveGameCardPos = pos; }
    qint16 GetDeleteIndex() const override { return deleteIndex; }
};
