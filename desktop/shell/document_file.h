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
    // Why it was not read: what names the file when it is missing or cannot be opened, the
    // library's refusal when it is too large; empty when it was read.
    std::string fault;
};

DocumentFile ReadDocumentFile(const QString& path);

}  // namespace vantrell::shell
