// Files that get their name only once they are whole: an unnamed regular
// file of a folder (O_TMPFILE), given its name at the end with linkat.
// Whatever ends a program before that, SIGKILL included, nothing of the
// file stays in the folder. The timing log and the generator's point file
// are written this way.
#pragma once

#include <string>
#include <sys/types.h>

// The folder a file of this name is in: "." for a bare name, "/" at the top.
std::string folder_of(const std::string& path);

// The name under which /proc shows the file open as fd: opened, it opens
// that file again (with the permissions it has now), whatever its name.
std::string descriptor_path(int fd);

// Opens an unnamed regular file in `folder` for writing, with the
// permissions `mode` less the umask, as a newly created file gets them.
// The descriptor, or -1 with errno set. Where the file could not be named
// later (no /proc to name it by), it fails with EOPNOTSUPP.
int open_unnamed_file(const std::string& folder, mode_t mode);

// Whether open_unnamed_file failed with `error` because the file system or
// the kernel has no unnamed files: a file created by name must do there.
bool lacks_unnamed_files(int error);

// Gives the unnamed file open as `fd` the name `path`, which must not exist
// yet (EEXIST if it does). 0, or -1 with errno set.
int link_unnamed_file(int fd, const std::string& path);

// Gives the unnamed file open as `fd` the name `path` in place of whatever
// holds it now (a file, or a link, which is replaced, not followed), as
// rename replaces. A free name is linked at once; a taken one through a
// fresh hidden name beside it and rename, with every signal held back
// between the two, so that only SIGKILL in that instant can leave the
// hidden name behind. 0, or -1 with errno set and `path` as it was.
int replace_with_unnamed_file(int fd, const std::string& path);

// ".NAME.XXXXXX" in the folder of `path` (NAME its last part): the pattern
// of the hidden names above, for mkstemp where no unnamed file can be had.
std::string hidden_name_template(const std::string& path);

// Removes what writers killed by SIGKILL left under hidden names of `path`:
// the files of the user's own beside it whose name fits the pattern, six
// letters or digits for the X's, that are regular files (a link is not
// followed), at least kAbandonedAge old, and that no writer holds a lock
// on. A writer takes that lock (flock) as soon as it has its file, and
// holds it for as long as it lives.
void remove_abandoned_hidden_files(const std::string& path);

// Younger files are left alone: their writer may not hold its lock yet.
inline constexpr int kAbandonedAge = 5;  // seconds
