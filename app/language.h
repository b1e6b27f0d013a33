// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QStringList>

class QTranslator;

// The language the game speaks: the catalogue of its texts ("en" needs none:
// English is the game's own) and the locale that its numbers and Qt's own
// texts follow ("de_AT").
struct Language
{
    QString catalogue;
    QString locale;
};

// The languages the game has a catalogue for ("de", "pt_BR").
QStringList gameLanguages();

// The first of the player's languages ("en_GB", "pt_PT.UTF-8") that the game
// speaks, English included; English when it speaks none of them. A language
// takes the catalogue for its country, else its own, else another country's.
Language chooseLanguage(const QStringList &preferred, const QStringList &available = gameLanguages());

// The language chosen from the ones the environment asks for (LANGUAGE, a
// list, then the first of LC_ALL, LC_MESSAGES and LANG), which from then on is
// the only one LANGUAGE names: the system's messages and Qt's own formats
// follow it too. Called before the application object exists, which reads
// the environment once.
Language languageFromEnvironment();

// Speaks `language`: its catalogue for the game's texts and Qt's own for the
// standard buttons and dialogs, installed into the application, and its way
// of writing numbers.
void speak(const Language &language, QTranslator &gameTexts, QTranslator &qtTexts);

#endif  // LANGUAGE_H
