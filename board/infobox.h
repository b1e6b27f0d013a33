// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INFOBOX_H
#define INFOBOX_H

class QString;

// The game's name, as its window and its boxes carry it.
extern const char programName[];

// Tells the player something in a box of its own, and returns once they have
// read it.
void showInformation(const QString &text);

#endif  // INFOBOX_H
