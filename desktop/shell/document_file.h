#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace vantrell::shell {

// A document file as the program reads it: whole when it is no larger than
// any document the program accepts, else not read at all.
struct DocumentFile {
    enum class Status { kMissing, kRead, kUnopenable, kTooLarge };
    Status status = Status::kMissing;
    QByteArray bytes;
    // Why it could not be opened, naming the file; empty otherwise.
    std::string fault;
};

DocumentFile ReadDocumentFile(const QString& path);

}  // namespace vantrell::shell
