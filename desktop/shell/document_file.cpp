#include "desktop/shell/document_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/planner/document_limits.h"
#include "core/texts/library_texts.h"

namespace vantrell::shell {
namespace {

using texts::library::Unopenable;

Unopenable WhyUnopenable(const QFileInfo& info) {
    if (info.isDir()) return Unopenable::kFolder;
    if (info.isSymLink() && !info.exists()) return Unopenable::kDanglingLink;
    if (!info.exists()) return Unopenable::kMissing;
    if (!info.isReadable()) return Unopenable::kNoPermission;
    return Unopenable::kOther;
}

}  // namespace

DocumentFile ReadDocumentFile(const QString& path) {
    DocumentFile read;
    const QFileInfo info(path);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    if (!info.exists() && !info.isSymLink()) {
        read.fault = texts::library::UnopenableFile(shown, Unopenable::kMissing, {});
        return read;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        read.status = DocumentFile::Status::kUnopenable;
        read.fault = texts::library::UnopenableFile(shown, WhyUnopenable(info), file.errorString().toStdString());
        return read;
    }
    // One more byte than allowed tells a file that grew since its size was taken.
    if (file.size() <= static_cast<qint64>(planner::kLargestDocument)) {
        read.bytes = file.read(static_cast<qint64>(planner::kLargestDocument) + 1);
    }
    if (read.bytes.size() > static_cast<qsizetype>(planner::kLargestDocument) ||
        file.size() > static_cast<qint64>(planner::kLargestDocument)) {
        read.status = DocumentFile::Status::kTooLarge;
        read.fault = texts::library::TooLargeFile();
        read.bytes.clear();
        return read;
    }
    read.status = DocumentFile::Status::kRead;
    return read;
}

}  // namespace vantrell::shell
