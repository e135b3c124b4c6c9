// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

class FileSystem;
class QTextDocument;

// The help document, named after the application: beside the program (a
// build tree, an install that keeps them together), else in the installed
// data folder.
QString helpDocumentPath(FileSystem &files);

// Reads the document afresh from the file into document. A file that is
// missing, unreadable or not rich text at all: std::runtime_error.
void loadHelpDocument(FileSystem &files, const QString &path, QTextDocument &document);
