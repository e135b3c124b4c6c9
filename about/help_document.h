// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

class FileSystem;
class QTextDocument;

// The help document, named after the application: beside the program (a
// build tree, an install that keeps them together), else in the installed
// data folder. A translation carries its language before the extension:
// Quorvel.de.rtf, in the same folder as the English one.
QString helpDocumentPath(FileSystem &files, const QString &language = {});

// Reads the document afresh from the file into document, at most its first
// 64 MiB. A file that is missing, unreadable, not an ordinary file or not rich
// text at all: std::runtime_error.
void loadHelpDocument(FileSystem &files, const QString &path, QTextDocument &document);

// The document in language, or the English one when that cannot be loaded,
// shows nothing or is too tall to be laid out; its pictures fitted to width.
// When the English one is too tall as well: std::runtime_error.
void loadHelpDocumentIn(FileSystem &files, const QString &language, QTextDocument &document,
                        qreal width);

// Shows each picture at most width wide, keeping its shape, and at most the size the document
// gave it. The reader sizes pictures for a printed page, which is wider than the help window.
void fitPicturesTo(QTextDocument &document, qreal width);
