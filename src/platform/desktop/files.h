#pragma once
// Files written whole: under a temporary name in the same folder, renamed into
// place once complete, so that a failure never leaves a partial file behind.
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

// Takes a file's bytes in order, piece by piece; false stops the writing.
using ByteSink = std::function<bool(std::string_view bytes)>;

// A file being written: bytes go to a temporary file beside `path` (a short,
// hidden name of its own, so no other file is touched and a target of the
// longest name the system takes can still be written) until commit renames
// it into place. Dropped without a commit, it removes its file; temporary
// files that a killed writer left in the folder go when a file is written
// there again.
class FileWriter {
public:
    explicit FileWriter(std::string path);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Whether the temporary file could be made: false for a folder that does
    // not exist or cannot be written, and for a target that is not a file.
    bool started() const { return file_ != nullptr; }
    bool write(std::string_view bytes);
    // Flushes and closes the file, which stays under its temporary name until
    // commit, so that a caller can decide on its own work before the file
    // appears; returns the system's reason when this or an earlier step failed.
    std::string close();
    // Empty when the closed file can still be put in place: the reason when
    // an earlier step failed, the target is now refused (something else took
    // its name) or its folder no longer takes a new name.
    std::string placeable() const;
    // For a caller that commits work of its own before the file goes in
    // place: closes (unless done) and renames the complete file to a name
    // that no cleanup removes and the user recognises, the target's name and
    // ".задржан" (numbered when taken, the target's name cut when too long
    // for it), so that a file whose work was committed is never taken for a
    // killed writer's; the reason when it fails (then nothing is committed).
    std::string setAside();
    // Closes (unless done), renames into place and syncs the folder; returns
    // the system's reason when any step (or an earlier write) failed, empty
    // on success.
    std::string commit();
    // Gives up the file after a failed commit: it stays under the name it
    // has (the set-aside one), which is returned.
    std::string keep();

private:
    void fail();
    // Starts the disk on the bytes written since it was last started.
    void startWriteback();
    std::string path_, temporary_, error_;
    // The file's buffer: large, so that the system takes the bytes in large
    // pieces, which it also writes to the disk at less cost.
    std::unique_ptr<char[]> buffer_;
    std::FILE* file_ = nullptr;
    std::size_t written_ = 0, writebackStarted_ = 0;
};

// Empty when `path` may be written: nothing stands there or a regular file
// does. Otherwise (a folder, a device, a pipe) the message that refuses it,
// naming it: renaming into place would replace it with a file.
std::string refusedTarget(const std::string& path);

// A new, empty file beside `path` under a name of its own, for writers that
// fill a file themselves before it is renamed into place; empty on failure,
// and for a target that is refused.
std::string temporaryBeside(const std::string& path);
// Syncs a complete temporary file to the disk and renames it to `path` unless
// the target is refused, then syncs the folder; the reason when it fails (the
// temporary file then stays), empty on success.
std::string renameInto(const std::string& temporary, const std::string& path);

// The name of the target a file set aside under `name` waits for, or nothing
// when `name` is no such file's.
std::optional<std::string> keptFor(std::string_view name);
// The names in `folder` (none when it cannot be read), each set-aside file
// followed by its target's name: a name a new file must not take.
std::vector<std::string> takenNames(const std::string& folder);

// Whether something stands at `path`, or, when the system cannot tell (a name
// too long, a link that loops, a folder that cannot be read), the failure
// naming the path and the system's reason.
struct Presence {
    bool exists = false;
    std::string failure;
};
Presence presence(const std::string& path);

// Opens the regular file at `path` for reading and returns its descriptor;
// -1 when it cannot be opened, with `refusal` naming a path that is no regular
// file (a folder, a device, a pipe: refused as the writers refuse them, and a
// pipe never waited on), else empty.
int openForReading(const std::string& path, std::string& refusal);

// The folder for temporary files (TMPDIR, TMP, TEMP or TEMPDIR, else /tmp),
// whether or not it exists.
std::string temporaryFolder();

// The path with `extension` (".pdf") added when its file name has none.
std::string withExtension(const std::string& path, std::string_view extension);

// Writes `bytes` to `path`, replacing an existing file. Returns the reason
// when it fails (then neither a new file nor a temporary one is left,
// and an existing file is unchanged); empty on success.
std::string writeFile(const std::string& path, std::string_view bytes);

}  // namespace desktop
