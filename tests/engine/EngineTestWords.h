#pragma once
// A word list built by the test itself, so expected verdicts and hint lists
// can be written out by hand.
#include "engine/ClDictionary.h"

#include <QStringList>

#include <array>
#include <memory>

inline std::unique_ptr<ClDictionary>
MakeWordList(const QStringList& three, const QStringList& four = {}, const QStringList& five = {},
             const QStringList& six = {}, const QStringList& seven = {}) {
    auto dictionary = std::make_unique<ClDictionary>();
    const std::array<QStringList, ClDictionary::kLevelCount> words{three, four, five, six, seven};
    dictionary->LoadPlainText(ClDictionary::ComposePlainText(QStringLiteral("test"), words));
    return dictionary;
}
