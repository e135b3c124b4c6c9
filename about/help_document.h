#pragma once

#include <QString>

class FileSystem;
class QTextDocument;

// The help document lies in the program's folder, named after the application.
QString helpDocumentPath();

// Reads the document afresh from the file into document. A file that is
// missing, unreadable or not rich text at all: std::runtime_error.
void loadHelpDocument(FileSystem &files, const QString &path, QTextDocument &document);
