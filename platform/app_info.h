#pragma once

#include <QString>

// What the program knows about itself.
QString appTitle();
QString programFolder();
int versionMajor();
int versionMinor();
