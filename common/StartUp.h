#pragma once
// The first step of each program's main, before Qt or anything else runs.

namespace startup {

// A write past the user's file-size limit (ulimit -f) raises SIGXFSZ, which by default ends the
// program on the spot: the drawing being saved is lost and a half-written temporary file stays
// behind. Ignored, the write fails with EFBIG instead, and the save reports it as it reports a
// full disk.
//
// SIGTERM, SIGHUP and SIGINT still end the program as they would by default, but first remove
// the temporary file of a save they cut short (where the file system gave it a name). One
// that was ignored when the program started stays ignored.
void prepareProcess();

} // namespace startup
