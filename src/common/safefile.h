#pragma once
// The files the suite keeps between runs: written so that a full disk, a kill at any moment or
// something other than a plain file in their place never costs the old content, never blocks
// and never reaches outside the file's own folder.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace suite {

// The file's first `limit` bytes. Nothing when it is missing or unreadable, or is not a regular
// file: a pipe, a device, a socket or a folder is never opened. A link to a regular file is read.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit);

// Makes `path` hold exactly `bytes`; false when it could not, and then the file is as it was.
// The new content goes into a fresh file beside it, synced and renamed over the name: a link
// there is replaced, never written through, and a replaced file's permission bits carry over.
// Where the folder takes no new file, an existing regular file is rewritten in place without
// being emptied first, so a kill leaves the old content or the new one followed by blank lines.
// Anything but a regular file, a link or nothing in the file's place is not written. A file
// that already holds exactly `bytes` is left untouched.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

// The steps of a write, in order: the fresh file beside the old one, then, where the folder
// takes no new file, the rewrite in place.
enum class WriteStep {
    CreateTemp, Write, Sync, Close, Rename,
    OpenInPlace, WriteInPlace, SyncInPlace, Truncate, SyncTruncated,
};

// What a step does: run, fail as a full disk or a denied folder would, or stop dead as if the
// program were killed right before it, leaving everything as it then stands.
enum class StepOutcome { Proceed, NoSpace, NoAccess, Die };

// For tests: asked before every step of every write until it is reset with an empty function.
void SetWriteStepHook(std::function<StepOutcome(WriteStep)> hook);

}  // namespace suite
