#pragma once

#include <QString>

// Removes blanks (spaces only, as typed) from both ends.
QString trimBlanks(const QString &text);
