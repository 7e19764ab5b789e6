#include "pack/pack_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace content {

namespace {

namespace fs = std::filesystem;

fs::path native(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString reasonOf(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

// Whether the two files hold the same bytes.
bool sameBytes(const QString& a, const QString& b) {
    QFile one(a);
    QFile other(b);
    if (one.size() != other.size() || !one.open(QIODevice::ReadOnly) ||
        !other.open(QIODevice::ReadOnly)) {
        return false;
    }
    constexpr qint64 piece = 1 << 20;
    while (!one.atEnd()) {
        if (one.read(piece) != other.read(piece)) {
            return false;
        }
    }
    return true;
}

} // namespace

struct PackWriter::Step {
    QString from; // a file moved, or empty for a folder made
    QString to;
};

PackWriter::PackWriter(const QString& folder, bool removeStale)
    : folder_(QDir::cleanPath(folder))
    , removeStale_(removeStale) {
    if (!prepareOutput()) {
        return;
    }
    staging_ = std::make_unique<QTemporaryDir>(folder_ + QStringLiteral("/.zoa-pack-XXXXXX"));
    if (!staging_->isValid()) {
        fail(folder_, staging_->errorString());
    }
}

// Folders made for an output that was never written are removed again.
PackWriter::~PackWriter() {
    open_.reset();
    staging_.reset();
    if (!committed_) {
        for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder) {
            std::error_code ignored;
            fs::remove(native(*folder), ignored);
        }
    }
}

// Makes the output folder and the folders above it that are missing.
bool PackWriter::prepareOutput() {
    const QFileInfo output(folder_);
    if (output.exists() && !output.isDir()) {
        return fail(folder_, QStringLiteral("it is a file, not a folder"));
    }
    for (QString folder = folder_; !QFileInfo::exists(folder); folder = QFileInfo(folder).path()) {
        made_.insert(made_.begin(), folder);
    }
    for (const QString& folder : made_) {
        std::error_code error;
        if (!fs::create_directory(native(folder), error) && error) {
            return fail(folder, reasonOf(error));
        }
    }
    return true;
}

QFile* PackWriter::open(const QString& name) {
    if (!close()) {
        return nullptr;
    }
    const QString path = staging_->filePath(QStringLiteral("new/") + name);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        fail(path, QStringLiteral("cannot make its folder"));
        return nullptr;
    }
    open_ = std::make_unique<QFile>(path);
    if (!open_->open(QIODevice::WriteOnly)) {
        fail(folder_, open_->errorString());
        return nullptr;
    }
    names_.append(name);
    return open_.get();
}

bool PackWriter::close() {
    if (open_ && (!open_->flush() || open_->error() != QFileDevice::NoError)) {
        return fail(QDir(folder_).filePath(names_.constLast()), open_->errorString());
    }
    open_.reset();
    return problem_.message.isEmpty();
}

// What the last pack wrote: a game folder's files only, whatever else the list holds, so that
// nothing outside them is ever removed.
QStringList PackWriter::lastWritten() const {
    QFile list(QDir(folder_).filePath(QLatin1String(listName)));
    if (!list.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression gameFile(QStringLiteral("^dat[12]/[^/.][^/]*$"));
    return QString::fromUtf8(list.readAll())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
        .filter(gameFile);
}

bool PackWriter::commit() {
    if (!close()) {
        return false;
    }
    for (const QString& name : names_) {
        if (!replace(name, staging_->filePath(QStringLiteral("new/") + name))) {
            return false;
        }
    }
    if (!removeStale_) {
        committed_ = true;
        return true;
    }
    for (const QString& name : lastWritten()) {
        if (!names_.contains(name) && !remove(name)) {
            return false;
        }
    }
    if (!writeList()) {
        return false;
    }
    committed_ = true;
    return true;
}

// The list of the files this pack wrote, for the next pack to know them.
bool PackWriter::writeList() {
    const QString staged = staging_->filePath(QLatin1String(listName));
    QFile list(staged);
    if (!list.open(QIODevice::WriteOnly) ||
        list.write(names_.join(QLatin1Char('\n')).toUtf8()) < 0 || !list.flush()) {
        return fail(folder_, list.errorString());
    }
    list.close();
    return replace(QLatin1String(listName), staged);
}

// Puts the staged file in place of the output's file, which is kept aside for an undo; a file
// that holds the same bytes already is left as it is, so that a pack again writes only what
// changed.
bool PackWriter::replace(const QString& name, const QString& staged) {
    const QString target = QDir(folder_).filePath(name);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile()) {
        return fail(target, QStringLiteral("something other than a file is in the way"));
    }
    if (existing.exists() && sameBytes(staged, target)) {
        return true;
    }
    if (!makeFolder(existing.path()) || (existing.exists() && !remove(name))) {
        return false;
    }
    QFile file(staged);
    if (!file.open(QIODevice::ReadOnly) || ::fsync(file.handle()) != 0) {
        return fail(target, file.errorString());
    }
    std::error_code error;
    fs::rename(native(staged), native(target), error);
    if (error) {
        return fail(target, reasonOf(error));
    }
    steps_.push_back({staged, target});
    return true;
}

// Moves the output's file aside, into the staging folder, where it ends with it.
bool PackWriter::remove(const QString& name) {
    const QString target = QDir(folder_).filePath(name);
    if (!QFileInfo(target).isFile()) {
        return true;
    }
    const QString aside = staging_->filePath(QStringLiteral("old/") + name);
    std::error_code error;
    fs::create_directories(native(QFileInfo(aside).path()), error);
    fs::rename(native(target), native(aside), error);
    if (error) {
        return fail(target, reasonOf(error));
    }
    steps_.push_back({target, aside});
    return true;
}

bool PackWriter::makeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) {
        return true;
    }
    std::error_code error;
    if (!fs::create_directory(native(folder), error)) {
        return fail(folder, reasonOf(error));
    }
    steps_.push_back({{}, folder});
    return true;
}

// Records the problem and undoes every change made to the output.
bool PackWriter::fail(const QString& what, const QString& reason) {
    problem_ = {what, 0, 0, QStringLiteral("cannot write: ") + reason};
    undo();
    return false;
}

void PackWriter::undo() {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
        std::error_code ignored;
        if (step->from.isEmpty()) {
            fs::remove(native(step->to), ignored);
        } else {
            fs::rename(native(step->to), native(step->from), ignored);
        }
    }
    steps_.clear();
}

} // namespace content
