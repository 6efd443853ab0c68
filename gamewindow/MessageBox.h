#pragma once

#include "Ports.h"

#include <QString>

class QMessageBox;
class QWidget;

// A box for the player, open without blocking and gone once closed. Its text is plain text
// whatever it holds: names in it come from the network, and markup there must stay letters.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

// Text for a tool tip, shown as it is: a tool tip reads anything that looks like markup as
// markup, so the text goes, escaped, inside a paragraph that keeps its line breaks.
QString PlainToolTip(const QString& text);
